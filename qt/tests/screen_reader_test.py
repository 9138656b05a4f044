#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Runs the program under the Orca screen reader and checks what Orca says.

Everything runs in a private session: its own D-Bus session bus (the script
starts itself again under dbus-run-session), a virtual X server on a free
display, openbox, the accessibility bus, speech-dispatcher with its dummy
output, and Orca with its debug log. Real key presses and a mouse click go to
the window through xdotool; after each, the script waits for Orca's SPEECH
OUTPUT lines and checks them.

Usage: screen_reader_test.py PROGRAM
"""

import os
import pty
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import tty

DISPLAYS = range(40, 50)
WAIT_SECONDS = 20
# The statement box is 441 px wide: a line of it holds some 60 letters, a
# paragraph several hundred.
LONGEST_LINE = 80
# Words, not the echo of a key ("tab "), which ends in a blank.
SPOKEN_TEXT = r"\w\w.*[^ ]$"


class Failure(Exception):
    pass


def report(text):
    """A line of the test's own output. The session's buses and services
    write to the session's log; only these lines reach the caller."""
    with open(os.path.join(os.environ["SCREEN_READER_SESSION_DIR"], "report.txt"), "a") as out:
        out.write(text + "\n")


class OrcaLog:
    """Orca's debug log, read as it is written. Orca writes it line by line
    only to a terminal, so the log goes through a pseudo-terminal."""

    def __init__(self, copy_path):
        self._master, self._slave = pty.openpty()
        tty.setraw(self._slave)
        self.path = os.ttyname(self._slave)
        self._copy = open(copy_path, "w", encoding="utf-8")
        self._lines = []
        self._condition = threading.Condition()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        pending = b""
        while True:
            try:
                chunk = os.read(self._master, 65536)
            except OSError:
                return
            if not chunk:
                return
            pending += chunk
            *complete, pending = pending.split(b"\n")
            with self._condition:
                for raw in complete:
                    line = raw.decode("utf-8", "replace").rstrip("\r")
                    self._copy.write(line + "\n")
                    self._lines.append(line)
                self._copy.flush()
                self._condition.notify_all()

    def speech(self, start=0):
        """The texts Orca spoke from speech line @p start on."""
        with self._condition:
            lines = list(self._lines)
        spoken = [m.group(1) for m in map(SPEECH.search, lines) if m]
        return spoken[start:]

    def wait_for(self, start, expected, what):
        """Waits until the texts spoken since @p start hold each pattern of
        @p expected, in order; returns the texts spoken by then."""
        deadline = time.monotonic() + WAIT_SECONDS
        with self._condition:
            while True:
                spoken = self.speech(start)
                if matches_in_order(spoken, expected):
                    return spoken
                left = deadline - time.monotonic()
                if left <= 0:
                    raise Failure(f"{what}: expected {expected}, Orca said {spoken}")
                self._condition.wait(left)


SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'\s*(\{.*\})?$")


def matches_in_order(spoken, expected):
    position = 0
    for pattern in expected:
        while position < len(spoken) and not re.search(pattern, spoken[position]):
            position += 1
        if position == len(spoken):
            return False
        position += 1
    return True


def exact(text):
    return "^" + re.escape(text) + "$"


def said(text):
    """A spoken text that is @p text, maybe after a role name."""
    return "^(notification )?" + re.escape(text) + "$"


def free_display():
    for number in DISPLAYS:
        if not os.path.exists(f"/tmp/.X{number}-lock") and not os.path.exists(
            f"/tmp/.X11-unix/X{number}"
        ):
            return number
    raise Failure(f"no free X display among :{DISPLAYS.start} to :{DISPLAYS.stop - 1}")


