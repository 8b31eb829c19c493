"""Drives the real Qivora.exe under Wine on a virtual X display.

Each scenario gets a sandbox folder holding copies of Qivora.exe and the
recorder program, its settings file and text files. Qivora is started through
runner.exe, which passes an exact Windows command line, presets and reads back
the clipboard (CF_TEXT bytes), and reports the exit code.
"""
import os
import re
import shutil
import subprocess
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
BUILD = os.path.join(ROOT, "build", "win64")
SANDBOXES = os.path.join(ROOT, "build", "e2e")
REQUESTS = os.path.join(SANDBOXES, "requests")


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


def cp932(text):
    return text.encode("cp932") if isinstance(text, str) else text


def x(*args, check_ok=False):
    result = subprocess.run(["xdotool", *args], capture_output=True, text=True)
    if check_ok and result.returncode != 0:
        raise Failure("xdotool %s failed: %s" % (" ".join(args), result.stderr.strip()))
    return result.stdout


def visible_windows():
    return set(x("search", "--onlyvisible", "--name", ".*").split())


def window_name(window):
    return x("getwindowname", window).strip()


def poll(predicate, timeout=15.0, interval=0.1):
    deadline = time.time() + timeout
    while time.time() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(interval)
    return None


class Run:
    """One start of Qivora through the runner."""

    def __init__(self, sandbox, arguments, clip, exe):
        self.sandbox = sandbox
        # Requests stay out of the sandbox, where a folder listing would see them.
        os.makedirs(REQUESTS, exist_ok=True)
        self.request = os.path.join(REQUESTS, "%s-%d.req" % (os.path.basename(sandbox.path), time.time_ns()))
        command = b'"' + cp932(windows_path(os.path.join(sandbox.path, exe))) + b'"'
        if arguments:
            command += b" " + cp932(arguments)
        lines = [b"cmd=" + command, b"cwd=" + cp932(windows_path(sandbox.path)), b"timeout=20000"]
        if clip is not None:
            lines.append(b"clip=" + cp932(clip).hex().encode())
        with open(self.request, "wb") as f:
            f.write(b"\n".join(lines) + b"\n")
        self.before = visible_windows()
        self.process = subprocess.Popen(
            ["wine", os.path.join(BUILD, "runner.exe"), windows_path(self.request)],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.exit_code = None
        self.clipboard = None

    def new_windows(self):
        return visible_windows() - self.before

    def wait_window(self, timeout=15.0, name=None):
        """The first new visible window (optionally with a name matching the pattern)."""
        def found():
            for window in self.new_windows():
                if name is None or re.search(name, window_name(window)):
                    return window
            return None
        window = poll(found, timeout)
        check(window, "no window appeared" + (" named %s" % name if name else ""))
        if name:
            time.sleep(0.5)  # the runner notes window texts every 50 ms, slower under load
        return window

    def wait_menu(self, timeout=15.0):
        """The popup menu: a new visible window without a title."""
        window = self.wait_window(timeout)
        time.sleep(0.3)  # let the menu take the keyboard and highlight its first item
        return window

    def keys(self, window, *keys, delay=0.15):
        x("windowfocus", window)
        for key in keys:
            x("key", "--clearmodifiers", key)
            time.sleep(delay)

    def wait(self, timeout=25.0):
        out = self.request + ".out"
        check(poll(lambda: os.path.exists(out), timeout), "Qivora did not end")
        self.process.wait(timeout=10)
        lines = open(out).read().splitlines()
        fields = dict(line.split("=", 1) for line in lines if "=" in line)
        self.texts = [bytes.fromhex(line[5:]).decode("cp932", "replace") for line in lines if line.startswith("text=")]
        self.exit_code = fields.get("exit")
        clip = fields.get("clip", "none")
        self.clipboard = None if clip == "none" else bytes.fromhex(clip)
        return self


class Sandbox:
    """A folder with copies of the program and the recorder."""

    def __init__(self, name, exe_name="Qivora.exe"):
        self.path = os.path.join(SANDBOXES, name)
        shutil.rmtree(self.path, ignore_errors=True)
        os.makedirs(self.path)
        self.exe = exe_name
        shutil.copy(os.path.join(BUILD, "Qivora.exe"), os.path.join(self.path, exe_name))
        shutil.copy(os.path.join(BUILD, "recorder.exe"), os.path.join(self.path, "recorder.exe"))

    def file(self, relative, content=b""):
        path = os.path.join(self.path, relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(cp932(content))
        return path

    def win(self, relative=""):
        return windows_path(os.path.join(self.path, relative))

    def settings(self, text, name="Qivora.ini"):
        return self.file(name, text.replace("\n", "\r\n"))

    def start(self, arguments="", clip=None):
        return Run(self, arguments, clip, self.exe)

    def listing(self):
        return sorted(os.listdir(self.path))

    def recorded(self):
        """What the recorder saw, one dict per start: cmdline and cwd as bytes."""
        log = os.path.join(self.path, "recorder.exe.log")
        if not os.path.exists(log):
            return []
        entries = []
        for block in open(log, "rb").read().split(b"--\n"):
            fields = dict(line.split(b"=", 1) for line in block.splitlines() if b"=" in line)
            if fields:
                entries.append(fields)
        return entries

    def wait_recorded(self, count=1, timeout=10.0):
        entries = poll(lambda: len(self.recorded()) >= count and self.recorded(), timeout)
        check(entries, "the recorder was not started")
        return entries

    def recorder_command(self, arguments):
        """The command line the recorder gets when Qivora runs it with these arguments."""
        return b'"' + cp932(self.win("recorder.exe")) + b'" ' + cp932(arguments)


def screenshot(path):
    subprocess.run(["import", "-window", "root", path], capture_output=True)


def lines_text(lines, final_line_end=True):
    """A text file's bytes: cp932 lines joined by CR LF."""
    text = b"\r\n".join(cp932(line) for line in lines)
    return text + (b"\r\n" if final_line_end else b"")


def exec_section(*entries):
    """An [exec] section: each entry is a target line, optionally with a parameter line."""
    lines = ["[exec]"]
    for entry in entries:
        if isinstance(entry, tuple):
            lines.extend([entry[0], ">" + entry[1]])
        else:
            lines.append(entry)
    return "\n".join(lines + ["%end", ""])


def arguments_of(entry, box):
    """What follows the recorder's own quoted path on its command line."""
    prefix = b'"' + cp932(box.win("recorder.exe")) + b'"'
    command = entry[b"cmdline"]
    check(command.startswith(prefix), "not the recorder: %r" % command)
    return command[len(prefix):].lstrip(b" ")
