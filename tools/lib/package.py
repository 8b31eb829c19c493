#!/usr/bin/env python3
"""Writes dist/Qivora-<version>-win64.zip and -win32.zip and dist/SHA256SUMS
from the built programs, the sample settings, the manual and a short readme."""
import hashlib
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import zipfile

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import windows_text  # noqa: E402

DIST = os.path.join(ROOT, "dist")
STRIP = {"win64": "x86_64-w64-mingw32-strip", "win32": "i686-w64-mingw32-strip"}


def version():
    with open(os.path.join(ROOT, "CMakeLists.txt")) as f:
        return re.search(r"project\(Qivora VERSION ([0-9.]+)", f.read()).group(1)


def timestamp():
    """The zip entries' date: SOURCE_DATE_EPOCH, else the last commit, so a rebuild gives the same zip."""
    stamp = os.environ.get("SOURCE_DATE_EPOCH")
    if not stamp:
        result = subprocess.run(["git", "-C", ROOT, "log", "-1", "--format=%ct"], capture_output=True, text=True)
        stamp = result.stdout.strip() if result.returncode == 0 else ""
    seconds = int(stamp) if stamp else int(time.time())
    return time.gmtime(max(seconds, 315532800))[:6]  # zip dates start in 1980


def program(arch, folder):
    """The built Qivora.exe, without its symbol table when the strip tool is there."""
    built = os.path.join(ROOT, "build", arch, "Qivora.exe")
    if not os.path.exists(built):
        sys.exit("missing %s: build the %s preset first" % (built, arch))
    copy = os.path.join(folder, "Qivora-%s.exe" % arch)
    shutil.copy(built, copy)
    if shutil.which(STRIP[arch]):
        subprocess.run([STRIP[arch], copy], check=True)
    with open(copy, "rb") as f:
        return f.read()


def write_zip(path, files, date):
    partial = path + ".partial"
    with zipfile.ZipFile(partial, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for name, data in files:
            entry = zipfile.ZipInfo(name, date_time=date)
            entry.compress_type = zipfile.ZIP_DEFLATED
            entry.external_attr = 0o644 << 16
            archive.writestr(entry, data)
    os.replace(partial, path)


def main():
    release = version()
    date = timestamp()
    shared = [
        ("Qivora.ini", open(os.path.join(ROOT, "examples", "Qivora.ini"), "rb").read()),
        ("Qivora.txt", open(os.path.join(ROOT, "docs", "Qivora.txt"), "rb").read()),
        ("README.txt", windows_text.convert(os.path.join(ROOT, "docs", "readme_windows.txt"))),
    ]
    os.makedirs(DIST, exist_ok=True)
    sums = []
    with tempfile.TemporaryDirectory() as folder:
        for arch in ("win64", "win32"):
            name = "Qivora-%s-%s.zip" % (release, arch)
            path = os.path.join(DIST, name)
            write_zip(path, [("Qivora.exe", program(arch, folder))] + shared, date)
            with open(path, "rb") as f:
                sums.append("%s  %s\n" % (hashlib.sha256(f.read()).hexdigest(), name))
            print(os.path.relpath(path, ROOT))
    with open(os.path.join(DIST, "SHA256SUMS"), "w") as f:
        f.writelines(sums)
    print("dist/SHA256SUMS")


if __name__ == "__main__":
    main()
