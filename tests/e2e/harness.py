"""Drives the real Qivora.exe under Wine on a virtual X display, in sandbox folders, through runner.exe:
an exact Windows command line, the clipboard emptied and read back as CF_TEXT bytes, the exit code.
Nothing sleeps a fixed time: each step polls until it sees its effect."""
import contextlib
import ctypes
import os
import shutil
import subprocess
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))


def use_build(arch):
    global ARCH, BUILD, SANDBOXES
    ARCH, BUILD, SANDBOXES = arch, os.path.join(ROOT, "build", arch), os.path.join(ROOT, "build", "e2e", arch)


# Nothing is drawn when the hooks act on these; the keys after them queue behind them.
QUIET_KEYS = {"Insert", "ctrl+Insert", "space"}


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
def screen_dpi(dpi):
    """Wine's screen scaling for the runs inside; it reads it at each start."""
    reg = ["wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/f"]
    try:
        yield subprocess.run(reg + ["/t", "REG_DWORD", "/d", str(dpi)], capture_output=True)
    finally:
        subprocess.run([*reg[:2], "delete", *reg[3:]], capture_output=True)


# Pixels straight from the X server: ImageMagick's import holds the whole
# server while it reads, and hangs there when the window goes meanwhile.
_x11 = ctypes.CDLL("libX11.so.6")
_x11.XOpenDisplay.restype = ctypes.c_void_p
_x11.XGetGeometry.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_void_p] * 7
_x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 2 + [ctypes.c_uint] * 2 + [
    ctypes.c_ulong, ctypes.c_int]
_x11.XGetImage.restype = ctypes.POINTER(ctypes.c_int)  # an XImage: its height, data and row's bytes at ints 1, 4, 11
_ignore = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda display, error: 0)
_x11.XSetErrorHandler(_ignore)  # a window gone is no reason to end
_display = _x11.XOpenDisplay(None)


def image(window):
    """The window's pixels; empty once it is gone."""
    numbers = [ctypes.c_ulong(), ctypes.c_int(), ctypes.c_int()] + [ctypes.c_uint() for _ in range(4)]
    if not _x11.XGetGeometry(_display, int(window), *map(ctypes.byref, numbers)):
        return b""
    picture = _x11.XGetImage(_display, int(window), 0, 0, numbers[3], numbers[4], 0xFFFFFFFF, 2)  # ZPixmap
    if not picture:
        return b""
    pixels = ctypes.string_at(ctypes.cast(picture, ctypes.POINTER(ctypes.c_void_p))[2], picture[11] * picture[1])
    _x11.XDestroyImage(picture)
    return pixels


class Box:
    """A sandbox folder with copies of the program (or the unpacked release) and the recorder; one run at a time."""

    def __init__(self, name, files, exe="Qivora.exe", unpack=None):
        self.path, self.exe = os.path.join(SANDBOXES, name), exe
        shutil.rmtree(self.path, ignore_errors=True)
        os.makedirs(self.path)
        unpack(self.path) if unpack else shutil.copy(os.path.join(BUILD, "Qivora.exe"), os.path.join(self.path, exe))
        shutil.copy(os.path.join(BUILD, "recorder.exe"), self.path)
        for relative, lines in files.items():
            self.file(relative, lines)

    def file(self, relative, lines):
        """Bytes as they are, or lines written cp932, each ended by CR LF."""
        path = os.path.join(self.path, relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(lines if isinstance(lines, bytes) else b"".join(cp932(line) + b"\r\n" for line in lines))

    def win(self, relative=""):
        return windows_path(os.path.join(self.path, relative))

    def start(self, arguments="", env=None):
        self.request = "%s-%d.req" % (self.path, time.time_ns())  # beside the sandbox, out of its listing
        with open(self.request, "wb") as f:
            f.write((b'"%s" %s' % (cp932(self.win(self.exe)), cp932(arguments))).rstrip() + b"\n" + cp932(self.win()))
        self.before, self.known = visible_windows(), set()  # known: the run's windows seen before its last action
        subprocess.Popen(["wine", os.path.join(BUILD, "runner.exe"), windows_path(self.request)],
                         env=dict(os.environ, **(env or {})), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def new_windows(self):
        return visible_windows() - self.before

    def look(self):
        return [(window, image(window)) for window in sorted(self.new_windows())]

    def wait_window(self):
        """A menu new since the last action, once it is drawn: its highlight gives it more than three byte values."""
        window = poll(lambda: next((w for w in self.new_windows() - self.known if len(set(image(w))) > 3), None))
        assert window, "no menu appeared"
        self.known.add(window)
        return window

    def act(self, *command, quiet=False):
        """An xdotool command, then the wait until the run's windows show its effect."""
        before = self.look()
        self.known.update(window for window, _ in before)
        x(*command)
        assert quiet or poll(lambda: self.look() != before, 10), "nothing changed after %s" % (command,)

    def keys(self, window, *keys):
        x("windowfocus", window)
        for key in keys:
            self.act("key", "--clearmodifiers", key, quiet=key in QUIET_KEYS)

    def wait(self):
        """The run's end, which must be normal; the clipboard's text it left, or None."""
        out = self.request + ".out"
        assert poll(lambda: os.path.exists(out), 25), "Qivora did not end"
        status, _, clip = open(out, "rb").read().partition(b"\n")
        assert status.split()[0] == b"0", "exit %s" % status.decode()
        return clip if status.endswith(b"text") else None

    def run(self, arguments, *keys, env=None):
        """A run whose first menu gets these keys; the clipboard's text it left."""
        self.start(arguments, env)
        self.keys(self.wait_window(), *keys)
        return self.wait()

    def wait_recorded(self, arguments):
        """The working folder of the recorder's first start, which must have been given these arguments."""
        path = os.path.join(self.path, "recorder.exe.log")
        log = lambda: open(path, "rb").read() if os.path.exists(path) else b""  # noqa: E731
        lines = (poll(lambda: log().count(b"\n") >= 2, 10) and log().split(b"\n")) or [b"none", b""]
        assert lines[0] == b'"%s" %s' % (cp932(self.win("recorder.exe")), cp932(arguments)), "the recorder saw %r" % lines
        return lines[1]
