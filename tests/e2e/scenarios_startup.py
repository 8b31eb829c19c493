"""Start-up: the settings file is found, created or refused."""
import os
import time

from harness import Sandbox, arguments_of, check, cp932, exec_section, screenshot


def test_no_settings_file_creates_an_empty_one_and_ends():
    box = Sandbox("startup_empty")
    before = box.listing()
    run = box.start()
    run.keys(run.wait_menu(), "Escape")  # the menu of fixed items
    run.wait()
    check(run.exit_code == "0", "exit code %s" % run.exit_code)
    created = sorted(set(box.listing()) - set(before))
    check(created == ["Qivora.ini"], "files written: %s" % created)
    check(os.path.getsize(os.path.join(box.path, "Qivora.ini")) == 0, "Qivora.ini is not empty")


def test_a_copy_under_another_name_reads_its_own_settings():
    box = Sandbox("startup_memo", exe_name="memo.exe")
    run = box.start()
    run.keys(run.wait_menu(), "Escape")
    run.wait()
    check(run.exit_code == "0", "exit code %s" % run.exit_code)
    check(os.path.exists(os.path.join(box.path, "memo.ini")), "memo.ini was not created")
    check(not os.path.exists(os.path.join(box.path, "Qivora.ini")), "Qivora.ini was created")


def test_a_folder_in_place_of_the_settings_file_shows_the_error():
    box = Sandbox("startup_folder")
    os.makedirs(os.path.join(box.path, "Qivora.ini"))
    before = box.listing()
    run = box.start()
    window = run.wait_window(name="^Qivora$")
    screenshot(os.path.join(box.path, "message.png"))
    run.keys(window, "Return")
    run.wait()
    check(run.exit_code == "0", "exit code %s" % run.exit_code)
    check("設定ファイル異常" in run.texts and "Qivora" in run.texts, "message box texts: %s" % run.texts)
    written = [n for n in set(box.listing()) - set(before) if n != "message.png"]
    check(written == [], "files written: %s" % written)


def test_a_start_file_written_with_slashes_or_relative_is_the_file_opened():
    box = Sandbox("startup_paths")
    box.file("data/a.txt", "in a\r\n")
    box.file("data/b.txt", "in b\r\n")
    box.settings("[system]\n%end\n" + exec_section(("recorder | rec", "%P")))
    full = box.win("data\\b.txt")
    for written in (full.replace("\\", "/"), "data\\b.txt"):  # the runner starts Qivora in the sandbox
        before = len(box.recorded())
        run = box.start(written)
        run.keys(run.wait_menu(), "Down", "Return")  # the first line of the page
        run.wait()
        entry = box.wait_recorded(before + 1)[-1]
        check(arguments_of(entry, box) == cp932(full), "%s: arguments %r" % (written, entry))
