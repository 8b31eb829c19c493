#!/usr/bin/env python3
"""Runs the end-to-end scenarios and ends with 'N passed, M failed'.

    run.py [NAME-PATTERN]
"""
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


def main():
    pattern = re.compile(sys.argv[1] if len(sys.argv) > 1 else ".")
    # Keeps Wine's system processes up between the runs, which would otherwise start again each time.
    keepalive = subprocess.Popen(["wine", os.path.join(harness.BUILD, "keepalive.exe")],
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    passed = failed = 0
    try:
        for name, scenario in scenarios():
            if not pattern.search(name):
                continue
            started = time.time()
            try:
                scenario()
                passed += 1
                print("PASS %s (%.1fs)" % (name, time.time() - started), flush=True)
            except Exception as error:  # a scenario's failure must not stop the others
                failed += 1
                detail = str(error) if isinstance(error, harness.Failure) else traceback.format_exc()
                print("FAIL %s: %s" % (name, detail), flush=True)
            subprocess.run(["wine", "taskkill", "/f", "/im", "Qivora.exe"], capture_output=True)
    finally:
        keepalive.kill()
    print("%d passed, %d failed" % (passed, failed))
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
