"""Drives the real Qivora.exe under Wine on a virtual X display.

Each scenario gets a sandbox folder holding copies of Qivora.exe and the
recorder program, its settings file and text files. Qivora is started through
runner.exe, which passes an exact Windows command line, presets and reads back
the clipboard (CF_TEXT bytes), notes the window texts shown and reports the
exit code. Nothing sleeps a fixed time: each step waits until it sees its effect.
"""
import contextlib
import ctypes
import os
import re
import shutil
import subprocess
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
ARCH = BUILD = SANDBOXES = REQUESTS = None


def use_build(arch):
    """Points the scenarios at the programs of build/ARCH (win64 or win32), with sandboxes of their own."""
    global ARCH, BUILD, SANDBOXES, REQUESTS
    ARCH = arch
    BUILD = os.path.join(ROOT, "build", arch)
    SANDBOXES = os.path.join(ROOT, "build", "e2e", arch)
    REQUESTS = os.path.join(SANDBOXES, "requests")


use_build("win64")

# The hooks act on these while the menu loop handles them, and nothing is drawn
# (a check mark shows when its item is next drawn); the keys after them queue
# behind them, so there is nothing to wait for.
QUIET_KEYS = {"Insert", "ctrl+Insert", "space"}


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


def cp932(text):
    return text.encode("cp932") if isinstance(text, str) else text


def poll(predicate, timeout=15.0):
    deadline = time.time() + timeout
    while not (value := predicate()) and time.time() < deadline:
        time.sleep(0.05)
    return value


def x(*args):
    return subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True).stdout


def visible_windows():
    return set(x("search", "--onlyvisible", "--name", ".*").split())


def geometry(window):
    values = dict(line.split("=") for line in x("getwindowgeometry", "--shell", window).split())
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


@contextlib.contextmanager
def wine_dword(key, name, value):
    """A DWORD of Wine's registry set for the runs inside, then put back as it was, or removed."""
    def reg(verb, *data):
        return subprocess.run(["wine", "reg", verb, key, "/v", name, *data], capture_output=True).stdout.split()
    old = reg("query")
    try:
        reg("add", "/t", "REG_DWORD", "/d", str(value), "/f")
        yield
    finally:
        reg("add", "/t", "REG_DWORD", "/d", old[-1].decode(), "/f") if name.encode() in old else reg("delete", "/f")


class _XImage(ctypes.Structure):  # the start of Xlib's XImage
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int), ("format", ctypes.c_int),
                ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int),
                ("bytes_per_line", ctypes.c_int)]


# Pixels straight from the X server: ImageMagick's import holds the whole
# server while it reads, and hangs there when the window goes meanwhile.
_x11 = ctypes.CDLL("libX11.so.6")
_x11.XOpenDisplay.restype = ctypes.c_void_p
_x11.XGetGeometry.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_void_p] * 7
_x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint, ctypes.c_uint,
                           ctypes.c_ulong, ctypes.c_int]
_x11.XGetImage.restype = ctypes.POINTER(_XImage)
_ignore = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda display, error: 0)
_x11.XSetErrorHandler(_ignore)  # a window gone is no reason to end
_display = []


def image(window):
    """The window's pixels; empty once it is gone."""
    _display or _display.append(_x11.XOpenDisplay(None))
    numbers = [ctypes.c_ulong(), ctypes.c_int(), ctypes.c_int()] + [ctypes.c_uint() for _ in range(4)]
    if not _x11.XGetGeometry(_display[0], int(window), *map(ctypes.byref, numbers)):
        return b""
    picture = _x11.XGetImage(_display[0], int(window), 0, 0, numbers[3], numbers[4], 0xFFFFFFFF, 2)  # ZPixmap
    if not picture:
        return b""
    pixels = ctypes.string_at(picture.contents.data, picture.contents.bytes_per_line * picture.contents.height)
    _x11.XDestroyImage(picture)
    return pixels


