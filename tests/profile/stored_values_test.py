"""Every lasting value a foreign tool may have written into User.dat, started through the real
game on a private desktop: the field holds a value outside what the game uses, the game starts
and opens the window that reads it, and it must go on running. What it says about the value is
checked too: a message under the reading procedure's name, or nothing where it falls back.

Usage: stored_values_test.py <QueltaBrovel>  (screenshots go to $QB_SHOTS_DIR if set)
"""

import os
import sys
import tempfile
import time
import unittest

from qbatspi import DesktopTestCase
from qbgame import answer, message_box
from qbrecord import (CAMPAIGN_SIDEDECK, CARDS, CREDITS, HIGHSCORE, LANGUAGE_FILE, LEVEL, LOSSES,
                      MUSIC_FILE, NAME, ONLINE_ID, PORT, SAVE_MODE, SIDEDECK, TEMP_CREDITS,
                      TEMP_IP, TEXT_WIDTH, WINS, default_record, put_checksum, put_ints,
                      put_text)

GAME = None

def ints(offset, *values):
    return lambda record: put_ints(record, offset, *values)


def text(offset, data):
    return lambda record: put_text(record, offset, data)


# field, what is written, the window that reads it, the messages it gives, in order.
# Fields the checksum covers get a recomputed checksum, as a tool that knows it would write.
CASES = [
    ("MusicFile", ints(MUSIC_FILE, 40000), "start", ["Error 6 in StartMusic: Overflow"]),
    ("MusicFile", ints(MUSIC_FILE, -40000), "options",
     ["Error 6 in StartMusic: Overflow", "Error 6 in frmSettings: Overflow"]),
    ("MusicFile", ints(MUSIC_FILE, 7), "options", []),
    ("Port", ints(PORT, 70000), "options", []),
    ("Port", ints(PORT, -5), "options", []),
    ("OnlineID", ints(ONLINE_ID, -2147483648), "options", []),
    ("SidedeckSaveMode", ints(SAVE_MODE, 40000), "single", ["Error 6 in frmSelectCards: Overflow"]),
    ("SidedeckCards", ints(SIDEDECK, 23, -7, 2147483647, 5), "single", []),
    ("CampaignSidedeckCards", ints(CAMPAIGN_SIDEDECK, 23, -7, 0, 1), "campaign play", []),
    ("Card", ints(CARDS + 4 * 2, 300), "campaign play", ["Error 6 in frmSelectCards: Overflow"]),
    ("Card", ints(CARDS + 4 * 3, -7), "campaign play", ["Error 6 in frmSelectCards: Overflow"]),
    ("Card", ints(CARDS + 4 * 0, 300), "trade", []),
    ("Level", ints(LEVEL, 0), "campaign", ["Error 21 in CreateNPC: Invalid player level."]),
    ("Level", ints(LEVEL, 28), "campaign", ["Error 21 in CreateNPC: Invalid player level."]),
    ("Level", ints(LEVEL, 200), "campaign play", ["Error 21 in CreateNPC: Invalid player level."]),
    ("Level", ints(LEVEL, 300), "campaign",
     ["Error 6 in frmCampaign: Overflow", "Error 6 in CreateNPC: Overflow",
      "Error 21 in CreateNPC: Invalid player level."]),
    ("Wins", ints(WINS, 40000), "campaign", ["Error 6 in frmCampaign: Overflow"]),
    ("Losses", ints(LOSSES, -40000), "campaign", ["Error 6 in frmCampaign: Overflow"]),
    ("TempCredits", ints(TEMP_CREDITS, 2147483647), "campaign", ["Error 6 in frmCampaign: Overflow"]),
    ("Credits", ints(CREDITS, -2147483648), "campaign", []),
    ("Highscore", ints(HIGHSCORE, 2147483647), "single", []),
    ("Highscore", ints(HIGHSCORE, -2147483648), "single", []),
    ("Name", text(NAME, b"\x01\x07\x1b[2J\x00\x00\x7f\x9d"), "single", []),
    ("Name", text(NAME, b"\x00" * TEXT_WIDTH), "single", []),
    ("TempIP", text(TEMP_IP, b"\x00\x08\x0a\x0d"), "start", []),
]
COVERED = {"Card", "Level", "Wins", "Losses", "TempCredits", "Credits", "Highscore"}


