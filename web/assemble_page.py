# SPDX-License-Identifier: MIT
"""Puts the page together as one self-contained file: the template with the
title, the window's markup and the desktop style that the page generator
writes from the form description, the page's own style, the page's scripts and
the WebAssembly module (already inlined in the module's script) as one
inline script, the program's icon as a data: URL, and a content policy that
lets in those scripts and that one style by their hashes and nothing from
anywhere else. Also writes the generator's form table for the tests."""

import argparse
import base64
import hashlib
import pathlib
import subprocess


def source_hash(text):
    digest = hashlib.sha256(text.encode("utf-8")).digest()
    return "'sha256-" + base64.b64encode(digest).decode("ascii") + "'"


# Marks the moment the lists are in the document, for bench/web/page_figures.py.
MARK_SCRIPT = "performance.mark('lists-filled')"


def content_policy(scripts, style):
    return "; ".join([
        "default-src 'none'",
        "script-src " + " ".join(map(source_hash, scripts)) + " 'wasm-unsafe-eval'",
        "style-src " + source_hash(style),
        "img-src data:",
        "connect-src 'none'",
        "base-uri 'none'",
        "form-action 'none'",
    ])


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--template", required=True, type=pathlib.Path)
    parser.add_argument("--style", required=True, type=pathlib.Path)
    # The page's script units, in the order they run.
    parser.add_argument("--page-script", required=True, type=pathlib.Path, nargs="+")
    parser.add_argument("--module-script", required=True, type=pathlib.Path)
    parser.add_argument("--icon", required=True, type=pathlib.Path)
    parser.add_argument("--generator", required=True, nargs=2, metavar=("NODE", "SCRIPT"))
    parser.add_argument("--minifier", nargs="+", metavar="COMMAND",
                        help="a command that prints the page script, named by {} among"
                             " its arguments, without its comments and spaces")
    parser.add_argument("--output", required=True, type=pathlib.Path)
    parser.add_argument("--table", required=True, type=pathlib.Path)
    args = parser.parse_args()

    def generated(what):
        return subprocess.run(args.generator + [what], check=True, capture_output=True,
                              encoding="utf-8").stdout.strip()

    style = generated("style") + "\n" + args.style.read_text(encoding="utf-8")
    # Each of the page's script units, minified where the build has a minifier.
    def script_unit(unit):
        if not args.minifier:
            return unit.read_text(encoding="utf-8")
        return subprocess.run([str(unit) if each == "{}" else each for each in args.minifier],
                              check=True, capture_output=True, encoding="utf-8").stdout

    # The module's runtime runs only when the page calls startModule(Module),
    # after checking that this browser can run it.
    script = ("\n".join(script_unit(unit) for unit in args.page_script) +
              "\nfunction startModule(Module) {\n" +
              args.module_script.read_text(encoding="utf-8") + "\n}\n")
    if "</script" in script.lower() or "</style" in style.lower():
        raise SystemExit("an inline script or style would end its element early")
    icon = "data:image/png;base64," + base64.b64encode(args.icon.read_bytes()).decode("ascii")

    page = args.template.read_text(encoding="utf-8")
    for placeholder, value in [
        ("@CONTENT_SECURITY_POLICY@", content_policy([MARK_SCRIPT, script], style)),
        ("@TITLE@", generated("title")),
        ("@ICON_DATA_URL@", icon),
        ("@STYLE@", style),
        ("@MARKUP@", generated("markup")),
        ("@MARK_SCRIPT@", MARK_SCRIPT),
        ("@SCRIPT@", script),
    ]:
        if page.count(placeholder) != 1:
            raise SystemExit(f"the template needs {placeholder} exactly once")
        page = page.replace(placeholder, value)
    args.output.write_text(page, encoding="utf-8")
    args.table.write_text(generated("table") + "\n", encoding="utf-8")


if __name__ == "__main__":
    main()
