# SPDX-License-Identifier: MIT
"""A small DevTools-protocol client: starts Debian's headless chromium with a
fresh profile, attaches to one page and drives it with real input events."""

import contextlib
import functools
import http.server
import json
import os
import pathlib
import shutil
import subprocess
import tempfile
import threading
import time
import urllib.request

import websocket

CHROMIUM = os.environ.get("CHROMIUM", "/usr/lib/chromium/chromium")

KEYS = {
    "Tab": ("Tab", 9, ""),
    "Enter": ("Enter", 13, "\r"),
    " ": ("Space", 32, " "),
    "ArrowUp": ("ArrowUp", 38, ""),
    "ArrowDown": ("ArrowDown", 40, ""),
    "Home": ("Home", 36, ""),
    "End": ("End", 35, ""),
    "Backspace": ("Backspace", 8, ""),
    "Delete": ("Delete", 46, ""),
    "PageUp": ("PageUp", 33, ""),
    "PageDown": ("PageDown", 34, ""),
}
SHIFT = 8


class ProtocolError(RuntimeError):
    pass


class Browser:
    """One headless chromium with one page; close() ends it and waits for
    every process it started before removing its profile."""

    def __init__(self, width, height, headless=True, extra_args=(), url="about:blank"):
        self.profile = tempfile.mkdtemp(prefix="ranking-chromium-")
        env = dict(os.environ, XDG_CONFIG_HOME=self.profile, XDG_CACHE_HOME=self.profile)
        self.process = subprocess.Popen(
            [CHROMIUM, *(["--headless"] if headless else []), *extra_args,
             "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
             "--no-first-run", "--no-default-browser-check", "--disable-background-networking",
             "--disable-component-update", "--disable-sync", "--disable-extensions",
             "--force-device-scale-factor=1", f"--window-size={width},{height}",
             "--remote-debugging-port=0", f"--user-data-dir={self.profile}", url],
            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            start_new_session=True)
        try:
            self.socket = websocket.create_connection(self._page_socket_url(), timeout=30,
                                                      suppress_origin=True)
        except Exception:
            self.close()
            raise
        self.next_id = 0
        self.events = []
        self.send("Emulation.setFocusEmulationEnabled", enabled=True)
        self.send("Emulation.setDeviceMetricsOverride", width=width, height=height,
                  deviceScaleFactor=1, mobile=False)

    def _page_socket_url(self):
        port_file = pathlib.Path(self.profile, "DevToolsActivePort")
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline:
            if self.process.poll() is not None:
                raise RuntimeError("chromium ended at start")
            if port_file.exists() and port_file.read_text().count("\n") >= 1:
                port = port_file.read_text().split("\n")[0]
                with urllib.request.urlopen(f"http://127.0.0.1:{port}/json/list") as reply:
                    pages = [t for t in json.load(reply) if t["type"] == "page"]
                if pages:
                    return pages[0]["webSocketDebuggerUrl"]
            time.sleep(0.05)
        raise RuntimeError("chromium did not open its DevTools port")

    def send(self, method, session=None, **params):
        """Sends to the page, or to the frame or worker attached as @p session."""
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params}
        if session:
            message["sessionId"] = session
        self.socket.send(json.dumps(message))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("id") == self.next_id:
                if "error" in message:
                    raise ProtocolError(f"{method}: {message['error']}")
                return message["result"]
            if "method" in message:
                self.events.append(message)

    def evaluate(self, expression, session=None):
        result = self.send("Runtime.evaluate", session=session, expression=expression,
                           returnByValue=True, awaitPromise=True)
        if "exceptionDetails" in result:
            raise ProtocolError(result["exceptionDetails"]["exception"].get("description"))
        return result["result"].get("value")

    def wait_for(self, expression, timeout=10, session=None):
        deadline = time.monotonic() + timeout
        while not self.evaluate(expression, session):
            if time.monotonic() > deadline:
                raise TimeoutError(expression)
            time.sleep(0.02)

    def navigate(self, url, ready_expression):
        self.send("Page.navigate", url=url)
        self.wait_for(ready_expression)

    def click(self, x, y):
        for kind in ("mousePressed", "mouseReleased"):
            self.send("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left",
                      clickCount=1)

    def tap(self, x, y):
        self.send("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y}])
        self.send("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])

    def drag(self, x, y, dy, steps=10):
        """A finger drawn dy pixels up or down from (x, y), at about 60 moves a second."""
        self.send("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y}])
        for step in range(1, steps + 1):
            self.send("Input.dispatchTouchEvent", type="touchMove",
                      touchPoints=[{"x": x, "y": y + dy * step / steps}])
            time.sleep(0.016)
        self.send("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])

    def press(self, key, modifiers=0):
        if key not in KEYS:  # a letter or a digit
            self.send("Input.dispatchKeyEvent", type="keyDown", key=key, text=key)
            self.send("Input.dispatchKeyEvent", type="keyUp", key=key)
            return
        code, key_code, text = KEYS[key]
        self.send("Input.dispatchKeyEvent", type="keyDown" if text else "rawKeyDown", key=key,
                  code=code, windowsVirtualKeyCode=key_code, text=text, modifiers=modifiers)
        self.send("Input.dispatchKeyEvent", type="keyUp", key=key, code=code,
                  windowsVirtualKeyCode=key_code, modifiers=modifiers)

    def screenshot(self, path):
        import base64
        data = self.send("Page.captureScreenshot", format="png")["data"]
        pathlib.Path(path).write_bytes(base64.b64decode(data))

    def close(self):
        with contextlib.suppress(Exception):
            self.send("Browser.close")
        with contextlib.suppress(Exception):
            self.socket.close()
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            os.killpg(self.process.pid, 15)
            self.process.wait()
        # Helpers (zygote, GPU and network services) share the browser's
        # process group and may outlive it by a moment; the profile is theirs too.
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            try:
                os.killpg(self.process.pid, 0)
            except ProcessLookupError:
                break
            time.sleep(0.05)
        shutil.rmtree(self.profile, ignore_errors=True)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class LoopbackServer:
    """A static file server on 127.0.0.1 at a free port, noting every path asked for."""

    def __init__(self, folder):
        server = self
        self.paths = []
        # Sent with every reply, as a host's server adds its own policy.
        self.headers = {}
        # Pages served from memory by path, such as a host page with a frame.
        self.pages = {}

        class Handler(QuietHandler):
            def do_GET(self):
                server.paths.append(self.path)
                if self.path not in server.pages:
                    return super().do_GET()
                body = server.pages[self.path].encode("utf-8")
                self.send_response(200)
                self.send_header("Content-Type", "text/html; charset=utf-8")
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                self.wfile.write(body)

            def end_headers(self):
                for name, value in server.headers.items():
                    self.send_header(name, value)
                super().end_headers()

        self.httpd = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(Handler, directory=str(folder)))
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    def url(self, name, host="127.0.0.1"):
        return f"http://{host}:{self.httpd.server_address[1]}/{name}"

    def close(self):
        self.httpd.shutdown()
        self.httpd.server_close()
