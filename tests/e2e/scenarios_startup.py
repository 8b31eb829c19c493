"""Start-up: the settings file is found, created or refused."""
import os
import time

from harness import Sandbox, check, screenshot


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
