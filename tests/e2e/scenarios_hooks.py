"""Marking, copying and filtering while the menu stays open."""
import time

from harness import Sandbox, arguments_of, check, cp932, exec_section, lines_text, x

LINES = ["one", "two words", "三行目", "four", "five", "six", "seven", "eight"]


def hooks_box(name, entries, system=""):
    box = Sandbox(name)
    box.file("list.txt", lines_text(LINES))
    box.settings("[system]\n" + system + "%end\n" + exec_section(*entries))
    return box


def test_insert_copies_lines_one_after_another_and_ctrl_insert_starts_afresh():
    box = hooks_box("hooks_insert", ("recorder | rec",))
    run = box.start(box.win("list.txt"), clip="before")
    menu = run.wait_menu()
    run.keys(menu, "Down", "Down", "Down", "Insert", "Down", "Down", "Insert")
    run.keys(menu, "Escape")
    run.wait()
    check(run.clipboard == cp932(LINES[2]) + b"\r\n" + cp932(LINES[4]), "clipboard %r" % run.clipboard)

    run = box.start(box.win("list.txt"))
    menu = run.wait_menu()
    run.keys(menu, "Down", "Insert", "Down", "ctrl+Insert", "Escape")
    run.wait()
    check(run.clipboard == cp932(LINES[1]), "clipboard %r" % run.clipboard)
    check(box.recorded() == [], "a program was run")


def marked_arguments(name, template):
    box = hooks_box(name, (("recorder | rec", template),))
    run = box.start(box.win("list.txt"))
    # Space marks line 2 and line 3; Return chooses line 5.
    run.keys(run.wait_menu(), "Down", "Down", "space", "Down", "space", "Down", "Down", "Return")
    run.wait()
    return arguments_of(box.wait_recorded()[0], box)


def test_marked_lines_as_arguments():
    check(marked_arguments("hooks_m", "%M") == b"two words " + cp932(LINES[2]), "bare %M")
    args = marked_arguments("hooks_qm", '"%M"')
    check(args == b'"two words" "' + cp932(LINES[2]) + b'"', "quoted %%M: %r" % args)
    args = marked_arguments("hooks_t", "%T")
    check(args == b"two words" + cp932(LINES[2]), "%%T: %r" % args)


def test_page_down_marks_and_moves_and_the_heading_uses_the_first_mark():
    box = hooks_box("hooks_pagedown", (("recorder | rec", "%$J"),))
    run = box.start(box.win("list.txt"))
    menu = run.wait_menu()
    # Page Down marks line 3 and steps to line 4; Space marks line 7; Up to the heading.
    run.keys(menu, "Down", "Down", "Down", "Next", "Down", "Down", "space")
    run.keys(menu, "Home", "Return")
    run.wait()
    check(arguments_of(box.wait_recorded()[0], box) == b"3", "arguments %r" % box.recorded())


def test_a_right_click_on_the_pointed_line_copies_it_and_the_menu_stays():
    box = hooks_box("hooks_right", ("recorder | rec",))
    run = box.start(box.win("list.txt"))
    menu = run.wait_menu()
    geometry = dict(line.split("=") for line in x("getwindowgeometry", "--shell", menu).split())
    # The pointer on a line in the upper half of the page: the menu highlights it, and
    # the button's release there would choose it.
    x("mousemove", str(int(geometry["X"]) + 20), str(int(geometry["Y"]) + int(geometry["HEIGHT"]) * 30 // 100))
    time.sleep(0.3)
    x("click", "3")
    time.sleep(0.5)
    check(menu in run.new_windows(), "the menu closed")
    run.keys(menu, "Escape")
    run.wait()
    check(run.clipboard in [cp932(line) for line in LINES], "clipboard %r" % run.clipboard)
    check(box.recorded() == [], "a program was run")


def test_space_on_a_keyword_set_filters_the_next_page():
    box = hooks_box("hooks_grep", (("recorder | rec", "%$J"),), system="@grep2=five\n")
    run = box.start(box.win("list.txt"))
    menu = run.wait_menu()
    # grep submenu: "&all", then set 2; Space checks it; back out and take Next: the folder
    # holds one file, so its page comes back, filtered.
    run.keys(menu, "Up", "Right", "Down", "space", "Left", "Up", "Up", "Up", "Return")
    run.keys(run.wait_menu(), "Down", "Return")
    run.wait()
    check(arguments_of(box.wait_recorded()[0], box) == b"5", "arguments %r" % box.recorded())
