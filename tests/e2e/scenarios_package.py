"""The release zip of tools/package, unpacked into a folder with a blank and used
as a Windows user would: with its own sample settings and manual."""
import hashlib
import os
import subprocess
import sys
import zipfile

import harness
from harness import ROOT, Sandbox, check, windows_path

sys.path.insert(0, os.path.join(ROOT, "tools", "lib"))
import package  # noqa: E402

NOTES = os.path.join(ROOT, "examples", "notes")


def read(path):
    with open(os.path.join(ROOT, path), "rb") as f:
        return f.read()


def sources():
    return {"Qivora.ini": "examples/Qivora.ini", "Qivora.txt": "docs/Qivora.txt",
            "README.txt": "docs/readme_windows.txt", "Qivora.exe": os.path.join(harness.BUILD, "Qivora.exe")}


def release_zip():
    """The zip of the build under test, made again when it is missing or older than what it holds."""
    path = os.path.join(ROOT, "dist", "Qivora-%s-%s.zip" % (package.version(), harness.ARCH))
    files = sources()
    newest = max(os.path.getmtime(os.path.join(ROOT, p)) for p in files.values())
    if not os.path.exists(path) or os.path.getmtime(path) < newest:
        result = subprocess.run([os.path.join(ROOT, "tools", "package")], capture_output=True, text=True)
        check(result.returncode == 0, "tools/package failed: %s" % result.stderr[-2000:])
    with zipfile.ZipFile(path) as archive:
        check(sorted(archive.namelist()) == sorted(files), "zip holds %s" % archive.namelist())
        for name in ("Qivora.ini", "Qivora.txt"):
            check(archive.read(name) == read(files[name]), "%s is not %s" % (name, files[name]))
        readme = archive.read("README.txt")
        check(readme.count(b"\n") == readme.count(b"\r\n") > 0, "README.txt is not CR LF")
        readme.decode("cp932")  # raises on anything else
        check(archive.read("Qivora.exe")[:2] == b"MZ", "Qivora.exe is not a program")
    digest = hashlib.sha256(read(path)).hexdigest()
    check("%s  %s\n" % (digest, os.path.basename(path)) in read("dist/SHA256SUMS").decode(), "SHA256SUMS differs")
    made = subprocess.run([sys.executable, os.path.join(ROOT, "tools", "make_manual.py"), "--check"],
                          capture_output=True, text=True)
    check(made.returncode == 0, "the manual is not made from its source: " + made.stdout.strip())
    return path


def test_the_release_zip_unpacked_copies_with_its_sample_launcher_and_opens_its_manual():
    box = Sandbox("package unpacked", unpack=lambda path: zipfile.ZipFile(release_zip()).extractall(path))
    run = box.start('"%s"' % windows_path(os.path.join(NOTES, "todo.txt")), clip="before")
    # The launcher item carries the first entry's label ("&S ..."); in its submenu "&C" copies the page.
    run.keys(run.wait_window(), "s", "c")
    run.wait()
    check(run.clipboard == read("examples/notes/todo.txt"), "clipboard %r" % run.clipboard)  # CR LF ends kept
    check(box.listing() == sorted(sources()) + ["recorder.exe"], "files were written: %s" % box.listing())

    with open(os.path.join(box.path, "Qivora.ini"), "r+b") as f:
        settings = f.read().replace(b"\r\n%end", b"\r\n@editor=recorder\r\n%end", 1)
        f.seek(0)
        f.write(settings)
    run = box.start('"%s"' % windows_path(NOTES))
    run.keys(run.wait_window(), "0", "h")  # "&0 Ver.1.06", then "&H 説明書"
    run.wait()
    entry = box.wait_recorded()[0]
    check(entry[b"cmdline"] == box.recorder_command('"%s"' % box.win("Qivora.txt")), "recorder saw %r" % entry)
