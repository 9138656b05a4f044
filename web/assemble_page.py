# SPDX-License-Identifier: MIT
"""Puts the page together as one self-contained file: the template with its
style, the page script and the WebAssembly module (already inlined in the
module's script) as one inline script, the program's icon as a data: URL,
and a content policy that lets in that one script and that one style by
their hashes and nothing from anywhere else."""

import argparse
import base64
import hashlib
import pathlib


def source_hash(text):
    digest = hashlib.sha256(text.encode("utf-8")).digest()
    return "'sha256-" + base64.b64encode(digest).decode("ascii") + "'"


def content_policy(script, style):
    return "; ".join([
        "default-src 'none'",
        "script-src " + source_hash(script) + " 'wasm-unsafe-eval'",
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
    parser.add_argument("--page-script", required=True, type=pathlib.Path)
    parser.add_argument("--module-script", required=True, type=pathlib.Path)
    parser.add_argument("--icon", required=True, type=pathlib.Path)
    parser.add_argument("--output", required=True, type=pathlib.Path)
    args = parser.parse_args()

    style = args.style.read_text(encoding="utf-8")
    script = (args.page_script.read_text(encoding="utf-8") + "\n" +
              args.module_script.read_text(encoding="utf-8"))
    if "</script" in script.lower() or "</style" in style.lower():
        raise SystemExit("an inline script or style would end its element early")
    icon = "data:image/png;base64," + base64.b64encode(args.icon.read_bytes()).decode("ascii")

    page = args.template.read_text(encoding="utf-8")
    for placeholder, value in [
        ("@CONTENT_SECURITY_POLICY@", content_policy(script, style)),
        ("@ICON_DATA_URL@", icon),
        ("@STYLE@", style),
        ("@SCRIPT@", script),
    ]:
        if page.count(placeholder) != 1:
            raise SystemExit(f"the template needs {placeholder} exactly once")
        page = page.replace(placeholder, value)
    args.output.write_text(page, encoding="utf-8")


if __name__ == "__main__":
    main()
