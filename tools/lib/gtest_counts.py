#!/usr/bin/env python3
"""Prints 'PASSED FAILED' from a GoogleTest JSON report; a missing report, or one of
no test run (a filter that matched nothing), counts one failure."""
import json
import sys

try:
    with open(sys.argv[1], encoding="utf-8", errors="replace") as f:
        report = json.load(f)
    # Disabled tests are listed too, as not run.
    ran = sum(test.get("status") == "RUN" for suite in report.get("testsuites", []) for test in suite.get("testsuite", []))
    failed = report.get("failures", 0) + report.get("errors", 0)
    print(ran - failed, failed) if ran else print(0, 1)
except (OSError, ValueError):
    print(0, 1)