class StoredValues(DesktopTestCase):

    def start(self, record):
        home = tempfile.TemporaryDirectory(prefix="qb-stored-")
        self.addCleanup(home.cleanup)
        self.home = home.name
        folder = os.path.join(home.name, "QueltaBrovel")
        os.makedirs(folder)
        with open(os.path.join(folder, "User.dat"), "wb") as f:
            f.write(bytes(record))
        app = self.session.launch([GAME], env={"XDG_DATA_HOME": home.name, "HOME": home.name,
                                               "ALSOFT_DRIVERS": "null"})
        self.addCleanup(app.stop)
        return app

    def settle(self, app, reached, what, grace=0.0):
        """Answers every message box until the window the case opens is there, and for grace
        seconds more."""
        messages = []
        deadline = time.monotonic() + self.session.timeout
        settled = None
        while time.monotonic() < deadline:
            self.assertTrue(app.running, "the game ended: %s" % self.session.log_of(app))
            box = self.message_box(app)
            if box is not None:
                messages.append(answer(app, box, "OK"))
            elif reached():
                settled = settled or time.monotonic()
                if time.monotonic() >= settled + grace:
                    return messages
            time.sleep(0.2)
        self.fail("%s never appeared (messages: %r)" % (what, messages))

    @staticmethod
    def message_box(app):
        return message_box(app, "OK")

    def press(self, app, name):
        app.find(name, role="push button").press()

    def open_where(self, app, where):
        menu = lambda: app.find("Single Game", role="push button", timeout=0)
        # The music starts a moment after the menu is on screen.
        messages = self.settle(app, menu, "the main menu", grace=2.5)
        steps = {
            "start": [],
            "options": [("Options", "Settings")],
            "single": [("Single Game", "Choose your cards")],
            "campaign": [("Campaign", "Trade")],
            "campaign play": [("Campaign", "Trade"), ("Play", "Choose your cards")],
            "trade": [("Campaign", "Trade"), ("Trade", "Buy")],
        }[where]
        for button, shows in steps:
            self.press(app, button)
            messages += self.settle(
                app, lambda: app.find(name_contains=shows, timeout=0), "'%s'" % shows)
        return messages

    def test_no_stored_value_ends_the_game(self):
        for field, write, where, expected in CASES:
            with self.subTest(field=field, where=where, expected=expected):
                record = default_record()
                write(record)
                if field in COVERED:
                    put_checksum(record)
                app = self.start(record)
                messages = self.open_where(app, where)
                time.sleep(0.5)
                self.assertTrue(app.running, self.session.log_of(app))
                self.assertEqual(messages, expected)
                app.stop()

    def test_a_language_file_outside_the_program_folder_is_refused(self):
        record = default_record()
        text(LANGUAGE_FILE, "../../../../../../etc/passwd")(record)
        app = self.start(record)
        box = app.wait_for(lambda: self.message_box(app), what="the loader's message")
        box.find("OK", role="push button").press()
        # Refused the specified way: the loader's message, then an orderly end, not a signal.
        self.assertEqual(app.wait_exit(), 0)

    def test_a_damaged_record_names_the_file_to_delete(self):
        record = default_record()
        put_ints(record, CREDITS, 999999)  # the checksum no longer matches
        app = self.start(record)
        box = app.wait_for(lambda: self.message_box(app), what="the failed-to-load message")
        lines = box.name.split("\n")
        self.assertEqual(lines[0], "Failed to load settings. Delete the file User.dat to reset "
                                   "Quelta Brovel.")
        self.assertEqual(lines[1], os.path.join(self.home, "QueltaBrovel", "User.dat"))
        self.session.screenshot("damaged-record.png")
        box.find("OK", role="push button").press()
        self.assertEqual(app.wait_exit(), 0)


if __name__ == "__main__":
    GAME = sys.argv.pop(1)
    unittest.main()
