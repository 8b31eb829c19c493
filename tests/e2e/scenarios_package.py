"""The release zip of tools/package, unpacked to a fresh folder and used as a
Windows user would: with its own sample settings and manual."""
import hashlib
import os
import shutil
import subprocess
import sys
import zipfile

from harness import BUILD, ROOT, SANDBOXES, Sandbox, check, windows_path

sys.path.insert(0, os.path.join(ROOT, "tools", "lib"))
import package  # noqa: E402

ZIP = os.path.join(ROOT, "dist", "Qivora-%s-win64.zip" % package.version())
SOURCES = [os.path.join(BUILD, "Qivora.exe"), os.path.join(ROOT, "examples", "Qivora.ini"),
           os.path.join(ROOT, "docs", "Qivora.txt"), os.path.join(ROOT, "docs", "readme_windows.txt")]
NOTES = os.path.join(ROOT, "examples", "notes")


def release_zip():
    """The win64 zip, made again when it is missing or older than what it holds."""
    if not os.path.exists(ZIP) or os.path.getmtime(ZIP) < max(os.path.getmtime(p) for p in SOURCES):
        result = subprocess.run([os.path.join(ROOT, "tools", "package")], capture_output=True, text=True,
                                timeout=600)
        check(result.returncode == 0, "tools/package failed: %s" % result.stderr[-2000:])
    return ZIP


class Unpacked(Sandbox):
    """The release unpacked into a fresh folder, with the recorder beside it."""

    def __init__(self, name):
        self.path = os.path.join(SANDBOXES, name)
        shutil.rmtree(self.path, ignore_errors=True)
        os.makedirs(self.path)
        self.exe = "Qivora.exe"
        with zipfile.ZipFile(release_zip()) as archive:
            archive.extractall(self.path)
        shutil.copy(os.path.join(BUILD, "recorder.exe"), os.path.join(self.path, "recorder.exe"))

    def read(self, name):
        with open(os.path.join(self.path, name), "rb") as f:
            return f.read()

    def add_to_system_section(self, line):
        """A copy of the sample settings with one more [system] line before its end."""
        settings = self.read("Qivora.ini")
        check(b"\r\n%end" in settings, "the sample settings have no %end")
        with open(os.path.join(self.path, "Qivora.ini"), "wb") as f:
            f.write(settings.replace(b"\r\n%end", b"\r\n" + line + b"\r\n%end", 1))


def test_the_zip_holds_the_program_the_sample_settings_the_manual_and_a_readme():
    path = release_zip()
    with zipfile.ZipFile(path) as archive:
        names = sorted(archive.namelist())
        check(names == ["Qivora.exe", "Qivora.ini", "Qivora.txt", "README.txt"], "zip holds %s" % names)
        for name, source in (("Qivora.ini", "examples/Qivora.ini"), ("Qivora.txt", "docs/Qivora.txt")):
            with open(os.path.join(ROOT, source), "rb") as f:
                check(archive.read(name) == f.read(), "%s is not %s" % (name, source))
        readme = archive.read("README.txt")
        check(readme.replace(b"\r\n", b"").count(b"\n") == 0 and b"\r\n" in readme, "README.txt is not CR LF")
        readme.decode("cp932")  # raises on anything else
        check(archive.read("Qivora.exe")[:2] == b"MZ", "Qivora.exe is not a program")
    sums = open(os.path.join(ROOT, "dist", "SHA256SUMS")).read()
    digest = hashlib.sha256(open(path, "rb").read()).hexdigest()
    check("%s  %s\n" % (digest, os.path.basename(path)) in sums, "SHA256SUMS does not match the zip")


def test_the_manual_beside_qivora_txt_is_made_from_its_source():
    result = subprocess.run([sys.executable, os.path.join(ROOT, "tools", "make_manual.py"), "--check"],
                            capture_output=True, text=True)
    check(result.returncode == 0, result.stdout.strip())


def test_started_with_a_folder_the_version_submenu_opens_the_manual():
    box = Unpacked("package unpacked")  # a folder with a blank: the manual's path is quoted
    box.add_to_system_section(b"@editor=recorder")
    run = box.start('"%s"' % windows_path(NOTES))
    run.keys(run.wait_menu(), "0", "h")  # "&0 Ver.1.06", then "&H 説明書"
    run.wait()
    check(run.exit_code == "0", "exit code %s" % run.exit_code)
    entries = box.wait_recorded()
    expected = box.recorder_command('"%s"' % box.win("Qivora.txt"))
    check(entries[0][b"cmdline"] == expected, "recorder saw %r, expected %r" % (entries[0][b"cmdline"], expected))
    check(box.read("Qivora.txt").startswith("Qivora 1.06 説明書".encode("cp932")), "the manual is not there")


def test_started_with_a_file_the_sample_clip_launcher_copies_its_lines():
    box = Unpacked("package_file")
    run = box.start('"%s"' % windows_path(os.path.join(NOTES, "todo.txt")), clip="before")
    # The launcher item carries the first entry's label ("&S ..."); in its submenu "&C" copies the page.
    run.keys(run.wait_menu(), "s", "c")
    run.wait()
    check(run.exit_code == "0", "exit code %s" % run.exit_code)
    with open(os.path.join(NOTES, "todo.txt"), "rb") as f:
        lines = f.read()  # CR LF ends and a last empty line: the copy gives the same bytes
    check(run.clipboard == lines, "clipboard %r" % run.clipboard)
    check(sorted(n for n in os.listdir(box.path) if not n.startswith("request-")) ==
          ["Qivora.exe", "Qivora.ini", "Qivora.txt", "README.txt", "recorder.exe"], "files were written")