class Run:
    """One start of Qivora through the runner."""

    def __init__(self, sandbox, arguments, clip, env):
        os.makedirs(REQUESTS, exist_ok=True)  # out of the sandbox, where a folder listing would see them
        self.request = os.path.join(REQUESTS, "%s-%d.req" % (os.path.basename(sandbox.path), time.time_ns()))
        command = b'"' + cp932(sandbox.win(sandbox.exe)) + b'"' + (b" " + cp932(arguments) if arguments else b"")
        lines = [b"cmd=" + command, b"cwd=" + cp932(sandbox.win()), b"timeout=20000"]
        if clip is not None:
            lines.append(b"clip=" + cp932(clip).hex().encode())
        with open(self.request, "wb") as f:
            f.write(b"\n".join(lines) + b"\n")
        self.before = visible_windows()
        self.known = set()  # the run's windows seen before its last action
        subprocess.Popen(["wine", os.path.join(BUILD, "runner.exe"), windows_path(self.request)],
                         env=dict(os.environ, **(env or {})), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def new_windows(self):
        return visible_windows() - self.before

    def look(self):
        return [(window, image(window)) for window in sorted(self.new_windows())]

    def wait_window(self, name=None):
        """A window new since the last action (a menu, unless named), once it is drawn."""
        def found():
            for window in self.new_windows() - self.known:
                if (name is None or re.search(name, x("getwindowname", window))) and len(set(image(window))) > 3:
                    return window
        window = poll(found)
        check(window, "no window appeared" + (" named %s" % name if name else ""))
        self.known.add(window)
        return window

    def act(self, *command, quiet=False):
        """An xdotool command, then the wait until the run's windows show its effect."""
        before = self.look()
        self.known.update(window for window, _ in before)
        x(*command)
        check(quiet or poll(lambda: self.look() != before, 10), "nothing changed after %s" % (command,))

    def keys(self, window, *keys):
        x("windowfocus", window)
        for key in keys:
            self.act("key", "--clearmodifiers", key, quiet=key in QUIET_KEYS)

    def texts(self):
        """The window texts it has shown so far."""
        path = self.request + ".texts"
        lines = open(path).read().split() if os.path.exists(path) else []
        return [bytes.fromhex(line[5:]).decode("cp932") for line in lines]

    def wait_text(self, text):
        check(poll(lambda: text in self.texts()), "%s was not shown" % text)

    def wait(self):
        """The run's end, which must be normal; the clipboard it left."""
        out = self.request + ".out"
        check(poll(lambda: os.path.exists(out), 25), "Qivora did not end")
        fields = dict(line.split("=", 1) for line in open(out).read().split())
        check(fields["exit"] == "0", "exit code %s" % fields["exit"])
        self.clipboard = None if fields["clip"] == "none" else bytes.fromhex(fields["clip"])


class Sandbox:
    """A folder with copies of the program (or the unpacked release) and the recorder."""

    def __init__(self, name, exe="Qivora.exe", unpack=None):
        self.path = os.path.join(SANDBOXES, name)
        self.exe = exe
        shutil.rmtree(self.path, ignore_errors=True)
        os.makedirs(self.path)
        if unpack:
            unpack(self.path)
        else:
            shutil.copy(os.path.join(BUILD, "Qivora.exe"), os.path.join(self.path, exe))
        shutil.copy(os.path.join(BUILD, "recorder.exe"), os.path.join(self.path, "recorder.exe"))

    def file(self, relative, content=b""):
        path = os.path.join(self.path, relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(cp932(content))

    def win(self, relative=""):
        return windows_path(os.path.join(self.path, relative))

    def settings(self, text, name="Qivora.ini"):
        self.file(name, text.replace("\n", "\r\n"))

    def start(self, arguments="", clip=None, env=None):
        return Run(self, arguments, clip, env)

    def listing(self):
        return sorted(os.listdir(self.path))

    def recorded(self):
        """What the recorder saw, one dict per start: cmdline and cwd as bytes."""
        log = os.path.join(self.path, "recorder.exe.log")
        blocks = open(log, "rb").read().split(b"--\n") if os.path.exists(log) else []
        return [dict(line.split(b"=", 1) for line in block.splitlines()) for block in blocks if block]

    def wait_recorded(self, count=1):
        entries = poll(lambda: len(self.recorded()) >= count and self.recorded(), 10)
        check(entries, "the recorder was not started")
        return entries

    def recorder_command(self, arguments):
        """The command line the recorder gets when Qivora runs it with these arguments."""
        return b'"' + cp932(self.win("recorder.exe")) + b'" ' + cp932(arguments)


def lines_text(lines):
    """A text file's bytes: cp932 lines, each ended by CR LF."""
    return b"".join(cp932(line) + b"\r\n" for line in lines)


def exec_section(*entries):
    """An [exec] section: each entry is a target line, or a target and its parameter line."""
    lines = ["[exec]"]
    for entry in entries:
        lines.extend([entry[0], ">" + entry[1]] if isinstance(entry, tuple) else [entry])
    return "\n".join(lines + ["%end", ""])
