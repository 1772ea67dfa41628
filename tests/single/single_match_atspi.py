"""A whole single-game match played through the accessibility tree alone, as a player with a
screen reader would: controls are found by accessible name and role, whose turn it is and both
counts are read from the tree, and every press is an accessibility action. No coordinates.

Usage: single_match_atspi.py <QueltaBrovel> [language file]  (screenshots go to $QB_SHOTS_DIR)
"""

import os
import sys
import tempfile
import time
import unittest

from qbatspi import Session
from qbrecord import LANGUAGE_FILE, default_record, put_text, write

GAME = None
LANGUAGE = "English.ini"
PLAYER = "Player"  # the name of a new profile
# The side deck: ten cards, pressed by their names in the selection.
DECK = ["+1", "+2", "+3", "+4", "-1", "-2", "-3", "-4", "\u00b11", "\u00b12"]


def texts_of(language):
    """The few texts the script looks for, from the game's own language file beside it."""
    with open(os.path.join(os.path.dirname(GAME), language), encoding="utf-8") as f:
        lines = f.read().split("\n")
    return {"single": lines[5], "wager": lines[46], "play": lines[42], "ok": lines[0],
            "end turn": lines[25], "stand": lines[26], "hand": lines[11],
            "won": lines[65], "lost": lines[64]}


class SingleMatch(unittest.TestCase):
    def setUp(self):
        self.session = Session(screenshots=os.environ.get("QB_SHOTS_DIR"), timeout=30)
        self.session.start()
        self.addCleanup(self.session.close)
        self.home = tempfile.TemporaryDirectory(prefix="qb-match-")
        self.addCleanup(self.home.cleanup)
        self.t = texts_of(LANGUAGE)
        self.shot = LANGUAGE.split(".")[0].lower()

    def record_language(self):
        """A new profile that reads the chosen language: the game writes its defaults first."""
        folder = os.path.join(self.home.name, "QueltaBrovel")
        os.makedirs(folder)
        record = default_record()
        put_text(record, LANGUAGE_FILE, LANGUAGE)
        write(os.path.join(folder, "User.dat"), record)

    def message_box(self):
        # The message box is the window whose only label is its message, also its title.
        for window in self.app.windows():
            labels = window.find_all(role="label")
            if len(labels) == 1 and labels[0].text == window.name and window.find(
                    self.t["ok"], role="push button", timeout=0):
                return window
        return None

    def answer_boxes(self):
        """Closes every message box that is open, returning their texts."""
        said = []
        while True:
            box = self.message_box()
            if box is None:
                return said
            said.append(box.name)
            box.find(self.t["ok"], role="push button").press()
            self.app.wait_for(lambda: self.message_box() is None or
                              self.message_box().name != said[-1] or len(said) > 50,
                              what="the message box to close")

    def table_state(self):
        """Whose turn, both counts, and what the player may use, read from the tree."""
        end_turn = self.app.find(self.t["end turn"], role="push button", timeout=0)
        if end_turn is None:
            return None
        lights = [c.name for c in self.app.find_all(name_contains="\u25b6 ")]
        counts = {c.name.split(": ")[0]: int(c.name.split(": ")[1])
                  for c in self.app.find_all(role="label")
                  if ": " in c.name and c.name.split(": ")[1].isdigit()}
        hand = [c for c in self.app.find_all(role="push button", name_contains=self.t["hand"])
                if c.enabled]
        return {"mine": end_turn.enabled, "lights": lights, "count": counts.get(PLAYER),
                "counts": counts, "hand": hand}

    def test_a_whole_match_through_the_accessibility_tree(self):
        self.record_language()
        self.app = self.session.launch([GAME], env={
            "XDG_DATA_HOME": self.home.name, "HOME": self.home.name, "ALSOFT_DRIVERS": "null"})
        self.addCleanup(self.app.stop)
        self.app.find(self.t["single"], role="push button").press()
        self.app.find(self.t["wager"], role="push button").press()
        for card in DECK:
            self.app.find(card, role="push button").press()
        self.app.find(role="push button", name_contains=": " + DECK[-1])  # the tenth slot
        self.app.find(self.t["play"], role="push button").press()

        self.app.find(self.t["end turn"], role="push button")
        seen_mine = seen_theirs = False
        said = []
        deadline = time.monotonic() + 600
        shot_taken = False
        while not any(m in (self.t["won"], self.t["lost"]) for m in said):
            self.assertLess(time.monotonic(), deadline, "the match never ended: %r" % said)
            self.assertTrue(self.app.running, self.session.log_of(self.app))
            said += self.answer_boxes()
            state = self.table_state()
            if state is None or state["count"] is None:
                time.sleep(0.1)
                continue
            # What the tree says agrees with itself: the light is on the side that may act.
            if state["mine"]:
                self.assertEqual(state["lights"], ["\u25b6 " + PLAYER], state)
                seen_mine = True
                if not shot_taken:
                    self.session.screenshot("match-%s.png" % self.shot)
                    shot_taken = True
                self.play_turn(state)
            else:
                seen_theirs = seen_theirs or state["lights"] not in ([], ["\u25b6 " + PLAYER])
                time.sleep(0.1)
        self.assertTrue(seen_mine and seen_theirs, "both sides had turns")
        self.assertTrue(self.app.running)

    def play_turn(self, state):
        """A plain strategy: mend a bust with a minus card, stand from 17, else end the turn."""
        count = state["count"]
        if count > 20:
            minus = [c for c in state["hand"] if ": -" in c.name]
            if minus:
                minus[0].press()
                self.app.wait_for(lambda: not self.app.find(minus[0].name, timeout=0) or
                                  self.message_box() is not None, what="the card played")
                return
        name = self.t["stand"] if count >= 17 else self.t["end turn"]
        self.app.find(name, role="push button").press()
        # The press is done once the turn has moved on (or the set is decided).
        self.app.wait_for(lambda: self.message_box() is not None or not self.app.find(
            self.t["end turn"], role="push button", timeout=0).enabled or (
            self.table_state() or {}).get("count") != count, what="the turn to move on")


if __name__ == "__main__":
    GAME = sys.argv.pop(1)
    if len(sys.argv) > 1 and sys.argv[1].endswith(".ini"):
        LANGUAGE = sys.argv.pop(1)
    unittest.main()
