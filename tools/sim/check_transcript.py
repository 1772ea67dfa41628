#!/usr/bin/env python3
"""Replays a simulator transcript with its own reading of the rules and reports every event
that disagrees: dealt cards must be a legal draw from one 40-card deck per set, every result
must be what the table at that moment gives, every computer decision what its algorithm gives.
Usage: check_transcript.py FILE   (exit status 0 when the whole transcript is consistent)"""
import json
import sys

TB = ("+1T", "1T", "-1T")


def value(text):
    if text in TB:
        return -1 if text.startswith("-") else 1
    return int(text)


def side_texts(slots, side):
    out = []
    for s in range(9 * side, 9 * side + 9):
        if slots[s][0] == "":
            break
        out.append(slots[s][0])
    return out


def count(slots, side):
    return sum(value(t) for t in side_texts(slots, side))


def expected_result(slots, stands, last_side):
    p, o = count(slots, 0), count(slots, 1)
    if p > 20:
        return 1 if o <= 20 else 0
    if o > 20:
        return 0
    if not stands[0] and not stands[1]:
        return 5
    if not stands[0]:
        return 0 if p > o else 3
    if not stands[1]:
        return 1 if p < o else 4
    if p != o:
        return 0 if p > o else 1
    for side in (0, 1):
        texts = side_texts(slots, side)
        if texts and texts[-1] in TB and last_side == side:
            return side
    return 2


def temp_value(kind, c, texts):
    if 0 <= kind <= 5:
        return kind + 1
    if 6 <= kind <= 11:
        return -(kind - 5)
    sign = 1 if c < 20 else -1
    if 12 <= kind <= 17:
        return sign * (kind - 11)
    if kind == 18:
        return sign
    if kind == 19:
        return value(texts[-1]) if texts else 0
    if kind in (20, 21):
        a, b = (2, 4) if kind == 20 else (3, 6)
        return sum(-2 * int(t) for t in texts if t in (str(a), str(-a), str(b), str(-b)))
    if kind == 22:
        return 2 if c <= 18 else (-2 if c >= 22 else 20 - c)
    return 0


def decide(hand, c, p, s):
    for i, (kind, v) in enumerate(hand):
        if kind != -1 and c + v <= 20:
            n = c + v
            if p > n or v == 0:
                return i, False
            return i, c > 20 or (n >= 19 and not (s and c > p)) or (s and c <= p and c > 10)
    return None, False


class Replay:
    def __init__(self):
        self.errors = 0
        self.slots = [("", -1)] * 22
        self.computer = []

    def fail(self, line, message):
        self.errors += 1
        if self.errors <= 20:
            print(f"line {line}: {message}")

    def new_set(self):
        self.stands = [False, False]
        self.dealt = []
        self.last_side = 0

    def on_slot(self, n, e):
        s = e["slot"]
        old = self.slots[s][0]
        self.slots[s] = (e["text"], e["face"])
        if s < 18 and old == "" and e["text"] != "":
            self.last_side = 0 if s < 9 else 1
            if e["face"] == 5:
                self.dealt.append(int(e["text"]))
                if self.dealt.count(int(e["text"])) > 4 or len(self.dealt) > 40:
                    self.fail(n, f"deal of {e['text']} is not possible from one deck")

    def on_ai(self, n, e):
        c, p = e["count"], e["player"]
        if c != count(self.slots, 1) or p != count(self.slots, 0):
            self.fail(n, "counts of the decision differ from the table")
        texts = side_texts(self.slots, 1)
        hand = [[k, temp_value(k, c, texts) if k != -1 else 0] for k in self.computer]
        for _ in range(3):
            for i in range(3):
                if hand[i][1] < hand[i + 1][1]:
                    hand[i], hand[i + 1] = hand[i + 1], hand[i]
        got = [[h["kind"], h["temp"]] for h in e["hand"]]
        if got != hand:
            self.fail(n, f"sorted hand {got} expected {hand}")
        cand, play = decide(hand, c, p, e["playerStands"])
        if cand != e["candidate"] or play != e["played"]:
            self.fail(n, f"decision {e['candidate']}/{e['played']} expected {cand}/{play}")
        if play:
            hand[cand][0] = -1
        self.computer = [h[0] for h in hand]

    def run(self, path):
        with open(path) as f:
            for n, line in enumerate(f, 1):
                e = json.loads(line)
                ev = e["ev"]
                if ev == "slot":
                    self.on_slot(n, e)
                elif ev == "set":
                    self.new_set()
                elif ev == "hand" and e["side"] == 1:
                    self.computer = list(e["kinds"])
                elif ev == "stand":
                    self.stands[e["side"]] = True
                elif ev == "ai":
                    self.on_ai(n, e)
                elif ev == "result":
                    want = expected_result(self.slots, self.stands, self.last_side)
                    if want != e["code"]:
                        self.fail(n, f"result {e['code']} expected {want}")
        return self.errors


if __name__ == "__main__":
    replay = Replay()
    replay.new_set()
    errors = replay.run(sys.argv[1])
    print(f"{errors} inconsistent events")
    sys.exit(1 if errors else 0)
