"""Text pages, next and previous file, keyword filters and owner-drawn lines."""
import os

from harness import Sandbox, arguments_of, check, cp932, exec_section, lines_text, screenshot

LINES = ["alpha one", "日本語の行", "beta two", "alpha three", "gamma", "alpha & beta"]


def page_box(name, system="", entries=(("recorder | rec", "%P %$J"),)):
    box = Sandbox(name)
    box.file("notes/a.txt", lines_text(LINES))
    box.file("notes/b.txt", lines_text(["b first", "b second"]))
    box.file("notes/c.txt", lines_text(["c only"]))
    box.settings("[system]\n" + system + "%end\n" + exec_section(*entries))
    return box


def test_return_on_a_line_runs_the_launcher_with_its_line_number():
    box = page_box("pages line")
    run = box.start('"%s"' % box.win("notes\\a.txt"))
    run.keys(run.wait_menu(), "Down", "Down", "Down", "Return")  # heading, then lines 1..3
    run.wait()
    entry = box.wait_recorded()[0]
    expected = cp932(box.win("notes\\a.txt")) + b" 3"
    check(arguments_of(entry, box) == expected, "arguments %r" % arguments_of(entry, box))


def test_next_wraps_to_the_first_file_and_the_heading_uses_the_default_parameters():
    box = page_box("pages_next", entries=("recorder | rec",))
    run = box.start(box.win("notes\\c.txt"))
    menu = run.wait_menu()
    # From the heading, Up wraps to the end: grep, launcher, Return, Next.
    run.keys(menu, "Up", "Up", "Up", "Up", "Return")
    menu = run.wait_menu()
    run.keys(menu, "Return")  # the heading of the page shown now
    run.wait()
    entry = box.wait_recorded()[0]
    check(arguments_of(entry, box) == b'"' + cp932(box.win("notes\\a.txt")) + b'"',
          "arguments %r" % arguments_of(entry, box))


def test_return_item_wraps_to_the_last_file():
    box = page_box("pages_return", entries=("recorder | rec",))
    run = box.start(box.win("notes\\a.txt"))
    run.keys(run.wait_menu(), "Up", "Up", "Up", "Return")
    run.keys(run.wait_menu(), "Return")
    run.wait()
    entry = box.wait_recorded()[0]
    check(cp932(box.win("notes\\c.txt")) in arguments_of(entry, box), "arguments %r" % arguments_of(entry, box))


def test_a_keyword_switch_lists_only_matching_lines():
    box = page_box("pages_grep_switch", system="@grep1=alpha | three\n")
    run = box.start(box.win("notes\\a.txt") + " /#g1")
    run.keys(run.wait_menu(), "Down", "Return")  # the first listed line is line 4
    run.wait()
    entry = box.wait_recorded()[0]
    check(arguments_of(entry, box).endswith(b" 4"), "arguments %r" % arguments_of(entry, box))


def test_a_keyword_set_chosen_in_the_grep_menu_shows_the_page_filtered():
    box = page_box("pages_grep_menu", system="@grep0=gamma | 日本語\n")
    run = box.start(box.win("notes\\a.txt"))
    # grep is the last item; its submenu holds "&all", then set 0.
    run.keys(run.wait_menu(), "Up", "Right", "Down", "Return")
    run.keys(run.wait_menu(), "Down", "Down", "Return")  # the second listed line: gamma, line 5
    run.wait()
    entry = box.wait_recorded()[0]
    check(arguments_of(entry, box).endswith(b" 5"), "arguments %r" % arguments_of(entry, box))


def test_a_file_submenu_of_the_folder_list_opens_with_right():
    box = page_box("pages_folder")
    run = box.start(box.win("notes"))
    run.keys(run.wait_menu(), "Down", "Right", "Down", "Return")  # b.txt, its second line
    run.wait()
    entry = box.wait_recorded()[0]
    expected = cp932(box.win("notes\\b.txt")) + b" 2"
    check(arguments_of(entry, box) == expected, "arguments %r" % arguments_of(entry, box))


def test_an_owner_drawn_page_appears_and_works():
    box = page_box("pages_owner_drawn", system="@font=,16,7,0,,20,4,0\n@text=4,1,20,80,1,4,1,30,80,1\n")
    run = box.start(box.win("notes\\a.txt"))
    menu = run.wait_menu()
    run.keys(menu, "Down", "Down")
    screenshot(os.path.join(box.path, "owner-drawn.png"))
    run.keys(menu, "Return")
    run.wait()
    entry = box.wait_recorded()[0]
    check(arguments_of(entry, box).endswith(b" 2"), "arguments %r" % arguments_of(entry, box))


def test_a_utf8_file_and_settings_file_show_and_deliver_code_page_932():
    box = Sandbox("pages_utf8")
    box.file("memo.txt", "日本語の行\r\nother\r\n日本の二行目".encode("utf-8"))
    settings = "[system]\r\n@grep1=日本\r\n%end\r\n[exec]\r\n@clip | 写す\r\n%end\r\n"
    box.file("Qivora.ini", settings.encode("utf-8"))
    run = box.start(box.win("memo.txt") + " /#g1")  # set 1 takes its words from the settings file
    run.keys(run.wait_menu(), "Down", "Return")
    run.wait()
    check(run.clipboard == cp932("日本語の行\r\n日本の二行目"), "clipboard %r" % run.clipboard)
