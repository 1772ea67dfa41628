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

from qbatspi import DesktopTestCase
from qbgame import answer_boxes, message_box
from qbrecord import LANGUAGE_FILE, default_record, put_text, write

GAME = None
LANGUAGE = "English.ini"
PLAYER = "Player"  # the name of a new profile
# The side deck: ten cards, pressed by their names in the selection.
DECK = ["+1", "+2", "+3", "+4", "-1", "-2", "-3", "-4", "\u00b11", "\u00b12"]
OWNED = ["+1", "+2", "+3", "+4", "+5", "+6", "-1", "-2", "-3", "-4"]


def texts_of(language):
    """The few texts the script looks for, from the game's own language file beside it."""
    # Language files are Windows-1252 text, one text a line.
    with open(os.path.join(os.path.dirname(GAME), language), encoding="cp1252") as f:
        lines = f.read().splitlines()
    return {"single": lines[5], "wager": lines[46], "play": lines[42], "ok": lines[0],
            "end turn": lines[25], "stand": lines[26], "hand": lines[11],
            "won": lines[65], "lost": lines[64], "quit game": lines[27], "yes": lines[28],
            "campaign": lines[4], "trade": lines[61], "close": lines[52]}


class SingleMatch(DesktopTestCase):

    def setUp(self):
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
        return message_box(self.app, self.t["ok"])

    def table_state(self):
        """The table as two readings in a row agree on it: the tree is read piece by piece while
        the game goes on, so a reading in the middle of a turn change is read again."""
        for _ in range(50):
            first, second = self.read_table(), self.read_table()
            if first is None or second is None:
                return None
            if all(first[key] == second[key] for key in ("mine", "lights", "counts")):
                return second
            time.sleep(0.05)
        self.fail("the table never held still")

    def read_table(self):
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

    def open_table(self):
        """From the menu to the table: the wager as offered, ten cards, Play."""
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
        return self.app.find(self.t["end turn"], role="push button")

    def test_quitting_while_the_computer_moves_closes_the_table(self):
        end_turn = self.open_table()
        end_turn.wait(lambda c: c.enabled, what="the player's turn")
        end_turn.press()
        end_turn.wait(lambda c: not c.enabled, what="the computer's turn")
        self.app.find(self.t["quit game"], role="push button").press()
        self.app.find(self.t["yes"], role="push button").press()
        self.app.find(self.t["single"], role="push button")  # the menu is back
        self.app.wait_for(lambda: self.app.find(self.t["end turn"], role="push button",
                                                timeout=0) is None, what="the table to close")
        time.sleep(2)  # whatever the computer still had in hand is over by now
        self.assertTrue(self.app.running, self.session.log_of(self.app))
        self.assertIsNone(self.app.find(self.t["end turn"], role="push button", timeout=0))

    def test_a_whole_match_through_the_accessibility_tree(self):
        self.open_table()
        said = self.play_match()
        print("the match as the messages told it:", said)

    # On a desktop without a window manager too: nothing but the game brings the campaign back.
    def test_a_campaign_match_books_its_stake_and_returns_to_the_campaign(self):
        self.record_language()
        self.app = self.session.launch([GAME], env={
            "XDG_DATA_HOME": self.home.name, "HOME": self.home.name, "ALSOFT_DRIVERS": "null"})
        self.addCleanup(self.app.stop)
        self.app.find(self.t["campaign"], role="push button").press()
        self.app.find("100", role="label")  # a new player's campaign credits
        self.app.find(self.t["play"], role="push button").press()
        self.app.find(self.t["wager"], role="push button").press()
        for card in OWNED:  # a new player owns one of each of these
            self.app.find(card, role="push button").press()
        self.app.find(role="push button", name_contains=": " + OWNED[-1])
        self.app.find(self.t["play"], role="push button").press()
        stake = self.app.find(role="label", name_contains=self.t["wager"] + ": ")
        wager, credits = [int(part.split(": ")[1]) for part in stake.name.split("   ")]
        self.assertGreater(wager, 0)
        self.assertEqual(credits, 100 - wager, "the stake is booked when the match starts")
        said = self.play_match()
        # Back at the campaign window, with the match settled: the stake lost or won back twice.
        self.app.find(self.t["trade"], role="push button")
        settled = int([c.name for c in self.app.find_all(role="label")
                       if c.name.lstrip("-").isdigit()][0])
        self.assertIn(settled, (100 - wager, 100 + wager), said)
        # The campaign window's own Close: the menu behind it has a Close too, which ends the game.
        campaign = [w for w in self.app.windows() if w.find_all(self.t["trade"], role="push button")]
        campaign[0].find(self.t["close"], role="push button").press()
        self.app.find(self.t["campaign"], role="push button")  # the menu again
        time.sleep(1)
        self.assertTrue(self.app.running, "the game goes on at the menu")

    def play_match(self):
        """Plays until the match's result is told; returns every message of the match."""
        seen_mine = seen_theirs = False
        said = []
        deadline = time.monotonic() + 600
        shot_taken = False
        # The match's result opens its message, whatever follows it (the credits being gone).
        ended = lambda m: m.splitlines()[0] in (self.t["won"], self.t["lost"])  # noqa: E731
        while not any(ended(m) for m in said):
            self.assertLess(time.monotonic(), deadline, "the match never ended: %r" % said)
            self.assertTrue(self.app.running, self.session.log_of(self.app))
            said += answer_boxes(self.app, self.t["ok"])
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
                time.sleep(0.1)
            # The opponent's count, read from the tree, shows that it has had its turns.
            seen_theirs = seen_theirs or any(
                count > 0 for name, count in state["counts"].items() if name != PLAYER)
        self.assertTrue(seen_mine and seen_theirs, "both sides had turns")
        sets = [m for m in said if not ended(m)]
        # Three sets won at least: the deciding one is told by the match's own message.
        self.assertGreaterEqual(len(sets), 2, said)
        self.assertTrue(self.app.running)
        return said

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
