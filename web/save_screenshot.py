# SPDX-License-Identifier: MIT
"""Saves a PNG of the page as a browser engine draws it at the window's size:
headless chromium by default, or --engine firefox or webkit (on a private X
server); with --phone, chromium in a 360 x 640 phone's view (touch, mobile
viewport)."""

import argparse
import json
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent / "tests"))
import devtools  # noqa: E402
import engines  # noqa: E402

READY = "typeof Module == 'object' && !!Module.exercisePage"
TWO_FRAMES = "new Promise(done => requestAnimationFrame(() => requestAnimationFrame(done)))"


def phone_screenshot(page, output):
    browser = devtools.Browser(360, 640)
    try:
        browser.send("Emulation.setDeviceMetricsOverride", width=360, height=640,
                     deviceScaleFactor=1, mobile=True)
        browser.send("Emulation.setTouchEmulationEnabled", enabled=True)
        browser.navigate(page.resolve().as_uri(), READY)
        browser.evaluate(TWO_FRAMES)
        browser.screenshot(output)
    finally:
        browser.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--page", required=True, type=pathlib.Path)
    parser.add_argument("--output", required=True, type=pathlib.Path)
    parser.add_argument("--engine", choices=sorted(engines.ENGINES), default="chromium")
    parser.add_argument("--phone", action="store_true")
    args = parser.parse_args()
    if args.phone:
        phone_screenshot(args.page, args.output)
    else:
        table = json.loads(args.page.with_name("form-table.json").read_text(encoding="utf-8"))
        driver = engines.ENGINES[args.engine]()
        try:
            driver.resize(table["width"], table["height"])
            driver.open(args.page.resolve().as_uri(), READY)
            driver.evaluate(TWO_FRAMES)
            driver.screenshot(args.output)
        finally:
            driver.close()
    print(f"Saved {args.output}")


if __name__ == "__main__":
    main()
