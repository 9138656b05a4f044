# SPDX-License-Identifier: MIT
"""Saves a PNG of the page as headless chromium draws it: at the window's size,
or with --phone in a 360 x 640 phone's view (touch, mobile viewport)."""

import argparse
import json
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent / "tests"))
import devtools  # noqa: E402


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--page", required=True, type=pathlib.Path)
    parser.add_argument("--output", required=True, type=pathlib.Path)
    parser.add_argument("--phone", action="store_true")
    args = parser.parse_args()
    table = json.loads(args.page.with_name("form-table.json").read_text(encoding="utf-8"))
    width, height = (360, 640) if args.phone else (table["width"], table["height"])
    browser = devtools.Browser(width, height)
    try:
        browser.send("Emulation.setDeviceMetricsOverride", width=width, height=height,
                     deviceScaleFactor=1, mobile=args.phone)
        browser.send("Emulation.setTouchEmulationEnabled", enabled=args.phone)
        browser.navigate(args.page.resolve().as_uri(),
                         "typeof Module == 'object' && !!Module.exercisePage")
        browser.evaluate("new Promise(done => requestAnimationFrame(() => "
                         "requestAnimationFrame(done)))")
        browser.screenshot(args.output)
    finally:
        browser.close()
    print(f"Saved {args.output}")


if __name__ == "__main__":
    main()
