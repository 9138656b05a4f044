# SPDX-License-Identifier: MIT
"""The page under the Orca screen reader: Chromium with its accessibility on,
on a private X server and session bus, with a speech-dispatcher of its own
that speaks through the dummy module, so no voice and no sound device is
needed; what Orca says is read from its own debug log (its SPEECH OUTPUT
lines). Run under dbus-run-session."""

import argparse
import contextlib
import faulthandler
import os
import pathlib
import subprocess
import sys
import tempfile
import threading
import time
import unittest

import devtools
import engines

PAGE = None
READY = "typeof Module == 'object' && !!Module.exercisePage"
DISPLAYS = range(60, 70)


def wait_until(condition, timeout=30, what="a condition"):
    deadline = time.monotonic() + timeout
    while not condition():
        if time.monotonic() > deadline:
            raise TimeoutError(what)
        time.sleep(0.1)


class ScreenReaderTest(unittest.TestCase):
    processes = []

    @classmethod
    def setUpClass(cls):
        cls.processes = []
        try:
            cls.start_session()
        except BaseException:
            cls.tearDownClass()
            raise

    @classmethod
    def start_session(cls):
        cls.folder = tempfile.TemporaryDirectory(prefix="ranking-orca-")
        home = pathlib.Path(cls.folder.name)
        runtime = home / "run"
        runtime.mkdir(mode=0o700)
        os.environ.update(HOME=str(home), XDG_CONFIG_HOME=str(home / "config"),
                          XDG_DATA_HOME=str(home / "data"), XDG_RUNTIME_DIR=str(runtime))
        # Orca's own settings hook: its debug log line by line, so that it can be
        # read while Orca runs.
        customizations = home / "data" / "orca" / "orca-customizations.py"
        customizations.parent.mkdir(parents=True)
        customizations.write_text("import orca.debug\n"
                                  "orca.debug.debugFile.reconfigure(line_buffering=True)\n")
        cls.start_x_server()
        cls.start_speech(home)
        # The screen reader on, as a desktop's setting says it to applications.
        subprocess.run(["gsettings", "set", "org.gnome.desktop.a11y.applications",
                        "screen-reader-enabled", "true"], stderr=subprocess.DEVNULL, check=False,
                       timeout=30)
        cls.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        wait_until(lambda: subprocess.run(
            ["dbus-send", "--session", "--dest=org.a11y.Bus", "--print-reply", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"], capture_output=True, timeout=30).returncode == 0,
            what="the accessibility bus")
        cls.log = home / "orca.log"
        orca = cls.start(["orca", "--debug-file=" + str(cls.log)], output=home / "orca.out")
        wait_until(lambda: "Screen reader on" in cls.speech() or orca.poll() is not None,
                   what="Orca to start")
        if orca.poll() is not None:
            said = (home / "orca.out").read_text(errors="replace")
            # Orca runs once per user; this machine's user may be running it already.
            if "already running" in said:
                raise unittest.SkipTest("another Orca runs for this user: " + said.strip())
            raise RuntimeError("Orca ended at start: " + said)
        # Opened with the page, which then has the focus, as from a desktop's launcher.
        cls.browser = devtools.Browser(461, 345, headless=False,
                                       extra_args=["--force-renderer-accessibility"],
                                       url=PAGE.as_uri())

    @classmethod
    def start_x_server(cls):
        server = engines.XServer(DISPLAYS, size="1024x768x24")
        cls.processes.append(server.process)
        os.environ["DISPLAY"] = server.display

    @classmethod
    def start_speech(cls, home):
        """A speech-dispatcher with the dummy module only, at a socket of its own: the
        desktop's one, with a real voice and no sound device, blocks after a sentence."""
        config = home / "speech-dispatcher"
        config.mkdir()
        (config / "speechd.conf").write_text('AddModule "dummy" "sd_dummy" ""\n'
                                             'DefaultModule dummy\nAudioOutputMethod "alsa"\n')
        # ALSA's default device throws the sound away, with or without a sound card.
        (home / ".asoundrc").write_text("pcm.!default { type null }\n"
                                        "ctl.!default { type hw card 0 }\n")
        socket = home / "run" / "speech-dispatcher" / "speechd.sock"
        os.environ["SPEECHD_ADDRESS"] = "unix_socket:" + str(socket)
        server = cls.start(["speech-dispatcher", "--run-single", "--timeout", "0",
                            "--config-dir", str(config), "--socket-path", str(socket),
                            "--log-dir", str(home)], output=home / "speech-dispatcher.out")
        wait_until(lambda: socket.exists() or server.poll() is not None,
                   what="speech-dispatcher to listen")
        if server.poll() is not None:
            raise RuntimeError("speech-dispatcher ended at start: " +
                               (home / "speech-dispatcher.out").read_text(errors="replace"))

    @classmethod
    def start(cls, command, output=None):
        with open(output or os.devnull, "wb") as sink:
            cls.processes.append(subprocess.Popen(command, stdout=sink, stderr=sink))
        return cls.processes[-1]

    @classmethod
    def tearDownClass(cls):
        with contextlib.suppress(AttributeError):
            cls.browser.close()
        for process in reversed(cls.processes):
            process.terminate()
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        with contextlib.suppress(AttributeError):
            cls.folder.cleanup()

    @classmethod
    def speech(cls):
        if not cls.log.exists():
            return ""
        return "\n".join(line.split("SPEECH OUTPUT: ", 1)[1]
                         for line in cls.log.read_text(encoding="utf-8", errors="replace")
                         .splitlines() if "SPEECH OUTPUT: " in line)

    def wait_spoken(self, text, since=0, timeout=15):
        wait_until(lambda: text in self.speech()[since:], timeout=timeout,
                   what=f"Orca to say {text!r}; it said: {self.speech()[since:]!r}")

    def wait_spoken_in_turn(self, texts, since=0):
        """Waits for each of @p texts, each said after the one before."""
        for text in texts:
            self.wait_spoken(text, since=since)
            since = self.speech().index(text, since) + len(text)

    def centre(self, element_id):
        return self.browser.evaluate(
            f"(() => {{ const r = document.getElementById('{element_id}')"
            ".getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]; })()")

    def test_each_press_is_spoken_once(self):
        self.browser.wait_for(READY)
        self.wait_spoken("Условие на задачата")
        presses = [("enterButton", "Въведено „100 английски“, място 1 от 1 в класацията."),
                   ("takeOutButton", "Нищо не е изведено: изберете ред от класацията."),
                   ("takeOutButton", "Нищо не е изведено: изберете ред от класацията."),
                   ("deleteButton", "Класацията е изтрита.")]
        heard = len(self.speech())
        for number, (button, sentence) in enumerate(presses):
            self.browser.click(*self.centre(button))
            self.wait_spoken(sentence, since=heard)
            heard = self.speech().index(sentence, heard) + len(sentence)
        time.sleep(1)  # nothing more comes
        said = self.speech()
        for sentence in {sentence for _, sentence in presses}:
            self.assertEqual(said.count(sentence),
                             sum(sentence == each for _, each in presses), sentence)

    def test_entering_a_list_says_whether_its_item_is_selected(self):
        self.browser.wait_for(READY)
        self.browser.click(*self.centre("deleteButton"))  # the start state, the focus on Изтрий
        self.wait_spoken("Класацията е изтрита.")

        def after(keys, modifiers=0):
            heard = len(self.speech())
            for key in keys:
                self.browser.press(key, modifiers=modifiers)
            return heard

        def settled(heard):
            time.sleep(1)  # nothing more comes
            return self.speech()[heard:]

        heard = after(["Tab"] * 3, devtools.SHIFT)  # Изведи, Въведи, the empty Класация
        self.wait_spoken("Списъкът „Класация“ е празен.", since=heard)
        heard = after(["Tab"], devtools.SHIFT)
        self.wait_spoken("'английски.'", since=heard)
        self.assertNotIn("not selected", settled(heard))

        after(["Tab", "Tab"])
        self.assertEqual(self.browser.evaluate("document.activeElement.id"), "enterButton")
        heard = after(["Enter"])
        self.wait_spoken("Въведено „100 английски“, място 1 от 1 в класацията.", since=heard)
        heard = after(["Tab"], devtools.SHIFT)  # Класация, its one entry not selected
        self.wait_spoken_in_turn(["'Класация List with 1 item'", "'100 английски.'",
                                  "'not selected.'"], since=heard)
        heard = after(["ArrowDown"])  # selects it where it is
        self.wait_spoken("'100 английски.'", since=heard)
        self.assertNotIn("not selected", settled(heard))
        heard = after(["Tab"], devtools.SHIFT)
        self.wait_spoken_in_turn(["'Език List with 7 items'", "'арабски.'", "'not selected.'"],
                                 since=heard)


def watchdog():
    """Should the test ever hang: where it stands, then the processes it started ended."""
    faulthandler.dump_traceback()
    for process in ScreenReaderTest.processes:
        process.kill()
    os._exit(1)


def main():
    global PAGE
    timer = threading.Timer(150, watchdog)
    timer.daemon = True
    timer.start()
    parser = argparse.ArgumentParser()
    parser.add_argument("--page", required=True, type=pathlib.Path)
    args, rest = parser.parse_known_args()
    PAGE = args.page.resolve()
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
