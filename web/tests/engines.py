# SPDX-License-Identifier: MIT
"""One small interface over the three browser engines the page is tested in, so
that a check is written once: Chromium over its DevTools protocol, Firefox ESR
over WebDriver BiDi (its own websocket, no separate driver) and WebKitGTK
through WebKitWebDriver and its MiniBrowser. Firefox and WebKit run visibly on
a private X server, where a real click first gives their window the focus;
Firefox gets real keys there (its protocol's key actions press a focused button
only while its window has the system's focus).

Every driver offers: name, version, open(url, ready), evaluate(expression),
click(x, y), press(key, shift=False), resize(width, height), screenshot(path),
problems() (console errors and warnings since the last call) and close()."""

import base64
import contextlib
import json
import os
import pathlib
import shutil
import socket
import subprocess
import tempfile
import time
import urllib.error
import urllib.request

import websocket

import devtools

FIREFOX = os.environ.get("FIREFOX", "firefox-esr")
WEBKIT_DRIVER = os.environ.get("WEBKIT_DRIVER", "WebKitWebDriver")
MINIBROWSER = os.environ.get("MINIBROWSER",
                             "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser")
DISPLAYS = range(70, 90)
MINIBROWSER_WIDTH = 447

# WebDriver's code points for the keys the tests press.
WEBDRIVER_KEYS = {"Tab": "\ue004", "Enter": "\ue007", " ": " ", "ArrowUp": "\ue013",
                  "ArrowDown": "\ue015", "Home": "\ue011", "End": "\ue010", "PageUp": "\ue00e",
                  "PageDown": "\ue00f", "Backspace": "\ue003", "Delete": "\ue017"}
WEBDRIVER_SHIFT = "\ue008"
XDOTOOL_KEYS = {"Tab": "Tab", "Enter": "Return", " ": "space", "ArrowUp": "Up",
                "ArrowDown": "Down", "Home": "Home", "End": "End", "PageUp": "Prior",
                "PageDown": "Next", "Backspace": "BackSpace", "Delete": "Delete"}


def wait_until(condition, timeout=30, what="a condition"):
    deadline = time.monotonic() + timeout
    while not (result := condition()):
        if time.monotonic() > deadline:
            raise TimeoutError(what)
        time.sleep(0.05)
    return result


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


class XServer:
    """A private Xvfb on the first free display of @p displays."""

    def __init__(self, displays=DISPLAYS, size="1280x1024x24"):
        for number in displays:
            if pathlib.Path(f"/tmp/.X{number}-lock").exists():
                continue
            self.process = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", size,
                                             "-nolisten", "tcp"], stderr=subprocess.DEVNULL)
            with contextlib.suppress(subprocess.TimeoutExpired):
                self.process.wait(timeout=1)
            if self.process.poll() is None:
                self.display = f":{number}"
                return
        raise RuntimeError(f"no free X display in {displays}")

    def close(self):
        self.process.terminate()
        self.process.wait()


def click_to_focus(env):
    """Without a window manager, a real click is what gives a window the focus:
    into the one window on a private X server, while it shows a blank page."""
    window = wait_until(lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", "."], env=env, capture_output=True,
        text=True, timeout=30).stdout.split(), what="the browser's window")[-1]
    subprocess.run(["xdotool", "mousemove", "--window", window, "300", "300", "click", "1"],
                   env=env, check=True, timeout=30)


def stop(process):
    """Ends @p process and its process group."""
    with contextlib.suppress(ProcessLookupError):
        os.killpg(process.pid, 15)
    try:
        process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, 9)
        process.wait()


