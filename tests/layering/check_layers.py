#!/usr/bin/env python3
"""Fails when a source file includes a header from a layer it may not use.

Each folder under src/ is a layer; a file may include headers of the layers listed for its own.
The core and the converter never include Qt.
"""
import re
import sys
from pathlib import Path

FEATURE_BASE = {"core", "platform", "widgets"}
ALLOWED = {
    "core": {"core"},
    "cli": {"core", "cli"},
    "platform": {"core", "platform"},
    "widgets": {"core", "platform", "widgets"},
    "nk2": FEATURE_BASE | {"nk2"},
    "listview": FEATURE_BASE | {"listview"},
    "export": FEATURE_BASE | {"export"},
    "info": FEATURE_BASE | {"info"},
    "app": FEATURE_BASE | {"nk2", "listview", "export", "info", "app"},
    "main.cpp": {"app"},
}
QT_FREE = {"core", "cli"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)


def layer_of(src: Path, path: Path) -> str:
    return path.relative_to(src).parts[0]


def problems(src: Path):
    for path in sorted(src.rglob("*")):
        if path.suffix not in {".h", ".cpp"}:
            continue
        layer = layer_of(src, path)
        allowed = ALLOWED.get(layer)
        if allowed is None:
            yield f"{path}: folder '{layer}' is not a known layer"
            continue
        for kind, header in INCLUDE.findall(path.read_text(encoding="utf-8")):
            if kind == "<":
                if layer in QT_FREE and header.startswith("Q"):
                    yield f"{path}: {layer} must not include Qt ({header})"
                continue
            target = header.split("/")[0] if "/" in header else layer
            if target not in allowed:
                yield f"{path}: {layer} may not include {header}"


def main() -> int:
    src = Path(sys.argv[1]).resolve()
    found = list(problems(src))
    for line in found:
        print(line)
    print(f"{len(found)} layering problem(s)")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
