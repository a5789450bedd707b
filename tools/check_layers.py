#!/usr/bin/env python3
"""Checks that the folders of src/ use only the layers below them.

Each folder may include its own headers and those of the folders listed for it. The rules
(palette, names, colour) also never name a QtWidgets header; the build keeps Widgets off their
include path, and this catches the spelled-out <QtWidgets/...> form the path would still find.
"""

import pathlib
import re
import sys

ALLOWED = {
    "window": {"window", "widgets", "platform", "palette", "names", "colour"},
    "widgets": {"widgets", "names", "colour"},
    "platform": {"platform"},
    "palette": {"palette", "names", "colour"},
    "names": {"names", "colour"},
    "colour": {"colour"},
}
RULES = {"palette", "names", "colour"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)


def faults(src: pathlib.Path):
    for path in sorted(src.rglob("*")):
        if path.suffix not in {".h", ".cpp"} or path.parent == src:
            continue
        folder = path.relative_to(src).parts[0]
        allowed = ALLOWED.get(folder)
        if allowed is None:
            yield f"{path}: the folder {folder}/ has no place in the layers"
            continue
        for bracket, target in INCLUDE.findall(path.read_text(encoding="utf-8")):
            if bracket == '"' and "/" in target:
                used = target.split("/")[0]
                if used in ALLOWED and used not in allowed:
                    yield f"{path}: {folder}/ may not include {target}"
            elif bracket == "<" and folder in RULES and target.startswith("QtWidgets"):
                yield f"{path}: the rules may not include {target}"


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src")
    found = list(faults(src))
    for fault in found:
        print(fault)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