class Chromium:
    name = "Chromium"

    def __init__(self):
        self.browser = devtools.Browser(461, 345)
        for domain in ("Runtime", "Log"):
            self.browser.send(domain + ".enable")
        self.version = self.browser.send("Browser.getVersion")["product"].split("/")[1]

    def open(self, url, ready):
        self.browser.navigate(url, ready)

    def evaluate(self, expression):
        return self.browser.evaluate(expression)

    def click(self, x, y):
        self.browser.click(x, y)

    def press(self, key, shift=False):
        self.browser.press(key, modifiers=devtools.SHIFT if shift else 0)

    def resize(self, width, height):
        self.browser.send("Emulation.setDeviceMetricsOverride", width=width, height=height,
                          deviceScaleFactor=1, mobile=False)

    def screenshot(self, path):
        self.browser.screenshot(path)

    def problems(self):
        self.browser.evaluate("0")  # collects the events sent meanwhile
        found = [json.dumps(e["params"], ensure_ascii=False)[:300] for e in self.browser.events
                 if e["method"] in ("Runtime.exceptionThrown", "Log.entryAdded",
                                    "Runtime.consoleAPICalled")]
        self.browser.events.clear()
        return found

    def close(self):
        self.browser.close()


class Firefox:
    """Firefox ESR on a private X server, driven over WebDriver BiDi; keys are
    real X key events sent with xdotool to its window."""

    name = "Firefox ESR"

    def __init__(self):
        self.profile = tempfile.mkdtemp(prefix="ranking-firefox-")
        # No first-run pages, no network of its own.
        pathlib.Path(self.profile, "user.js").write_text("\n".join(
            f'user_pref("{name}", {json.dumps(value)});' for name, value in {
                "browser.shell.checkDefaultBrowser": False,
                "browser.startup.homepage_override.mstone": "ignore",
                "browser.aboutwelcome.enabled": False,
                "datareporting.policy.dataSubmissionEnabled": False,
                "toolkit.telemetry.reportingpolicy.firstRun": False,
                "app.update.auto": False,
                "browser.tabs.warnOnClose": False,
                "network.captive-portal-service.enabled": False,
                "browser.safebrowsing.malware.enabled": False,
                "browser.safebrowsing.phishing.enabled": False,
            }.items()) + "\n")
        self.x_server = XServer()
        self.env = dict(os.environ, DISPLAY=self.x_server.display, HOME=self.profile,
                        XDG_CACHE_HOME=self.profile, XDG_CONFIG_HOME=self.profile,
                        MOZ_CRASHREPORTER_DISABLE="1")
        port = free_port()
        self.process = subprocess.Popen(
            [FIREFOX, "--remote-debugging-port", str(port), "--profile", self.profile,
             "--no-remote", "--new-instance", "--width", "700", "--height", "600",
             "about:blank"], env=self.env, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL, start_new_session=True)
        try:
            self.socket = wait_until(lambda: self._connect(port), what="Firefox's BiDi socket")
            self.next_id = 0
            self.events = []
            self.version = self.send("session.new", capabilities={})["capabilities"][
                "browserVersion"]
            self.context = self.send("browsingContext.getTree")["contexts"][0]["context"]
            self.send("session.subscribe", events=["log.entryAdded"])
            click_to_focus(self.env)
        except Exception:
            self.close()
            raise

    def _connect(self, port):
        if self.process.poll() is not None:
            raise RuntimeError("Firefox ended at start")
        with socket.socket() as probe:
            if probe.connect_ex(("127.0.0.1", port)) != 0:
                return None
        try:
            return websocket.create_connection(f"ws://127.0.0.1:{port}/session", timeout=30,
                                               suppress_origin=True)
        except OSError:
            return None

    def xdotool(self, *arguments):
        subprocess.run(["xdotool", *arguments], env=self.env, check=True, timeout=30)

    def send(self, method, **params):
        self.next_id += 1
        self.socket.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("id") == self.next_id:
                if message.get("type") == "error":
                    raise devtools.ProtocolError(f"{method}: {message.get('message')}")
                return message["result"]
            if message.get("type") == "event":
                self.events.append(message)

    def open(self, url, ready):
        self.send("browsingContext.navigate", context=self.context, url=url, wait="complete")
        wait_until(lambda: self.evaluate(ready), timeout=10, what=ready)

    def evaluate(self, expression):
        result = self.send("script.evaluate", expression=expression, awaitPromise=True,
                           target={"context": self.context},
                           serializationOptions={"maxObjectDepth": 10})
        if result["type"] == "exception":
            raise devtools.ProtocolError(result["exceptionDetails"]["text"])
        return self._value(result["result"])

    def _value(self, remote):
        kind, value = remote["type"], remote.get("value")
        if kind == "array":
            return [self._value(item) for item in value]
        if kind == "object":
            return {key: self._value(item) for key, item in value}
        if kind in ("undefined", "null"):
            return None
        if kind == "number" and isinstance(value, str):
            return float(value)  # NaN, Infinity, -0
        return value

    def click(self, x, y):
        self.send("input.performActions", context=self.context, actions=[{
            "type": "pointer", "id": "mouse", "parameters": {"pointerType": "mouse"},
            "actions": [{"type": "pointerMove", "x": round(x), "y": round(y)},
                        {"type": "pointerDown", "button": 0},
                        {"type": "pointerUp", "button": 0}]}])
        self.send("input.releaseActions", context=self.context)

    def press(self, key, shift=False):
        name = XDOTOOL_KEYS.get(key, key)
        if key not in XDOTOOL_KEYS:  # a letter: its keysym by its code point
            name = f"0x{0x1000000 + ord(key):x}" if ord(key) > 0xff else key
        self.xdotool("key", "--clearmodifiers", ("shift+" if shift else "") + name)
        self.evaluate("new Promise(done => setTimeout(done, 30))")  # the key is handled

    def resize(self, width, height):
        self.send("browsingContext.setViewport", context=self.context,
                  viewport={"width": width, "height": height})

    def screenshot(self, path):
        data = self.send("browsingContext.captureScreenshot", context=self.context)["data"]
        pathlib.Path(path).write_bytes(base64.b64decode(data))

    def problems(self):
        self.evaluate("0")
        found = [f"{e['params'].get('level')}: {e['params'].get('text')}" for e in self.events
                 if e["method"] == "log.entryAdded"
                 and e["params"].get("level") in ("error", "warn")]
        self.events.clear()
        return found

    def close(self):
        with contextlib.suppress(Exception):
            self.send("browser.close")
        with contextlib.suppress(Exception):
            self.socket.close()
        with contextlib.suppress(AttributeError):
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                stop(self.process)
        with contextlib.suppress(AttributeError):
            self.x_server.close()
        shutil.rmtree(self.profile, ignore_errors=True)


