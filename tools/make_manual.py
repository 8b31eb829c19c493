#!/usr/bin/env python3
"""Writes the manual Qivora.txt (cp932, CR LF) from its UTF-8 source.

    tools/make_manual.py          rewrite docs/Qivora.txt
    tools/make_manual.py --check  exit 1 when docs/Qivora.txt is out of date
"""
import os
import sys

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
sys.path.insert(0, os.path.join(ROOT, "tools", "lib"))
import windows_text  # noqa: E402

SOURCE = os.path.join(ROOT, "docs", "manual.txt")
MANUAL = os.path.join(ROOT, "docs", "Qivora.txt")


def main():
    data = windows_text.convert(SOURCE)
    if "--check" in sys.argv[1:]:
        with open(MANUAL, "rb") as f:
            current = f.read()
        if current != data:
            print("docs/Qivora.txt is out of date: run tools/make_manual.py")
            return 1
        return 0
    with open(MANUAL, "wb") as f:
        f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
