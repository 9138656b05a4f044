# SPDX-License-Identifier: MIT
"""Figures of the web page, measured side by side in one headless chromium:
its size and gzip size; the time from navigation to the filled lists and to
the first paint against a static page with the same controls and no script,
and against that static page padded to the page's size (all from disk, the
runs interleaved, medians); the time until the buttons work; and, with --tests, the wall time of the page's test run
(ctest --preset web).

    /usr/bin/python3 bench/web/page_figures.py --page build/web/web/language-ranking.html
"""

import argparse
import gzip
import pathlib
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "web" / "tests"))
import devtools  # noqa: E402

FILLED = "performance.getEntriesByName('lists-filled').length > 0"
TIMES = """(() => {
  const paint = performance.getEntriesByName('first-contentful-paint')[0];
  return [performance.getEntriesByName('lists-filled')[0].startTime,
          paint ? paint.startTime : null];
})()"""
# The page marks when its module is up and the buttons work.
READY = "performance.getEntriesByName('exercise-ready').length > 0"
READY_TIME = "performance.getEntriesByName('exercise-ready')[0].startTime"


def static_copy(browser, page, folder):
    """The page as it stands once filled, its script taken out: the same
    controls, styles and icon as markup, and one line that marks the end."""
    browser.navigate(page.as_uri(), FILLED)
    markup = browser.evaluate(
        "(() => { const d = document.documentElement.cloneNode(true);"
        " d.querySelectorAll('script, meta[http-equiv]').forEach(e => e.remove());"
        " return d.outerHTML; })()")
    markup = markup.replace(
        "</body>", "<script>performance.mark('lists-filled')</script></body>")
    copy = pathlib.Path(folder, "static.html")
    copy.write_text("<!DOCTYPE html>" + markup, encoding="utf-8")
    return copy


def padded_copy(static, size, folder):
    """The static copy made as long as the page by a comment where the page has
    its script, after the mark: what the page costs beyond its bytes shows."""
    text = static.read_text(encoding="utf-8")
    filler = size - len(text.encode("utf-8")) - len("<!---->")
    padded = text.replace("</body>", "<!--" + "x" * max(filler, 0) + "--></body>")
    copy = pathlib.Path(folder, "padded.html")
    copy.write_text(padded, encoding="utf-8")
    return copy


def load_times(browser, page, runs):
    filled, painted, ready = {}, {}, []
    for name, path in page.items():
        filled[name], painted[name] = [], []
    for _ in range(runs):
        for name, path in page.items():
            browser.send("Page.navigate", url="about:blank")
            browser.wait_for("document.readyState == 'complete'")
            browser.navigate(path.as_uri(), FILLED)
            browser.wait_for("performance.getEntriesByName('first-contentful-paint').length > 0")
            fill, paint = browser.evaluate(TIMES)
            filled[name].append(fill)
            painted[name].append(paint)
            if name == "web":
                browser.wait_for(READY)
                ready.append(browser.evaluate(READY_TIME))
    return filled, painted, ready


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--page", required=True, type=pathlib.Path)
    parser.add_argument("--runs", type=int, default=21)
    parser.add_argument("--tests", action="store_true", help="also time ctest --preset web")
    args = parser.parse_args()
    page = args.page.resolve()

    data = page.read_bytes()
    print(f"file size: {len(data) / 1024:.1f} KiB ({len(data)} bytes), target <= 60 KB")
    packed = len(gzip.compress(data, 9))
    print(f"gzip -9:   {packed / 1024:.1f} KiB ({packed} bytes), target <= 25 KB")

    with tempfile.TemporaryDirectory() as folder:
        browser = devtools.Browser(461, 345)
        try:
            static = static_copy(browser, page, folder)
            pages = {"web": page, "static": static,
                     "padded": padded_copy(static, len(data), folder)}
            filled, painted, ready = load_times(browser, pages, args.runs)
        finally:
            browser.close()

    for label, times in (("navigation to filled lists", filled),
                         ("navigation to first paint", painted)):
        web, static, padded = (statistics.median(times[name])
                               for name in ("web", "static", "padded"))
        print(f"{label}: page {web:.1f} ms, static copy {static:.1f} ms, padded copy "
              f"{padded:.1f} ms (medians of {args.runs}); ratio to the padded copy "
              f"{web / padded:.2f} (target <= 1.10), to the static copy {web / static:.2f}"
              f" (target <= 1.15)")
    print(f"navigation to working buttons: page {statistics.median(ready):.1f} ms (median)")

    if args.tests:
        start = time.monotonic()
        subprocess.run(["ctest", "--preset", "web"], cwd=ROOT, check=True,
                       stdout=subprocess.DEVNULL)
        print(f"test run (ctest --preset web): {time.monotonic() - start:.1f} s wall time")


if __name__ == "__main__":
    main()
