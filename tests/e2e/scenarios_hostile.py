"""Hostile inputs: each run ends normally, writes nothing and leaves the
clipboard as it was unless the user copied. Large inputs are made under
build/e2e and removed afterwards."""
import os
import random
import shutil
import subprocess
import time

from harness import BUILD, Sandbox, check, poll

KEPT = "kept text"


def snapshot(box):
    """Every file and folder of the sandbox with its size, but the runner's own files."""
    seen = {}
    for folder, folders, files in os.walk(box.path):
        for name in folders + files:
            if name.startswith("request-"):
                continue
            path = os.path.join(folder, name)
            seen[os.path.relpath(path, box.path)] = os.path.getsize(path) if name in files else -1
    return seen


def hostile_box(name):
    box = Sandbox(name)
    box.settings("[system]\n@filter=.txt\n%end\n")
    return box


def run_and_check(box, arguments, keys, clipboard=KEPT.encode(), before=None):
    """Runs Qivora with the keys pressed in its menu and checks how it ended."""
    before = before if before is not None else snapshot(box)
    run = box.start(arguments, clip=KEPT)
    run.keys(run.wait_menu(), *keys)
    run.wait()
    check(run.exit_code == "0", "exit code %s" % run.exit_code)
    after = snapshot(box)
    changed = sorted(k for k in set(before) | set(after) if before.get(k) != after.get(k))
    check(changed == [], "files written or changed: %s" % changed[:5])
    check(run.clipboard == clipboard, "clipboard %r, expected %r" % ((run.clipboard or b"")[:80], clipboard[:80]))
    check(box.recorded() == [], "something was launched")
    return run


def test_a_binary_file_as_a_text_page():
    box = hostile_box("hostile_binary")
    data = b"MZ\0" + random.Random(1).randbytes(200000).replace(b"\n", b"\0")
    box.file("program.txt", data)
    run_and_check(box, box.win("program.txt"), ["Escape"])
    # The first line goes up to the first line feed; the clipboard text ends at its first NUL.
    run_and_check(box, box.win("program.txt"), ["Down", "Insert", "Escape"], clipboard=b"MZ")


def test_a_300_megabyte_single_line():
    box = hostile_box("hostile_huge")
    path = os.path.join(box.path, "huge.txt")
    try:
        with open(path, "wb") as f:
            block = b"0123456789abcdef" * 65536
            for _ in range(300):
                f.write(block)
        started = time.time()
        run_and_check(box, box.win("huge.txt"), ["Down", "Insert", "Escape"], clipboard=(b"0123456789abcdef" * 65)[:1039])
        check(time.time() - started < 20, "took %.1fs" % (time.time() - started))
    finally:
        os.remove(path)


def test_a_file_deleted_after_the_listing_reads_as_an_error():
    box = hostile_box("hostile_deleted")
    box.file("data/a.txt", "first\n")
    box.file("data/b.txt", "second\n")
    before = snapshot(box)
    del before[os.path.join("data", "b.txt")]
    run = box.start(box.win("data"), clip=KEPT)
    menu = run.wait_menu()
    os.remove(os.path.join(box.path, "data", "b.txt"))
    # The second file's submenu opens on a file that is gone; Insert there copies nothing.
    run.keys(menu, "Down", "Right", "Insert", "Escape", "Escape")
    run.wait()
    check(run.exit_code == "0", "exit code %s" % run.exit_code)
    check(snapshot(box) == before, "files written")
    check(run.clipboard == KEPT.encode(), "clipboard %r" % run.clipboard)


def test_a_settings_file_of_20_megabytes_of_random_bytes():
    box = Sandbox("hostile_settings")
    box.file("Qivora.ini", random.Random(2).randbytes(20 << 20))
    try:
        run_and_check(box, "", ["Escape"])
    finally:
        os.remove(os.path.join(box.path, "Qivora.ini"))


def test_a_folder_of_10000_files():
    box = hostile_box("hostile_many")
    folder = os.path.join(box.path, "many")
    os.makedirs(folder)
    try:
        for i in range(10000):
            with open(os.path.join(folder, "f%05d.txt" % i), "wb") as f:
                f.write(b"line %d\n" % i)
        started = time.time()
        run_and_check(box, box.win("many"), ["Escape"])
        check(time.time() - started < 20, "took %.1fs" % (time.time() - started))
    finally:
        shutil.rmtree(folder)


def test_a_folder_tree_60_levels_deep_with_subfolders():
    box = hostile_box("hostile_deep")
    relative = ""
    for level in range(60):
        relative = os.path.join(relative, "d")
        box.file(os.path.join(relative, "level%d.txt" % level), "level %d\n" % level)
    run_and_check(box, "/#u " + box.win("d"), ["Escape"])


def path_of_length(box, length, name="x.txt"):
    """A relative path under the sandbox whose Windows path has exactly length characters."""
    base = len(box.win(""))  # ends in a backslash
    room = length - base - len(name)
    parts = []
    while room > 0:
        take = min(room - 1, 120) if room > 121 else room - 1
        if take <= 0:  # no room for a folder name and its backslash: lengthen the file name
            name = "x" * (room) + name
            break
        parts.append("p" * take)
        room -= take + 1
    relative = os.path.join(*parts, name) if parts else name
    check(len(box.win(relative)) == length, "path of %d characters" % len(box.win(relative)))
    return relative


def test_paths_of_259_and_260_characters():
    box = hostile_box("hostile_long")
    fits = path_of_length(box, 259)
    too_long = path_of_length(box, 260, name="yy.txt")
    box.file(fits, "fits\n")
    box.file(too_long, "too long\n")
    # 259 characters: the page of the file; its first line can be copied.
    run_and_check(box, '"%s"' % box.win(fits), ["Down", "Insert", "Escape"], clipboard=b"fits")
    # 260 characters is no start path: the menu of the fixed items.
    run_and_check(box, '"%s"' % box.win(too_long), ["Escape"])
    # A folder holding both lists what it can.
    run_and_check(box, '"%s"' % box.win(os.path.dirname(fits)), ["Escape"])


def test_a_file_locked_by_another_program():
    box = hostile_box("hostile_locked")
    box.file("locked.txt", "secret\n")
    locker = subprocess.Popen(["wine", os.path.join(BUILD, "locker.exe"), box.win("locked.txt"), "60"],
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    try:
        line = poll(lambda: locker.stdout.readline(), 20)
        check(line and line.startswith(b"locked"), "the locker did not hold the file: %r" % line)
        # The page reads as an error; Insert on it copies nothing.
        run_and_check(box, box.win("locked.txt"), ["Down", "Insert", "Escape"])
    finally:
        locker.kill()
        locker.wait()
        subprocess.run(["wine", "taskkill", "/f", "/im", "locker.exe"], capture_output=True)
