#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Start-up of Windows programs under Wine, from exec to their window being
mapped on the X server, taken side by side: the programs run in turn, RUNS
times each after one warm-up run, and the program's median is given as a
ratio to each floor's. Needs an X display and python3-xlib.

    time_to_map.py RUNS PROGRAM FLOOR...
"""

import statistics
import subprocess
import sys
import time

from Xlib import X, display

# Wine maps small helper windows of its own; the programs' windows are larger.
MIN_WIDTH = 300


def time_to_map(connection, program):
    start = time.perf_counter()
    process = subprocess.Popen(["wine", program], stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    while True:
        event = connection.next_event()
        if event.type != X.MapNotify:
            continue
        try:
            if event.window.get_geometry().width >= MIN_WIDTH:
                break
        except Exception:  # the window went again before it was asked
            continue
    elapsed = (time.perf_counter() - start) * 1000
    process.terminate()
    process.wait()
    time.sleep(0.3)  # let Wine's desktop process settle the same way each time
    return elapsed


def main():
    runs, program, floors = int(sys.argv[1]), sys.argv[2], sys.argv[3:]
    connection = display.Display()
    connection.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
    connection.sync()
    times = {name: [] for name in [program] + floors}
    for run in range(runs + 1):
        for name in times:
            elapsed = time_to_map(connection, name)
            if run > 0:
                times[name].append(elapsed)
    medians = {name: statistics.median(values) for name, values in times.items()}
    for name, values in times.items():
        print(f"{name}: median {medians[name]:.0f} ms, best {min(values):.0f} ms")
    for floor in floors:
        print(f"ratio of medians to {floor}: {medians[program] / medians[floor]:.2f}")


if __name__ == "__main__":
    main()
