#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Start-up time and peak memory of the program against the floor program.

Each run starts a process that exits right after its window's first paint
(LANGUAGE_RANKING_QUIT_AFTER_FIRST_PAINT); its wall time is process start to
exit, its peak resident memory the kernel's ru_maxrss for it (what
`/usr/bin/time -v` reports). The two programs alternate run by run, so that the
noise of a shared machine falls on both alike. Prints medians and ratios.

A second reference, the empty window with one line of text, shows how much of
the difference is the toolkit's font set-up, which any window with text pays.
A third, the same controls made of stock widgets (BARE_FORM), shows what the
program's own additions cost: its target is at most 1.05 times that.

Usage: measure_startup.py PROGRAM FLOOR TEXT_FLOOR BARE_FORM [RUNS]
"""

import os
import shutil
import statistics
import subprocess
import sys
import time


def run_once(program, env):
    start = time.perf_counter()
    process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{program} failed with status {status}")
    return elapsed * 1000.0, usage.ru_maxrss / 1024.0


def measure(programs, env, runs):
    results = {name: ([], []) for name in programs}
    for name, path in programs.items():  # warm the caches first
        run_once(path, env)
    for _ in range(runs):
        for name, path in programs.items():
            ms, mib = run_once(path, env)
            results[name][0].append(ms)
            results[name][1].append(mib)
    return {name: (statistics.median(t), statistics.median(m))
            for name, (t, m) in results.items()}


def start_xvfb():
    """A virtual X server on a free display from :40 to :49, once it takes
    connections (it writes its display number to -displayfd then)."""
    for number in range(40, 50):
        if os.path.exists(f"/tmp/.X{number}-lock") or os.path.exists(f"/tmp/.X11-unix/X{number}"):
            continue
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", "1024x768x24",
                                 "-nolisten", "tcp", "-noreset", "-displayfd", str(write_end)],
                                pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as ready:
            if ready.readline().strip():
                return xvfb, f":{number}"
        xvfb.wait()
    sys.exit("no free display for Xvfb among :40 to :49")


def main():
    if len(sys.argv) < 5:
        sys.exit(__doc__)
    programs = {"program": sys.argv[1], "floor": sys.argv[2], "text": sys.argv[3],
                "bare": sys.argv[4]}
    runs = int(sys.argv[5]) if len(sys.argv) > 5 else 21
    base = dict(os.environ, LANGUAGE_RANKING_QUIT_AFTER_FIRST_PAINT="1")
    base.pop("DISPLAY", None)
    base.pop("QT_QPA_PLATFORM", None)

    platforms = [("offscreen", dict(base, QT_QPA_PLATFORM="offscreen"), None)]
    if shutil.which("Xvfb"):
        xvfb, display = start_xvfb()
        platforms.append(("Xvfb (xcb)", dict(base, QT_QPA_PLATFORM="xcb", DISPLAY=display), xvfb))
    else:
        print("Xvfb not installed: measuring offscreen only")

    print(f"median of {runs} runs each, the programs alternating; ratios to the empty-window "
          "floor, in brackets to the floor with one line of text, and to the same controls "
          "made of stock widgets (bare)")
    print(f"{'platform':<12} {'program ms':>10} {'floor ms':>9} {'ratio':>6} {'(text)':>7} "
          f"{'bare ms':>8} {'ratio':>6}   {'program MiB':>11} {'floor MiB':>9} {'ratio':>6} "
          f"{'(text)':>7} {'bare MiB':>8} {'ratio':>6}")
    try:
        for label, env, _ in platforms:
            medians = measure(programs, env, runs)
            (pt, pm), (ft, fm) = medians["program"], medians["floor"]
            tt, tm = medians["text"]
            bt, bm = medians["bare"]
            print(f"{label:<12} {pt:>10.1f} {ft:>9.1f} {pt / ft:>6.2f} ({pt / tt:>5.2f}) "
                  f"{bt:>8.1f} {pt / bt:>6.2f}   {pm:>11.1f} {fm:>9.1f} {pm / fm:>6.2f} "
                  f"({pm / tm:>5.2f}) {bm:>8.1f} {pm / bm:>6.2f}")
    finally:
        for _, _, server in platforms:
            if server:
                server.terminate()


if __name__ == "__main__":
    main()