class Session:
    def __init__(self, program, work):
        self.program = program
        self.work = work
        self.processes = []

    def start(self, args, log_name, **kwargs):
        log = open(os.path.join(self.work, log_name), "w")
        process = subprocess.Popen(
            args, stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT, **kwargs
        )
        self.processes.append(process)
        return process

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()

    def wait_until(self, check, what, process=None):
        deadline = time.monotonic() + WAIT_SECONDS
        while not check():
            if process is not None and process.poll() is not None:
                raise Failure(f"{what}: the process ended with {process.returncode}")
            if time.monotonic() > deadline:
                raise Failure(f"timed out waiting for {what}")
            time.sleep(0.05)

    def start_display(self):
        for _ in range(3):
            number = free_display()
            # Xvfb writes its display number to -displayfd once it takes
            # connections; -noreset keeps it from resetting, and refusing
            # connections meanwhile, each time its last client leaves.
            read_end, write_end = os.pipe()
            xvfb = self.start(
                ["Xvfb", f":{number}", "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                 "-noreset", "-displayfd", str(write_end)],
                f"xvfb-{number}.log",
                pass_fds=(write_end,),
            )
            os.close(write_end)
            with os.fdopen(read_end) as ready:
                started = ready.readline().strip() == str(number)
            if started and xvfb.poll() is None:
                os.environ["DISPLAY"] = f":{number}"
                return
            # Another program took the display in between: try the next one.
            xvfb.wait()
        raise Failure("could not start Xvfb")

    def start_window_manager(self):
        self.start(["openbox"], "openbox.log")
        self.wait_until(
            lambda: subprocess.run(
                ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                capture_output=True,
                text=True,
            ).stdout.find("window id") >= 0,
            "openbox",
        )

    def start_speech(self):
        config = os.path.join(self.work, "speech-dispatcher")
        os.makedirs(config)
        with open(os.path.join(config, "speechd.conf"), "w") as conf:
            conf.write('AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n'
                       'AudioOutputMethod "alsa"\n')
        # No sound card needed: ALSA's default device throws the sound away.
        with open(os.path.join(os.environ["HOME"], ".asoundrc"), "w") as asoundrc:
            asoundrc.write("pcm.!default { type null }\nctl.!default { type hw card 0 }\n")
        socket = os.path.join(os.environ["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
        process = self.start(
            ["speech-dispatcher", "--run-single", "--timeout", "0", "--config-dir", config,
             "--socket-path", socket, "--log-dir", self.work],
            "speech-dispatcher.log",
        )
        self.wait_until(lambda: os.path.exists(socket), "speech-dispatcher", process)

    def start_orca(self):
        self.log = OrcaLog(os.path.join(self.work, "orca-debug.log"))
        orca = self.start(["orca", "--replace", f"--debug-file={self.log.path}"], "orca.log")
        self.log.wait_for(0, [exact("Screen reader on.")], "Orca starting")
        self.orca = orca

    def start_program(self):
        start = len(self.log.speech())
        self.start([self.program], "program.log")
        # The statement has the focus: its name, then the line at the cursor.
        return self.log.wait_for(start, ["^Условие на задачата", SPOKEN_TEXT],
                                 "the window opening")


def press(session, keys, expected, what):
    start = len(session.log.speech())
    for key in keys:
        subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)
    return session.log.wait_for(start, expected, what)


def click(session, x, y, expected, what):
    window = subprocess.run(
        ["xdotool", "getactivewindow"], capture_output=True, text=True, check=True
    ).stdout.strip()
    start = len(session.log.speech())
    subprocess.run(
        ["xdotool", "mousemove", "--window", window, str(x), str(y), "click", "1"], check=True
    )
    return session.log.wait_for(start, expected, what)


def run_checks(session):
    at_start = session.start_program()
    name_at = [i for i, text in enumerate(at_start) if text.startswith("Условие на задачата")][0]
    spoken_start = at_start[name_at]
    first_line = [text for text in at_start[name_at + 1 :] if re.search(SPOKEN_TEXT, text)][0]
    if spoken_start != "Условие на задачата read only text.":
        raise Failure(f"the statement is not announced as read-only text: {spoken_start!r}")
    report("start: " + spoken_start)

    # One visual line of the statement on Down, not the whole paragraph.
    after_down = press(session, ["Down"], [SPOKEN_TEXT], "Down in the statement")
    line = [text for text in after_down if re.search(SPOKEN_TEXT, text)][0]
    if len(first_line) > LONGEST_LINE or len(line) > LONGEST_LINE or line == first_line:
        raise Failure(f"the statement read {first_line!r}, then on Down {line!r}: "
                      "not one line of it after another")
    report(f"first line of the statement: {first_line!r}, Down: {line!r}")

    # The desktop entry's StartupWMClass is the program's name (check_deb.sh).
    window = subprocess.run(["xdotool", "getactivewindow"], capture_output=True, text=True,
                            check=True).stdout.strip()
    wm_class = subprocess.run(["xprop", "-id", window, "WM_CLASS"], capture_output=True,
                              text=True, check=True).stdout.strip()
    name = os.path.basename(session.program)
    if not wm_class.endswith(f'"{name}", "{name}"'):
        raise Failure(f"the window's class is not {name}: {wm_class}")
    report(wm_class)

    entered = "Въведено „100 английски“, място 1 от 1 в класацията."
    nothing = "Нищо не е въведено: изберете брой говорещи и език."
    taken_out = "Изведено „100 английски“. Класацията е празна."
    deleted = "Класацията е празна. Избрани са първият брой и първият език."
    presses = [entered, nothing, nothing, taken_out, deleted]
    # Said after the current item of a list entered without a selection.
    not_selected = "Не е избран."
    speakers = [exact("Говорещи."), exact("List with 9 items."), exact("100.")]
    languages = [exact("Език."), exact("List with 8 items."), exact("английски.")]
    steps = [
        (["Tab"], speakers, "Tab into Говорещи"),
        (["Tab"], languages, "Tab into Език"),
        (["Tab"], [exact("Класация."), said("Списъкът „Класация“ е празен.")],
         "Tab into the empty Класация"),
        (["Tab"], [exact("Въведи push button.")], "Tab to Въведи"),
        (["space"], [said(entered)], "Space on Въведи"),
        (["Return"], [said(nothing)], "Return on Въведи"),
        (["Return"], [said(nothing)], "Return on Въведи again"),
        # Въведи took the selections of Говорещи and Език.
        (["shift+Tab", "shift+Tab", "shift+Tab"],
         [exact("Говорещи."), exact("List with 8 items."), exact("200."), said(not_selected)],
         "Shift+Tab into Говорещи without a selection"),
        (["Tab", "Tab"],
         [exact("Класация."), exact("List with 1 item."), exact("100 английски."),
          said(not_selected)],
         "Tab into Класация without a selection"),
        (["space"], [exact("selected")], "Space on a ranking entry"),
        (["Tab", "Tab"], [exact("Изведи push button.")], "Tab to Изведи"),
        (["Return"], [said(taken_out)], "Return on Изведи"),
    ]
    for keys, expected, what in steps:
        spoken = press(session, keys, expected, what)
        report(f"{what}: {spoken}")

    # Изтрий with the mouse, at the middle of the button.
    spoken = click(session, 392, 157, [said(deleted)], "a click on Изтрий")
    report(f"a click on Изтрий: {spoken}")
    start = len(session.log.speech())
    spoken = press(session, ["Tab", "Tab"], speakers, "Tab into Говорещи again")
    report(f"Tab into Говорещи again: {spoken}")
    # Once Orca speaks the next list, it has said all it would of this one.
    spoken = press(session, ["Tab"], languages, "Tab into Език again")
    report(f"Tab into Език again: {spoken}")
    claimed = [text for text in session.log.speech(start) if re.search(said(not_selected), text)]
    if claimed:
        raise Failure(f"lists whose current item is selected were said not to be: {claimed}")

    # Orca handles events in order: anything a press set off is spoken by now.
    spoken = session.log.speech()
    for sentence in set(presses):
        count = sum(1 for text in spoken if re.search(said(sentence), text))
        if count != presses.count(sentence):
            raise Failure(f"{sentence!r} spoken {count} times, pressed {presses.count(sentence)}")


def in_session(program):
    work = os.environ["SCREEN_READER_SESSION_DIR"]
    session = Session(program, work)
    try:
        session.start_display()
        session.start_window_manager()
        session.start_speech()
        session.start_orca()
        run_checks(session)
    except Failure as failure:
        report(f"FAIL: {failure}")
        return 1
    finally:
        session.stop()
    report("PASS: Orca spoke every press once, each list's current item and whether it is not "
           "selected, a selection, one line")
    return 0


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    program = os.path.abspath(sys.argv[1])
    if "SCREEN_READER_SESSION_DIR" in os.environ:
        return in_session(program)

    # A private home, settings and runtime folder, so that nothing of the
    # user's desktop leaks in or out; then a private session bus.
    work = tempfile.mkdtemp(prefix="screen-reader-test-")
    home = os.path.join(work, "home")
    env = dict(os.environ)
    env.update(
        SCREEN_READER_SESSION_DIR=work,
        HOME=home,
        XDG_CONFIG_HOME=os.path.join(home, ".config"),
        XDG_DATA_HOME=os.path.join(home, ".local", "share"),
        XDG_CACHE_HOME=os.path.join(home, ".cache"),
        XDG_RUNTIME_DIR=os.path.join(work, "runtime"),
        LANG="C.UTF-8",
        LC_ALL="C.UTF-8",
    )
    for name in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS",
                 "AT_SPI_BUS_ADDRESS", "SESSION_MANAGER"):
        env.pop(name, None)
    for folder in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"):
        os.makedirs(env[folder], mode=0o700, exist_ok=True)
    with open(os.path.join(work, "session.log"), "w") as session_log:
        status = subprocess.call(
            ["dbus-run-session", "--", sys.executable, os.path.abspath(__file__), program],
            env=env,
            stdin=subprocess.DEVNULL,
            stdout=session_log,
            stderr=subprocess.STDOUT,
        )
    report_path = os.path.join(work, "report.txt")
    if os.path.exists(report_path):
        with open(report_path) as lines:
            sys.stdout.write(lines.read())
    if status == 0:
        shutil.rmtree(work, ignore_errors=True)
    else:
        print(f"exit status {status}; the session's logs are in {work}")
    return status


if __name__ == "__main__":
    signal.signal(signal.SIGTERM, signal.default_int_handler)
    sys.exit(main())
