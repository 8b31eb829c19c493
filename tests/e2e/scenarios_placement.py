"""Where the menu appears, by "@menu=" and "/#m="."""
from harness import Sandbox, check, x


def menu_geometry(box, arguments="", mouse=None):
    if mouse:
        x("mousemove", str(mouse[0]), str(mouse[1]))
    run = box.start(arguments)
    menu = run.wait_menu()
    values = dict(line.split("=") for line in x("getwindowgeometry", "--shell", menu).split())
    run.keys(menu, "Escape")
    run.wait()
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def near(a, b, slack=3):
    return abs(a - b) <= slack


def test_every_placement_mode():
    box = Sandbox("placement")
    screen_width, screen_height = 1024, 768
    box.settings("[system]\n@menu=center\n%end\n")
    left, top, width, height = menu_geometry(box)
    check(near(left + width // 2, screen_width // 2), "centre x: %d+%d/2" % (left, width))
    # The vertical centre is half the height of a maximised window, which with its frame is
    # a little more than the screen's.
    check(screen_height // 2 <= top + height // 2 <= screen_height // 2 + 30, "centre y: %d+%d/2" % (top, height))

    box.settings("[system]\n@menu=120,80\n%end\n")
    left, top, _, _ = menu_geometry(box)
    check((left, top) == (120, 80), "fixed at %d,%d" % (left, top))

    box.settings("[system]\n@menu=mouse\n%end\n")
    left, top, _, _ = menu_geometry(box, mouse=(300, 200))
    check((left, top) == (300, 200), "at the mouse: %d,%d" % (left, top))

    left, top, _, height = menu_geometry(box, "/#m=mous2", mouse=(400, 300))
    check(left == 400 and near(top + height // 2, 300), "centred on the mouse: %d,%d h %d" % (left, top, height))
