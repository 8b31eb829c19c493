"""Starting on a folder, and the switches that override the settings for one run."""
from harness import Sandbox, arguments_of, check, cp932, exec_section, lines_text


def folder_box(name, settings_name="Qivora.ini"):
    box = Sandbox(name)
    box.file("docs/b.txt", lines_text(["b line"]))
    box.file("docs/a.txt", lines_text(["a line"]))
    box.file("docs/c.log", lines_text(["c line"]))
    box.settings("[system]\n@editor=recorder\n%end\n" + exec_section(("recorder | rec", "%P %$J")), settings_name)
    return box


def test_the_folder_list_is_sorted_and_keeps_the_fixed_items_nested():
    box = folder_box("folders_list")
    run = box.start(box.win("docs"))
    run.keys(run.wait_menu(), "Right", "Return")  # the first file is a.txt; its first line
    run.wait()
    entry = box.wait_recorded()[0]
    check(arguments_of(entry, box) == cp932(box.win("docs\\a.txt")) + b" 1", "arguments %r" % arguments_of(entry, box))

    # The version item is last (c.log is not listed): Up reaches it, Right opens it.
    run = box.start('"%s\\"' % box.win("docs"))  # quoted, with a trailing backslash
    run.keys(run.wait_menu(), "Up", "Right", "Return")
    run.wait()
    entry = box.wait_recorded(2)[1]
    check(arguments_of(entry, box) == cp932(box.win("Qivora.ini")), "arguments %r" % arguments_of(entry, box))


def test_a_settings_switch_names_a_file_in_a_subfolder():
    box = folder_box("folders_switch", settings_name="conf/alt.ini")
    run = box.start("/#S=conf\\alt.ini " + box.win("docs"))
    run.keys(run.wait_menu(), "Up", "Right", "Return")
    run.wait()
    entry = box.wait_recorded()[0]
    check(arguments_of(entry, box) == cp932(box.win("conf\\alt.ini")), "arguments %r" % arguments_of(entry, box))


def test_an_empty_settings_switch_shows_the_error():
    box = folder_box("folders_empty_switch")
    run = box.start("/#s= " + box.win("docs"))
    window = run.wait_window(name="^Qivora$")
    run.keys(window, "Return")
    run.wait()
    check(run.exit_code == "0", "exit code %s" % run.exit_code)
    check("設定ファイル異常" in run.texts, "texts %s" % run.texts)


def test_a_named_file_adds_its_extension_and_shows_its_page():
    box = folder_box("folders_file")
    run = box.start(box.win("docs\\c.log") + " /#m=mouse")
    # The page of c.log: heading, then its line; Up x4 from the heading is Next: a.txt.
    run.keys(run.wait_menu(), "Up", "Up", "Up", "Up", "Return")
    run.keys(run.wait_menu(), "Down", "Return")
    run.wait()
    entry = box.wait_recorded()[0]
    # a.txt, b.txt, c.log by name: after c.log, Next wraps to a.txt.
    check(arguments_of(entry, box) == cp932(box.win("docs\\a.txt")) + b" 1", "arguments %r" % arguments_of(entry, box))
