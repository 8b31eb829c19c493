#!/usr/bin/env python3
"""Runs the end-to-end scenarios and ends with 'N passed, M failed'.

    run.py [--build win64|win32]... [NAME-PATTERN]

Each build given (by default win64) runs every scenario and gets its own line
'BUILD: N passed, M failed' before the total.
"""
import argparse
import importlib
import os
import re
import subprocess
import sys
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
MODULES = sorted(f[len("scenarios_"):-3] for f in os.listdir(HERE) if f.startswith("scenarios_") and f.endswith(".py"))


def scenarios():
    for name in MODULES:
        module = importlib.import_module("scenarios_" + name)
        for attribute in sorted(vars(module)):
            if attribute.startswith("test_"):
                yield "%s.%s" % (name, attribute[5:]), getattr(module, attribute)


def run_all(pattern):
    passed = failed = 0
    for name, scenario in scenarios():
        if not pattern.search(name):
            continue
        started = time.time()
        try:
            scenario()
            passed += 1
            print("PASS %s %s (%.1fs)" % (harness.ARCH, name, time.time() - started), flush=True)
        except Exception as error:  # a scenario's failure must not stop the others
            failed += 1
            detail = str(error) if isinstance(error, harness.Failure) else traceback.format_exc()
            print("FAIL %s %s: %s" % (harness.ARCH, name, detail), flush=True)
        subprocess.run(["wine", "taskkill", "/f", "/im", "Qivora.exe"], capture_output=True)
    return passed, failed


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", action="append", choices=["win64", "win32"])
    parser.add_argument("pattern", nargs="?", default=".")
    arguments = parser.parse_args()
    builds = arguments.build or ["win64"]
    # Keeps Wine's system processes up between the runs, which would otherwise start again each time;
    # one for all the builds, since a 32-bit program shares the 64-bit prefix's processes.
    harness.use_build(builds[0])
    keepalive = subprocess.Popen(["wine", os.path.join(harness.BUILD, "keepalive.exe")],
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    results = []
    try:
        for build in builds:
            harness.use_build(build)
            results.append((build, run_all(re.compile(arguments.pattern))))
    finally:
        keepalive.kill()
    for build, (passed, failed) in results:
        print("%s: %d passed, %d failed" % (build, passed, failed))
    passed = sum(counts[0] for _, counts in results)
    failed = sum(counts[1] for _, counts in results)
    print("%d passed, %d failed" % (passed, failed))
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
