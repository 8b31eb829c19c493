#!/usr/bin/env python3
"""Start-up latency under Wine: from process start until the popup menu is
visible, for Qivora on a folder of 200 files and on a text page, and for
bare_menu.exe, in alternating runs. Writes medians (ms) as JSON.

    startup.py OUTPUT.json RUNS MAP_WATCH
MAP_WATCH is the built bench/map_watch.cpp, which tells when a window is mapped.
Needs DISPLAY (a virtual display) and WINEPREFIX. "keep_window.exe keep" (a copy of bare_menu) holds
a hidden window open throughout, so that neither Wine's system processes nor
its desktop process start anew for a measured run.
"""
import json
import os
import queue
import shutil
import statistics
import subprocess
import sys
import threading
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
BUILD = os.path.join(ROOT, "build", "win64")
SANDBOX = os.path.join(ROOT, "build", "bench-startup")

SETTINGS = """[system]
@filter=.txt,.log
@text=0,30,80
@grep1=error,Timeout
%end
[exec]
@system | open
@clip | copy line
>%L
@clipX | copy file
%end
"""


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


class MapWatch:
    """The moments top-level windows are mapped, as map_watch reports them."""

    def __init__(self, program):
        self.events = queue.Queue()
        self.process = subprocess.Popen([program], stdout=subprocess.PIPE, text=True)
        if self.process.stdout.readline().strip() != "ready":
            raise RuntimeError("map_watch could not watch the display")
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.process.stdout:
            seconds, window = line.split()
            self.events.put((float(seconds), window))

    def next_map(self, timeout):
        """(monotonic seconds, window id) of the next map, or None."""
        try:
            return self.events.get(timeout=timeout)
        except queue.Empty:
            return None

    def drain(self):
        while not self.events.empty():
            self.events.get_nowait()

    def close(self):
        self.process.kill()


def prepare():
    shutil.rmtree(SANDBOX, ignore_errors=True)
    folder = os.path.join(SANDBOX, "folder200")
    os.makedirs(folder)
    shutil.copy(os.path.join(BUILD, "Qivora.exe"), SANDBOX)
    shutil.copy(os.path.join(BUILD, "bare_menu.exe"), SANDBOX)
    shutil.copy(os.path.join(BUILD, "bare_menu.exe"), os.path.join(SANDBOX, "keep_window.exe"))
    with open(os.path.join(SANDBOX, "Qivora.ini"), "wb") as f:
        f.write(SETTINGS.replace("\n", "\r\n").encode())
    line = "2024-05-01 12:00:%02d [INFO ] worker-%02d request handled in %d ms\r\n"
    for i in range(200):
        with open(os.path.join(folder, "note%03d.txt" % ((i * 37) % 200)), "w") as f:
            f.writelines(line % (k % 60, k % 32, k) for k in range(40))
    page = os.path.join(SANDBOX, "page.txt")
    with open(page, "w") as f:
        f.writelines(line % (k % 60, k % 32, k) for k in range(20000))  # about 1 MB
    return {
        "Qivora, folder of 200 files": [os.path.join(SANDBOX, "Qivora.exe"), windows_path(folder)],
        "Qivora, text page": [os.path.join(SANDBOX, "Qivora.exe"), windows_path(page)],
        "bare_menu": [os.path.join(SANDBOX, "bare_menu.exe")],
    }


def one_start(command, watch):
    """Milliseconds from starting the process until its first window is mapped."""
    watch.drain()
    started = time.monotonic()
    process = subprocess.Popen(["wine", *command], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    mapped = watch.next_map(20)
    if mapped:
        subprocess.run(["xdotool", "windowfocus", mapped[1]], capture_output=True)
        subprocess.run(["xdotool", "key", "Escape"], capture_output=True)
    try:
        process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        subprocess.run(["wine", "taskkill", "/f", "/im", os.path.basename(command[0])], capture_output=True)
        process.wait(timeout=10)
    if not mapped:
        raise RuntimeError("no menu appeared for " + " ".join(command))
    return (mapped[0] - started) * 1000


def main():
    output = sys.argv[1]
    runs = int(sys.argv[2])
    commands = prepare()
    keepalive = subprocess.Popen(["wine", os.path.join(SANDBOX, "keep_window.exe"), "keep"],
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    watch = MapWatch(sys.argv[3])
    try:
        time.sleep(1.0)
        for command in commands.values():  # warm the file cache and Wine's DLLs
            one_start(command, watch)
        times = {name: [] for name in commands}
        for _ in range(runs):
            for name, command in commands.items():
                times[name].append(one_start(command, watch))
    finally:
        watch.close()
        keepalive.kill()
        subprocess.run(["wine", "taskkill", "/f", "/im", "keep_window.exe"], capture_output=True)
        shutil.rmtree(SANDBOX, ignore_errors=True)
    medians = {name: statistics.median(values) for name, values in times.items()}
    # Each Qivora run against the bare run of its own round, which met the same
    # load of the machine.
    paired = {name: statistics.median(q / b for q, b in zip(values, times["bare_menu"]))
              for name, values in times.items() if name != "bare_menu"}
    with open(output, "w") as f:
        json.dump({"runs": runs, "median_ms": medians, "paired_ratio": paired, "all_ms": times}, f, indent=1)
    for name, value in medians.items():
        print("%-30s %7.1f ms" % (name, value))


if __name__ == "__main__":
    main()
