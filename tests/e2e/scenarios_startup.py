"""Start-up: the settings file of the program's own name, its error box, the start path, the libraries."""
import os
import shutil

import harness
from harness import Sandbox, check, cp932, exec_section


def test_a_copy_under_another_name_creates_its_empty_settings_then_reads_them_and_keeps_the_manual():
    box = Sandbox("startup_memo", exe="memo.exe")
    before = box.listing()
    run = box.start()
    run.keys(run.wait_window(), "Escape")  # the menu of fixed items
    run.wait()
    check(sorted(set(box.listing()) - set(before)) == ["memo.ini"], "files written: %s" % box.listing())
    check(os.path.getsize(os.path.join(box.path, "memo.ini")) == 0, "memo.ini is not empty")

    box.settings("[system]\n@editor=recorder\n%end\n", name="memo.ini")
    run = box.start()
    run.keys(run.wait_window(), "h")  # "&H 説明書"
    run.wait()
    entry = box.wait_recorded()[0]
    check(entry[b"cmdline"] == box.recorder_command(box.win("Qivora.txt")), "recorder saw %r" % entry)


def test_a_folder_in_place_of_the_settings_file_shows_the_error_box():
    box = Sandbox("startup_error")
    os.makedirs(os.path.join(box.path, "Qivora.ini"))
    before = box.listing()
    run = box.start()
    box_window = run.wait_window(name="^Qivora$")
    run.wait_text("設定ファイル異常")
    run.keys(box_window, "Return")
    run.wait()
    check("Qivora" in run.texts(), "message box texts: %s" % run.texts())
    check(box.listing() == before, "files written: %s" % box.listing())


def test_a_start_file_written_with_slashes_or_relative_is_the_file_opened():
    box = Sandbox("startup_paths")
    box.file("data/a.txt", "in a\r\n")
    box.file("data/b.txt", "in b\r\n")
    box.settings("[system]\n%end\n" + exec_section(("recorder | rec", "%P")))
    full = box.win("data\\b.txt")
    for count, written in enumerate((full.replace("\\", "/"), "data\\b.txt"), 1):  # started in the sandbox
        run = box.start(written)
        run.keys(run.wait_window(), "Down", "Return")  # the first line of the page
        run.wait()
        entry = box.wait_recorded(count)[-1]
        check(entry[b"cmdline"] == box.recorder_command(full), "%s: recorder saw %r" % (written, entry))


def test_system_libraries_planted_beside_the_program_are_not_loaded():
    box = Sandbox("startup_planted")
    for name in ("shell32.dll", "uxtheme.dll"):  # one Qivora loads, one Windows loads for its menu
        shutil.copy(os.path.join(harness.BUILD, "planted.dll"), os.path.join(box.path, name))
    box.file("a.txt", "in a\r\n")
    box.settings("[system]\n%end\n" + exec_section(("recorder | rec", "%P")))
    # Wine takes a library from the program's folder only where it is told to prefer one not its own.
    run = box.start(box.win("a.txt"), env={"WINEDLLOVERRIDES": os.environ["WINEDLLOVERRIDES"] + ";shell32,uxtheme=n,b"})
    run.keys(run.wait_window(), "Down", "Return")
    run.wait()
    check(not [name for name in box.listing() if name.endswith(".loaded")], "loaded: %s" % box.listing())
    box.wait_recorded()
