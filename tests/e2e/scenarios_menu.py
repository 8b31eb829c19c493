"""The menu of fixed items: opening the settings file and the manual, cancelling."""
import subprocess
import time

from harness import Sandbox, check, poll, visible_windows


def editor_box(name):
    box = Sandbox(name)
    box.settings("[system]\n@editor=recorder\n%end\n")
    return box


def test_return_on_the_first_item_opens_the_settings_file_with_the_editor():
    box = editor_box("menu settings file")  # a folder with a blank: the path is quoted
    run = box.start()
    run.keys(run.wait_menu(), "Return")
    run.wait()
    check(run.exit_code == "0", "exit code %s" % run.exit_code)
    entries = box.wait_recorded()
    expected = box.recorder_command('"%s"' % box.win("Qivora.ini"))
    check(entries[0][b"cmdline"] == expected, "recorder saw %r, expected %r" % (entries[0][b"cmdline"], expected))
    check(entries[0][b"cwd"].rstrip(b"\\") == box.win("").rstrip("\\").encode(), "working folder %r" % entries[0][b"cwd"])


def test_the_manual_item_opens_qivora_txt():
    box = editor_box("menu_manual")
    run = box.start()
    run.keys(run.wait_menu(), "Down", "Return")
    run.wait()
    entries = box.wait_recorded()
    check(entries[0][b"cmdline"] == box.recorder_command(box.win("Qivora.txt")), "recorder saw %r" % entries[0][b"cmdline"])


def test_escape_ends_with_nothing_launched():
    box = editor_box("menu_escape")
    run = box.start()
    run.keys(run.wait_menu(), "Escape")
    run.wait()
    check(run.exit_code == "0", "exit code %s" % run.exit_code)
    time.sleep(0.5)
    check(box.recorded() == [], "something was launched")


def test_another_window_taking_the_focus_closes_the_menu():
    box = editor_box("menu_focus")
    run = box.start()
    menu = run.wait_menu()
    before = visible_windows()
    other = subprocess.Popen(["wine", "notepad"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        window = poll(lambda: next(iter(visible_windows() - before - {menu}), None), 20)
        check(window, "notepad did not appear")
        subprocess.run(["xdotool", "windowactivate", "--sync", window], capture_output=True, timeout=10)
        subprocess.run(["xdotool", "mousemove", "--window", window, "20", "40", "click", "1"], capture_output=True)
        run.wait()
        check(run.exit_code == "0", "exit code %s" % run.exit_code)
        check(box.recorded() == [], "something was launched")
    finally:
        other.kill()
        subprocess.run(["wine", "taskkill", "/f", "/im", "notepad.exe"], capture_output=True)
