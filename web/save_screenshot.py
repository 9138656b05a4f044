# SPDX-License-Identifier: MIT
"""Saves a PNG of the page as headless chromium draws it at the window's size."""

import argparse
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent / "tests"))
import devtools  # noqa: E402


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--page", required=True, type=pathlib.Path)
    parser.add_argument("--output", required=True, type=pathlib.Path)
    args = parser.parse_args()
    browser = devtools.Browser(461, 345)
    try:
        browser.navigate(args.page.resolve().as_uri(),
                         "typeof Module == 'object' && !!Module.exercisePage")
        size = browser.evaluate(
            "(() => { const r = document.getElementById('window').getBoundingClientRect();"
            " return [r.width, r.height]; })()")
        browser.send("Emulation.setDeviceMetricsOverride", width=size[0], height=size[1],
                     deviceScaleFactor=1, mobile=False)
        browser.evaluate("new Promise(done => requestAnimationFrame(() => "
                         "requestAnimationFrame(done)))")
        browser.screenshot(args.output)
    finally:
        browser.close()
    print(f"Saved {args.output}")


if __name__ == "__main__":
    main()