# Classic WebDriver reads no console: the page's own errors, policy violations and
# console messages from the moment the page is ready.
CATCH_PROBLEMS = """(() => {
  const found = window.rankingTestProblems = [];
  for (const level of ['error', 'warn']) {
    const original = console[level];
    console[level] = (...parts) => { found.push(level + ': ' + parts.join(' '));
                                     original.apply(console, parts); };
  }
  addEventListener('error', event => found.push('error: ' + event.message));
  addEventListener('unhandledrejection', event => found.push('rejection: ' + event.reason));
  addEventListener('securitypolicyviolation', event =>
      found.push('policy: ' + event.violatedDirective));
})()"""


class WebKit:
    """WebKitGTK's MiniBrowser in automation mode on a private X server, through
    WebKitWebDriver (classic WebDriver over HTTP). problems() holds what the page
    reported from the moment it was ready: the protocol reads no console. A view
    narrower than the window can be is a frame of that size."""

    name = "WebKitGTK"

    def __init__(self):
        self.folder = tempfile.mkdtemp(prefix="ranking-webkit-")
        self.log = pathlib.Path(self.folder, "browser.log")
        self.x_server = XServer()
        env = dict(os.environ, DISPLAY=self.x_server.display, HOME=self.folder,
                   XDG_CACHE_HOME=self.folder, XDG_CONFIG_HOME=self.folder,
                   XDG_DATA_HOME=self.folder)
        self.port = free_port()
        self.framed = None
        with open(self.log, "wb") as sink:
            self.process = subprocess.Popen([WEBKIT_DRIVER, f"--port={self.port}"], env=env,
                                            stdout=sink, stderr=sink, start_new_session=True)
        try:
            wait_until(self._listening, what="WebKitWebDriver to listen")
            reply = self.call("POST", "/session", {"capabilities": {"alwaysMatch": {
                "webkitgtk:browserOptions": {"binary": MINIBROWSER,
                                             "args": ["--automation"]}}}})
            self.session = f"/session/{reply['sessionId']}"
            self.version = reply["capabilities"]["browserVersion"]
            click_to_focus(env)
        except Exception:
            self.close()
            raise

    def _listening(self):
        if self.process.poll() is not None:
            raise RuntimeError("WebKitWebDriver ended at start: " + self.log.read_text())
        with socket.socket() as probe:
            return probe.connect_ex(("127.0.0.1", self.port)) == 0

    def call(self, method, path, body=None):
        request = urllib.request.Request(
            f"http://127.0.0.1:{self.port}{path}", method=method,
            data=None if body is None else json.dumps(body).encode(),
            headers={"Content-Type": "application/json"})
        try:
            with urllib.request.urlopen(request, timeout=60) as reply:
                return json.load(reply)["value"]
        except urllib.error.HTTPError as error:
            raise devtools.ProtocolError(f"{path}: {error.read().decode(errors='replace')}")

    def open(self, url, ready):
        if self.framed:
            # A view narrower than the window: the page in a frame of that size at the
            # view's corner, where the checks then run.
            host = pathlib.Path(self.folder, "frame.html")
            host.write_text('<!DOCTYPE html><body style="margin:0"><iframe src="' + url +
                            '" style="border:0;width:%dpx;height:%dpx"></iframe>' % self.framed)
            self.call("POST", self.session + "/url", {"url": host.as_uri()})
            self.call("POST", self.session + "/frame", {"id": 0})
        else:
            self.call("POST", self.session + "/url", {"url": url})
        wait_until(lambda: self.evaluate(ready), timeout=10, what=ready)
        self.evaluate(CATCH_PROBLEMS)

    def evaluate(self, expression):
        # A returned promise is awaited by the driver.
        return self.call("POST", self.session + "/execute/sync",
                         {"script": f"return ({expression});", "args": []})

    def actions(self, actions):
        self.call("POST", self.session + "/actions", {"actions": actions})
        self.call("DELETE", self.session + "/actions")

    def click(self, x, y):
        self.actions([{"type": "pointer", "id": "mouse", "parameters": {"pointerType": "mouse"},
                       "actions": [{"type": "pointerMove", "x": round(x), "y": round(y),
                                    "origin": "viewport"},
                                   {"type": "pointerDown", "button": 0},
                                   {"type": "pointerUp", "button": 0}]}])

    def press(self, key, shift=False):
        value = WEBDRIVER_KEYS.get(key, key)
        keys = [{"type": "keyDown", "value": value}, {"type": "keyUp", "value": value}]
        if shift:
            keys = ([{"type": "keyDown", "value": WEBDRIVER_SHIFT}] + keys
                    + [{"type": "keyUp", "value": WEBDRIVER_SHIFT}])
        self.actions([{"type": "key", "id": "keyboard", "actions": keys}])

    def resize(self, width, height):
        # MiniBrowser's window, its toolbar included, is no narrower than 447 px.
        self.framed = (width, height) if width < MINIBROWSER_WIDTH else None
        width, height = max(width, MINIBROWSER_WIDTH), max(height, 345)
        self.call("POST", self.session + "/frame", {"id": None})  # the window's own view
        # The window's frame and toolbar around the view, measured, then added.
        for _ in range(3):
            inner = self.evaluate("[innerWidth, innerHeight]")
            rect = self.call("GET", self.session + "/window/rect")
            if inner == [width, height]:
                return
            self.call("POST", self.session + "/window/rect",
                      {"width": rect["width"] + width - inner[0],
                       "height": rect["height"] + height - inner[1]})
            time.sleep(0.2)
        wait_until(lambda: self.evaluate("[innerWidth, innerHeight]") == [width, height],
                   timeout=5, what=f"a view of {width} × {height}")

    def screenshot(self, path):
        pathlib.Path(path).write_bytes(base64.b64decode(
            self.call("GET", self.session + "/screenshot")))

    def problems(self):
        return self.evaluate("window.rankingTestProblems.splice(0)")

    def close(self):
        with contextlib.suppress(Exception):
            self.call("DELETE", self.session)
        with contextlib.suppress(AttributeError):
            stop(self.process)
        with contextlib.suppress(AttributeError):
            self.x_server.close()
        shutil.rmtree(self.folder, ignore_errors=True)


ENGINES = {"chromium": Chromium, "firefox": Firefox, "webkit": WebKit}
