"""One scenario for each path that only the real program shows."""
import glob
import os
import shutil
import subprocess
import zipfile

import harness
from harness import ROOT, Box, cp932, geometry, poll, screen_dpi, windows_path


def settings(parameters, *system):
    """A settings file whose first launcher runs the recorder with these parameters."""
    return ["[system]", *system, "%end", "[exec]", "recorder | rec", ">" + parameters, "%end"]


def test_keys_mark_copy_and_launch_and_no_library_planted_beside_the_program_is_loaded():
    box = Box("keys", {"list.txt": ["one", "two words", "三行目", "four", "five", "six"],
                       "Qivora.ini": settings('%$J "%M"')})
    for name in ("shell32.dll", "uxtheme.dll"):  # one Qivora loads, one Windows loads for its menu
        shutil.copy(os.path.join(harness.BUILD, "planted.dll"), os.path.join(box.path, name))
    # Wine takes a library from the program's folder only where it is told to prefer one not its own.
    overrides = {"WINEDLLOVERRIDES": os.environ["WINEDLLOVERRIDES"] + ";shell32,uxtheme=n,b"}
    # The heading is highlighted first. Insert copies "one", Space marks "two words",
    # Ctrl+Insert copies 三行目 afresh, Insert adds "four"; Page Down marks "five" and
    # steps to "six" with a key of its own, where Return chooses.
    assert box.run(box.win("list.txt"), "Down", "Insert", "Down", "space", "Down", "ctrl+Insert", "Down", "Insert",
                   "Down", "Next", "Return", env=overrides) == cp932("三行目\r\nfour")
    box.wait_recorded('6 "two words" "five"')
    assert not glob.glob(os.path.join(box.path, "*.loaded")), os.listdir(box.path)


def test_right_clicks_on_a_file_item_and_on_a_line_choose_nothing_and_next_shows_the_next_file():
    box = Box("right_click", {"docs/a.txt": b"in a", "docs/b.txt": b"in b", "Qivora.ini": settings("%P")})
    box.start(box.win("docs"))
    menu = box.wait_window()
    left, top, _, _ = geometry(menu)
    box.act("mousemove", left + 20, top + 8, quiet=True)  # over a.txt, highlighted first
    box.act("click", "3")  # opens its submenu
    submenu = poll(lambda: next(iter(box.new_windows() - {menu}), None))
    left, top, _, _ = geometry(submenu)
    box.act("mousemove", left + 20, top + 8)  # highlights its line
    box.act("click", "3", quiet=True)  # copies it
    box.keys(menu, "Down", "Return")  # "&> Next", in a menu still open
    box.keys(box.wait_window(), "Down", "Return")  # b.txt's page, its line
    assert box.wait() == b"in a"
    box.wait_recorded(box.win("docs\\b.txt"))


def test_an_owner_drawn_page_launches_in_the_programs_folder_and_scales_with_the_screen():
    box = Box("owner drawn", {"notes/a.txt": ["alpha", "日本語の行", "beta"],
                              "Qivora.ini": settings("%P %$J", "@menu=100,120", "@font=-1,16,4,0,,20,4,0")})

    def shown(*keys):
        box.start('"%s"' % box.win("notes\\a.txt"))
        menu = box.wait_window()
        place = geometry(menu)
        box.keys(menu, *keys)
        box.wait()
        return place

    small = shown("Down", "Down", "Return")  # from the heading: line 2
    folder = box.wait_recorded(box.win("notes\\a.txt") + " 2")
    assert folder.rstrip(b"\\") == cp932(box.win()).rstrip(b"\\"), folder
    with screen_dpi(192):  # the fixed point and the owner-drawn lines grow with the screen's scaling
        large = shown("Escape")
    assert large[:2] == (200, 240) and 1.7 <= large[3] / small[3] <= 2.2, (small, large)


def test_a_copy_under_another_name_creates_its_empty_settings_then_reads_them_and_keeps_the_manual():
    box = Box("memo", {}, exe="memo.exe")
    box.run("", "Escape")  # the menu of fixed items
    assert (files := sorted(os.listdir(box.path))) == ["memo.exe", "memo.ini", "recorder.exe"], files
    assert os.path.getsize(os.path.join(box.path, "memo.ini")) == 0
    box.file("memo.ini", ["[system]", "@editor=recorder", "%end"])
    box.run("", "h")  # "&H 説明書"
    box.wait_recorded(box.win("Qivora.txt"))


def test_another_window_taking_the_foreground_closes_the_menu():
    box = Box("focus", {})
    box.start()
    box.wait_window()
    subprocess.Popen(["wine", "notepad"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    box.wait()  # Qivora ends only when its menu closes


def test_the_release_zip_unpacked_copies_with_its_sample_launcher_and_opens_its_manual():
    zips = sorted(glob.glob(os.path.join(ROOT, "dist", "Qivora-*-%s.zip" % harness.ARCH)), key=os.path.getmtime)
    assert zips, "tools/package makes the release zips"
    box = Box("release unpacked", {}, unpack=zipfile.ZipFile(zips[-1]).extractall)  # a blank in its path
    notes = os.path.join(ROOT, "examples", "notes")
    # The launchers' item, labelled "&S ..." by the first; "&C" in it copies the page, line ends and all.
    assert box.run('"%s"' % windows_path(os.path.join(notes, "todo.txt")), "s", "c") == \
        open(os.path.join(notes, "todo.txt"), "rb").read()
    assert (files := sorted(os.listdir(box.path))) == ["Qivora.exe", "Qivora.ini", "Qivora.txt", "README.txt", "recorder.exe"], files
    sample = open(os.path.join(box.path, "Qivora.ini"), "rb").read()
    box.file("Qivora.ini", sample.replace(b"\r\n%end", b"\r\n@editor=recorder\r\n%end", 1))
    box.run('"%s"' % windows_path(notes), "0", "h")  # "&0 Ver.1.06", then "&H 説明書"
    box.wait_recorded('"%s"' % box.win("Qivora.txt"))
