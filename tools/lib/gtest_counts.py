#!/usr/bin/env python3
"""Prints 'PASSED FAILED' from a GoogleTest JSON report; a missing report counts one failure."""
import json
import sys

try:
    with open(sys.argv[1], encoding="utf-8", errors="replace") as f:
        report = json.load(f)
    total, failed = report.get("tests", 0), report.get("failures", 0) + report.get("errors", 0)
    print(total - failed, failed)
except (OSError, ValueError):
    print(0, 1)
