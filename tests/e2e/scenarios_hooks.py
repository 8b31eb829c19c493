"""The keyboard and mouse hooks inside the real menu loop."""
from harness import Sandbox, check, cp932, exec_section, geometry, lines_text

LINES = ["one", "two words", "三行目", "four", "five", "six"]


def hooks_box(name):
    box = Sandbox(name)
    box.file("list.txt", lines_text(LINES))
    box.settings("[system]\n%end\n" + exec_section(("recorder | rec", '%$J "%M"')))
    return box


def test_keys_copy_and_mark_lines_that_the_launched_program_receives():
    box = hooks_box("hooks_keys")
    run = box.start(box.win("list.txt"), clip="before")
    # The heading is highlighted first. Insert copies "one", Space marks "two words",
    # Ctrl+Insert copies 三行目 afresh, Insert adds "four"; Page Down marks "five" and
    # steps to "six" with a key of its own, where Return chooses.
    run.keys(run.wait_window(), "Down", "Insert", "Down", "space", "Down", "ctrl+Insert", "Down", "Insert",
             "Down", "Next", "Return")
    run.wait()
    check(run.clipboard == cp932("三行目\r\nfour"), "clipboard %r" % run.clipboard)
    entry = box.wait_recorded()[0]
    check(entry[b"cmdline"] == box.recorder_command('6 "two words" "five"'), "recorder saw %r" % entry)


def test_a_right_click_copies_the_pointed_line_and_the_menu_stays_open():
    box = hooks_box("hooks_mouse")
    run = box.start(box.win("list.txt"), clip="before")
    menu = run.wait_window()
    left, top, _, height = geometry(menu)
    run.act("mousemove", left + 20, top + height * 30 // 100)  # highlights a line
    run.act("click", "3", quiet=True)
    # Down is handled after the button's release, which would have chosen the line:
    # the highlight moves only in a menu that is still open.
    run.keys(menu, "Down", "Escape")
    run.wait()
    check(run.clipboard in [cp932(line) for line in LINES], "clipboard %r" % run.clipboard)
    check(box.recorded() == [], "a program was run")


def test_a_right_press_on_a_file_item_chooses_nothing_and_next_shows_the_next_file():
    box = Sandbox("hooks_submenu")
    box.file("docs/a.txt", "in a")
    box.file("docs/b.txt", "in b")
    box.settings("[system]\n%end\n" + exec_section(("recorder | rec", "%P")))
    run = box.start(box.win("docs"))
    menu = run.wait_window()
    left, top, _, _ = geometry(menu)
    run.act("mousemove", left + 20, top + 8, quiet=True)  # over a.txt, which the first Down highlighted
    run.act("click", "3")  # opens its submenu, choosing nothing
    run.keys(menu, "Down", "Down", "Return")  # in the submenu: its line, then "&> Next"
    run.keys(run.wait_window(), "Down", "Return")  # b.txt's page, its line
    run.wait()
    check(box.wait_recorded()[0][b"cmdline"] == box.recorder_command(box.win("docs\\b.txt")), "not b.txt's page")
