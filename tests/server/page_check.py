#!/usr/bin/python3
"""Opens a web page in headless Chromium at a given width, as a player's browser would, and
fails when the page logs a console error or warning, throws, or fails to load a resource.
Writes a screenshot of the whole page. Talks to Chromium over its DevTools pipe (file
descriptors 3 and 4), so no port is opened.

    page_check.py URL WIDTH SCREENSHOT.png
"""
import base64
import json
import os
import subprocess
import sys
import tempfile

TIMEOUT = 60


class Browser:
    def __init__(self, width):
        to_chrome_r, self.to_chrome = os.pipe()
        self.from_chrome, from_chrome_w = os.pipe()
        self.profile = tempfile.TemporaryDirectory()

        def wire():
            os.dup2(to_chrome_r, 3)
            os.dup2(from_chrome_w, 4)

        self.process = subprocess.Popen(
            ["chromium", "--headless", "--no-sandbox", "--disable-gpu",
             "--remote-debugging-pipe", "--no-first-run", "--user-data-dir=" + self.profile.name,
             "--window-size=%d,800" % width, "about:blank"],
            preexec_fn=wire, pass_fds=(3, 4),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_chrome_r)
        os.close(from_chrome_w)
        self.buffer = b""
        self.next_id = 0
        self.events = []

    def send(self, method, params=None, session=None):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        os.write(self.to_chrome, json.dumps(message).encode() + b"\0")
        while True:
            reply = self.receive()
            if reply.get("id") == self.next_id:
                if "error" in reply:
                    raise RuntimeError("%s: %s" % (method, reply["error"]))
                return reply.get("result", {})
            self.events.append(reply)

    def receive(self):
        while b"\0" not in self.buffer:
            chunk = os.read(self.from_chrome, 1 << 16)
            if not chunk:
                raise RuntimeError("Chromium ended")
            self.buffer += chunk
        message, self.buffer = self.buffer.split(b"\0", 1)
        return json.loads(message)

    def wait_for(self, method):
        while True:
            for event in self.events:
                if event.get("method") == method:
                    return
            self.events.append(self.receive())

    def close(self):
        try:
            self.send("Browser.close")
        except RuntimeError:
            pass
        self.process.wait(timeout=TIMEOUT)
        self.profile.cleanup()


def problems(events):
    found = []
    for event in events:
        method, params = event.get("method"), event.get("params", {})
        if method == "Runtime.consoleAPICalled" and params.get("type") in ("error", "warning", "assert"):
            text = " ".join(str(a.get("value", a.get("description", ""))) for a in params.get("args", []))
            found.append("console %s: %s" % (params["type"], text))
        elif method == "Runtime.exceptionThrown":
            details = params["exceptionDetails"]
            found.append("exception: %s %s" % (details.get("text"),
                                                details.get("exception", {}).get("description", "")))
        elif method == "Log.entryAdded" and params["entry"].get("level") in ("error", "warning"):
            entry = params["entry"]
            found.append("log %s: %s %s" % (entry["level"], entry.get("text"), entry.get("url", "")))
    return found


def main():
    url, width, screenshot = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    browser = Browser(width)
    try:
        target = browser.send("Target.createTarget", {"url": "about:blank"})["targetId"]
        session = browser.send("Target.attachToTarget", {"targetId": target, "flatten": True})["sessionId"]
        for domain in ("Runtime", "Log", "Page"):
            browser.send(domain + ".enable", session=session)
        browser.send("Emulation.setDeviceMetricsOverride",
                     {"width": width, "height": 800, "deviceScaleFactor": 1, "mobile": width < 600},
                     session=session)
        browser.send("Page.navigate", {"url": url}, session=session)
        browser.wait_for("Page.loadEventFired")
        size = browser.send("Page.getLayoutMetrics", session=session)["cssContentSize"]
        shot = browser.send("Page.captureScreenshot",
                            {"format": "png", "captureBeyondViewport": True,
                             "clip": {"x": 0, "y": 0, "width": width,
                                      "height": size["height"], "scale": 1}},
                            session=session)
        with open(screenshot, "wb") as out:
            out.write(base64.b64decode(shot["data"]))
        overflow = size["width"] > width + 1
        found = problems(browser.events)
        if overflow:
            found.append("the page is %d pixels wide at a width of %d" % (size["width"], width))
    finally:
        browser.close()
    for problem in found:
        print("%s at %d: %s" % (url, width, problem))
    if not found:
        print("%s at %d: no console errors, %dx%d" % (url, width, width, size["height"]))
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
