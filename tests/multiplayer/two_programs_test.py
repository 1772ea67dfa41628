"""Two real programs play a whole multiplayer match over loopback, driven from outside through
their accessibility trees: one hosts on 127.0.0.1, the other joins; both choose their side decks,
chat both ways, play until the match is decided and end at their menus. A second run ends with
the other side disappearing mid-match.

Usage: two_programs_test.py <QueltaBrovel>  (screenshots go to $QB_SHOTS_DIR if set)
"""

import os
import socket
import struct
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "utility"))

from qbatspi import DesktopTestCase  # noqa: E402
from utility_wizard_test import default_record, text_field  # noqa: E402

GAME = None
DECK = ["+1", "+2", "+3", "+4", "+5", "-1", "-2", "\u00b11", "\u00b12", "D"]
MAX_ROUNDS = 400


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def press_if_there(app, name=None, name_contains=None):
    """Presses the control if it is on screen now; windows close under the player's hand."""
    control = app.find(name, role="push button", name_contains=name_contains, timeout=0)
    if control is None or not control.enabled:
        return False
    try:
        control.press()
    except Exception:  # it went away between finding and pressing
        return False
    return True


def profile(name, port):
    """A player's folder with a User.dat of its own name and the shared port."""
    record = default_record()
    record = record.replace(text_field("Player", 150), text_field(name, 150))
    record = record.replace(struct.pack("<3i", 1, 0, 333), struct.pack("<3i", 1, 0, port))
    folder = tempfile.mkdtemp(prefix="qb-mp-")
    os.makedirs(os.path.join(folder, "QueltaBrovel"))
    with open(os.path.join(folder, "QueltaBrovel", "User.dat"), "wb") as f:
        f.write(record)
    return folder


class TwoPrograms(DesktopTestCase):

    def shot(self, name):
        if os.environ.get("QB_SHOTS_DIR"):
            self.session.screenshot(name)

    def launch_pair(self):
        port = free_port()
        env = {"ALSOFT_DRIVERS": "null"}
        host = self.session.launch([GAME], env=dict(env, XDG_DATA_HOME=profile("Anna", port)),
                                   name="host")
        client = self.session.launch([GAME], env=dict(env, XDG_DATA_HOME=profile("Bert", port)),
                                     name="client")
        return host, client

    def connect(self, host, client):
        host.find("Multiplayer", role="push button").press()
        host.find("Host", role="push button").press()
        host.find(role="label", name_contains="Listening")
        self.shot("multiplayer-waiting.png")
        client.find("Multiplayer", role="push button").press()
        address = client.find("IP", role="text")
        address.set_text("")
        client.find("Join", role="push button", enabled=False)
        address.set_text("127.0.0.1")
        client.find("Join", role="push button", enabled=True).press()
        for app in (host, client):
            app.find("Play", role="push button")
            for kind in DECK:
                app.find(kind, role="push button").press()
            app.find("Side deck 10: D", role="push button")
        host.find("Play", role="push button").press()
        host.find("Cancel", role="push button")
        client.find("Play", role="push button").press()
        for app, other in ((host, "Bert"), (client, "Anna")):
            app.find(role="label", name=other + " has joined the game.")

    def chat(self, sender, receiver, text, name):
        sender.find("Send", role="text").set_text(text)
        sender.find("Send", role="push button").press()
        line = "[%s] %s" % (name, text)
        sender.find(role="label", name=line)
        receiver.find(role="label", name=line)

    def play_round(self, apps, round_number):
        """Everyone presses what a player would; presses out of turn are ignored by the table."""
        for app in apps:
            if not app.running or press_if_there(app, "OK"):
                continue
            if round_number % 5 == 0:
                press_if_there(app, name_contains="Your hand 1: ")
            press_if_there(app, "End Turn")

    def answer_box(self, app):
        press_if_there(app, "OK")
        return False

    def at_menu(self, app):
        return app.find("Single Game", role="push button", timeout=0) is not None

    def test_a_whole_match_with_chat_both_ways(self):
        host, client = self.launch_pair()
        self.connect(host, client)
        self.chat(host, client, "Good luck, Bert!", "Anna")
        self.chat(client, host, "Thanks - \u00e9t\u00e9 \u20ac", "Bert")
        self.shot("multiplayer-table-chat.png")
        for round_number in range(MAX_ROUNDS):
            if self.at_menu(host) and self.at_menu(client):
                break
            self.play_round((host, client), round_number)
        else:
            self.shot("multiplayer-stuck.png")
            self.fail("the match did not end")
        self.shot("multiplayer-end.png")
        # A decided match closes the connection without a message on either side.
        self.assertIsNone(host.find("OK", role="push button", timeout=0))
        self.assertIsNone(client.find("OK", role="push button", timeout=0))
        self.assertTrue(host.running and client.running)
        host.stop()
        client.stop()

    def test_the_other_side_disappearing_mid_match(self):
        host, client = self.launch_pair()
        self.connect(host, client)
        for round_number in range(4):
            self.play_round((host, client), round_number)
        client.stop()
        host.find("Closing connection", role="dialog")
        self.shot("multiplayer-connection-lost.png")
        # A set result may have been on screen too: the player answers every box.
        host.wait_for(lambda: self.at_menu(host) or self.answer_box(host), what="the host's menu")
        self.assertTrue(host.running)
        host.stop()


if __name__ == "__main__":
    GAME = sys.argv.pop(1)
    unittest.main()
