"""Drives the running game through its accessibility tree from the menu to a match at the table,
saving a picture of the menu and one of the table (the screen cut to the window, with a margin).
usage: drive-to-table.py <output folder>"""

import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

MARGIN = 24


def application(name, timeout=30):
    end = time.time() + timeout
    while time.time() < end:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == name:
                return app
        time.sleep(0.2)
    raise SystemExit(f"no application {name} on the accessibility bus")


def walk(node):
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from walk(child)


def showing(node):
    return node.get_state_set().contains(Atspi.StateType.SHOWING)


def find(app, name, role=None, timeout=30):
    end = time.time() + timeout
    while time.time() < end:
        for node in walk(app):
            if node.get_name() == name and showing(node) and (role is None or node.get_role() == role):
                return node
        time.sleep(0.2)
    raise SystemExit(f"nothing named {name!r} is shown")


def press(node):
    Atspi.Action.do_action(node, 0)
    time.sleep(0.3)


def window_of(node):
    while node.get_parent().get_role() != Atspi.Role.APPLICATION:
        node = node.get_parent()
    return node


def shoot(window, path):
    box = window.get_extents(Atspi.CoordType.SCREEN)
    geometry = f"{box.width + 2 * MARGIN}x{box.height + 2 * MARGIN}+{box.x - MARGIN}+{box.y - MARGIN}"
    subprocess.run(["import", "-window", "root", "-crop", geometry, "+repage", path], check=True)


def main():
    out = sys.argv[1]
    game = application("QueltaBrovel")
    single = find(game, "Single Game", Atspi.Role.PUSH_BUTTON)
    time.sleep(1.5)
    shoot(window_of(single), f"{out}/menu.png")

    press(single)
    wager = find(game, "How much do you want to wager?", Atspi.Role.TEXT)
    Atspi.EditableText.set_text_contents(wager, "10")
    press(find(game, "Wager", Atspi.Role.PUSH_BUTTON))

    for card in ["+1", "+2", "+3", "+4", "-1", "-2", "-3", "-4", "+5", "-5"]:
        press(find(game, card, Atspi.Role.PUSH_BUTTON))
    press(find(game, "Play", Atspi.Role.PUSH_BUTTON))
    # One turn each, then the player lays a hand card: the table shows both sides' cards and the
    # player's hand in the middle of a set.
    end_turn = find(game, "End Turn", Atspi.Role.PUSH_BUTTON)
    time.sleep(2.5)
    press(end_turn)
    time.sleep(4)
    hand = [n for n in walk(game) if (n.get_name() or "").startswith("Your hand ") and showing(n)]
    press(hand[0])
    time.sleep(1.5)
    shoot(window_of(end_turn), f"{out}/table.png")

main()
