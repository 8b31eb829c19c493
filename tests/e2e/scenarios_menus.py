"""The menus the real program builds, places, fills and closes, and what their choices deliver."""
import subprocess

from harness import Sandbox, check, cp932, exec_section, geometry, lines_text, wine_dword, x


def test_a_file_submenu_of_the_folder_list_and_its_launcher_submenu_fill_as_they_open():
    box = Sandbox("menus_folder")
    box.file("docs/b.txt", lines_text(["b の一行目", "b second"]))
    box.file("docs/a.txt", lines_text(["a line"]))
    box.file("docs/c.log", lines_text(["c line"]))
    box.settings("[system]\n%end\n" + exec_section("recorder | rec", "@clip | 写す"))
    run = box.start(box.win("docs"), clip="old text")
    # The list: a.txt, b.txt (no c.log). Right opens b.txt's lines; from its first line
    # Up reaches grep, then the launcher item, whose submenu holds rec, 写す.
    run.keys(run.wait_window(), "Down", "Right", "Up", "Up", "Right", "Down", "Return")
    run.wait()
    check(run.clipboard == cp932("b の一行目\r\nb second\r\n"), "clipboard %r" % run.clipboard)
    check(box.recorded() == [], "a program was run")


def test_an_owner_drawn_page_runs_the_program_with_the_chosen_line_in_its_folder():
    box = Sandbox("menus owner drawn")  # a blank in every path
    box.file("notes/a.txt", lines_text(["alpha", "日本語の行", "beta"]))
    box.settings("[system]\n@font=,16,7,0,,20,4,0\n@text=4,1,20,80,1,4,1,30,80,1\n%end\n" +
                 exec_section(("recorder | rec", "%P %$J")))
    run = box.start('"%s"' % box.win("notes\\a.txt"))
    run.keys(run.wait_window(), "Down", "Down", "Return")  # from the heading: line 2
    run.wait()
    entry = box.wait_recorded()[0]
    check(entry[b"cmdline"] == box.recorder_command(box.win("notes\\a.txt") + " 2"), "recorder saw %r" % entry)
    check(entry[b"cwd"].rstrip(b"\\") == cp932(box.win()).rstrip(b"\\"), "working folder %r" % entry[b"cwd"])


def test_utf8_settings_and_file_and_a_keyword_set_chosen_shows_the_page_again():
    box = Sandbox("menus_utf8")
    box.file("memo.txt", "日本語の行\r\nother\r\n日本の二行目".encode("utf-8"))
    box.file("Qivora.ini", "[system]\r\n@grep1=日本\r\n%end\r\n[exec]\r\n@clip | 写す\r\n%end\r\n".encode("utf-8"))
    run = box.start(box.win("memo.txt"))
    # grep is the last item; its submenu holds "&all", then set 1: the page comes back, filtered.
    run.keys(run.wait_window(), "Up", "Right", "Down", "Return")
    run.keys(run.wait_window(), "Down", "Return")
    run.wait()
    check(run.clipboard == cp932("日本語の行\r\n日本の二行目"), "clipboard %r" % run.clipboard)


def test_every_placement_mode():
    box = Sandbox("menus_placement")

    def placed(menu_option, arguments="", mouse=None):
        box.settings("[system]\n@menu=%s\n%%end\n" % menu_option)
        if mouse:
            x("mousemove", *mouse)
        run = box.start(arguments)
        menu = run.wait_window()
        place = geometry(menu)
        run.keys(menu, "Escape")
        run.wait()
        return place

    left, top, width, height = placed("center")
    check(abs(left + width // 2 - 512) <= 3, "centre x: %d+%d/2" % (left, width))
    # Half the height of a maximised window, which with its frame is a little more than the screen's.
    check(384 <= top + height // 2 <= 384 + 30, "centre y: %d+%d/2" % (top, height))
    check(placed("120,80")[:2] == (120, 80), "not at the fixed point")
    check(placed("mouse", mouse=(300, 200))[:2] == (300, 200), "not at the mouse")
    left, top, _, height = placed("center", "/#m=mous2", mouse=(400, 300))
    check(left == 400 and abs(top + height // 2 - 300) <= 3, "centred on the mouse: %d,%d h %d" % (left, top, height))
    # At 200 % the fixed point is scaled, and the owner-drawn lines grow as the menu font does.
    box.file("a.txt", lines_text(["alpha", "日本語の行", "beta"]))
    page = ("100,120\n@font=-1,16,4,0,,20,4,0", box.win("a.txt"))
    small = placed(*page)
    with wine_dword(r"HKCU\Control Panel\Desktop", "LogPixels", 192):  # Wine reads it at each start
        large = placed(*page)
    check(large[:2] == (200, 240) and 1.7 <= large[3] / small[3] <= 2.2, "at 192 DPI %r, at 96 %r" % (large, small))


def test_another_window_taking_the_foreground_closes_the_menu():
    box = Sandbox("menus_focus")
    box.settings("[system]\n%end\n")
    run = box.start()
    run.wait_window()
    other = subprocess.Popen(["wine", "notepad"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        run.wait()  # ends only when the menu closes
    finally:
        other.kill()
        subprocess.run(["wine", "taskkill", "/f", "/im", "notepad.exe"], capture_output=True)


def test_a_file_copied_whole_ends_each_line_at_its_nul():
    box = Sandbox("menus_nul")
    box.file("memo.txt", b"one\r\ntw\0o\r\nthree")
    box.settings("[system]\n%end\n" + exec_section("@clipX | all"))
    run = box.start(box.win("memo.txt"))
    run.keys(run.wait_window(), "Down", "Return")
    run.wait()
    check(run.clipboard == b"one\r\ntw\r\nthree", "clipboard %r" % run.clipboard)
