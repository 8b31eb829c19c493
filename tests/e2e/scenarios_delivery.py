"""Delivering lines: the clipboard launchers and the copy requests of templates."""
import time

from harness import Sandbox, arguments_of, check, cp932, exec_section, lines_text, x

LINES = ["first line", "二行目です", "third", "fourth", "fifth"]


def delivery_box(name, entries, system="@text=4,1,20,80,0,4,1,3,80,0\n"):
    """A page of three lines (the root page size) over a file of five."""
    box = Sandbox(name)
    box.file("memo.txt", lines_text(LINES, final_line_end=False))
    box.settings("[system]\n" + system + "%end\n" + exec_section(*entries))
    return box


def page_lines(count):
    return b"\r\n".join(cp932(line) for line in LINES[:count])


def test_a_clip_entry_from_the_launcher_submenu_copies_the_page():
    box = delivery_box("delivery_clip", ("recorder | rec", "@clip | copy"))
    run = box.start(box.win("memo.txt"), clip="old text")
    # Up: grep, then the launcher item; its submenu: rec, copy.
    run.keys(run.wait_menu(), "Up", "Up", "Right", "Down", "Return")
    run.wait()
    check(run.clipboard == page_lines(3), "clipboard %r" % run.clipboard)
    check(box.recorded() == [], "a program was run")


def test_copy_requests_fill_the_clipboard_then_run_the_program():
    # "%C" copies the page's three lines, "%X" every line of the file.
    for request, lines in (("%C", 3), ("%X", 5)):
        box = delivery_box("delivery_" + request[1].lower(), (("recorder | rec", request + "%P"),))
        run = box.start(box.win("memo.txt"))
        run.keys(run.wait_menu(), "Down", "Return")
        run.wait()
        check(run.clipboard == page_lines(lines), "%s: clipboard %r" % (request, run.clipboard))
        entry = box.wait_recorded()[0]
        check(arguments_of(entry, box) == cp932(box.win("memo.txt")), "%s: arguments %r" % (request, entry))


def test_copies_accumulate_and_ctrl_starts_afresh():
    box = delivery_box("delivery_ctrl", ("@clip | copy",), system="")
    run = box.start(box.win("memo.txt"))
    run.keys(run.wait_menu(), "Down", "Down", "Insert", "Return")  # copy line 2, then the page
    run.wait()
    check(run.clipboard == cp932(LINES[1]) + b"\r\n" + page_lines(5), "clipboard %r" % run.clipboard)

    # Wine's menus take Ctrl+Return for a line feed, not a choice: choose with the mouse.
    run = box.start(box.win("memo.txt"))
    menu = run.wait_menu()
    run.keys(menu, "Down", "Down", "Insert")
    geometry = x("getwindowgeometry", "--shell", menu)
    values = dict(line.split("=") for line in geometry.split())
    left, top, height = int(values["X"]), int(values["Y"]), int(values["HEIGHT"])
    # The five lines fill the upper part of the page, below the heading.
    x("mousemove", str(left + 20), str(top + height * 30 // 100))
    time.sleep(0.3)
    x("keydown", "ctrl")
    x("click", "1")
    x("keyup", "ctrl")
    run.wait()
    check(run.clipboard == page_lines(5), "clipboard %r" % run.clipboard)


def test_a_line_ends_at_a_nul_byte_when_the_file_is_copied_whole():
    box = Sandbox("delivery_nul")
    box.file("memo.txt", b"one\r\ntw\0o\r\nthree")
    box.settings("[system]\n%end\n" + exec_section("@clipX | all"))
    run = box.start(box.win("memo.txt"))
    run.keys(run.wait_menu(), "Down", "Return")
    run.wait()
    check(run.clipboard == b"one\r\ntw\r\nthree", "clipboard %r" % run.clipboard)
