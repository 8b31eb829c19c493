#!/usr/bin/env python3
"""Runs the end-to-end scenarios: run.py [--build win64|win32]... [NAME-PATTERN]. Each build given (by
default win64) runs every scenario and gets a line 'BUILD: N passed, M failed'; the last is the total."""
import argparse
import os
import re
import subprocess
import time
import traceback

import harness
import scenarios


def run_all(build, pattern):
    harness.use_build(build)
    passed = failed = 0
    for name in sorted(name for name in vars(scenarios) if name.startswith("test_") and re.search(pattern, name)):
        started = time.time()
        try:
            getattr(scenarios, name)()
            passed += 1
            print("PASS %s %s (%.1fs)" % (build, name[5:], time.time() - started), flush=True)
        except Exception as error:  # a scenario's failure must not stop the others
            failed += 1
            detail = error if isinstance(error, AssertionError) else traceback.format_exc()
            print("FAIL %s %s: %s" % (build, name[5:], detail), flush=True)
        # What a failed scenario left running.
        subprocess.run(["wine", "taskkill", "/f", "/im", "Qivora.exe", "/im", "memo.exe", "/im", "notepad.exe"],
                       capture_output=True)
    print("%s: %d passed, %d failed" % (build, passed, failed), flush=True)
    return passed, failed


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", action="append", choices=["win64", "win32"])
    parser.add_argument("pattern", nargs="?", default=".")
    arguments = parser.parse_args()
    builds = arguments.build or ["win64"]
    # The runner without a request keeps Wine's system processes up between the runs, which would otherwise
    # start again each time; one for all the builds, since a 32-bit program shares the prefix's processes.
    keepalive = subprocess.Popen(["wine", os.path.join(harness.ROOT, "build", builds[0], "runner.exe")],
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        results = [run_all(build, arguments.pattern) for build in builds]
    finally:
        keepalive.kill()
    failed = sum(failed for _, failed in results)
    print("%d passed, %d failed" % (sum(passed for passed, _ in results), failed))
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    raise SystemExit(main())
