"""The program against a small peer of our own that speaks the wire protocol as the game's
documentation writes it: the program hosts once and joins once, plays a whole match each time
(driven through its accessibility tree), and the peer checks every line the program sends:
framing, codes, digits, the order of the start (name, who begins, ready, joined) and that a
rewrite is told before its card.

Usage: foreign_peer_test.py <QueltaBrovel>
"""

import os
import random
import re
import socket
import sys
import threading
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))

from qbatspi import DesktopTestCase  # noqa: E402
from two_programs_test import DECK, free_port, press_if_there, profile  # noqa: E402

GAME = None
CARD = re.compile(r"^crd([01])([0-5])([+-]?(10|[0-9])T?)$")
LINE = {
    "nam": re.compile(r"^nam.{1,150}$"), "tn": re.compile(r"^tn[01]$"),
    "rdy": re.compile(r"^rdy$"), "plj": re.compile(r"^plj$"), "crd": CARD,
    "cva": re.compile(r"^cva[0-8][+-]?(10|[0-9])T?$"), "end": re.compile(r"^end$"),
    "std": re.compile(r"^std$"), "pc": re.compile(r"^pc[01]$"), "wn": re.compile(r"^wn[012]$"),
    "usi": re.compile(r"^usi$"), "stv": re.compile(r"^stv$"), "msg": re.compile(r"^msg.+$"),
}


class Peer(threading.Thread):
    """The other program: reads and checks every line, answers as a player would."""

    def __init__(self, sock, hosting):
        super().__init__(daemon=True)
        self.sock, self.hosting = sock, hosting
        self.buffer = b""
        self.errors, self.received = [], []
        self.finished = False
        self.rng = random.Random(13)

    def send(self, line):
        self.sock.sendall(line.encode("cp1252") + b"\r\n")

    def read(self, timeout=60):
        self.sock.settimeout(timeout)
        while b"\r\n" not in self.buffer:
            data = self.sock.recv(4096)
            if not data:
                return None
            self.buffer += data
        raw, self.buffer = self.buffer.split(b"\r\n", 1)
        line = raw.decode("cp1252")
        self.check(line)
        return line

    def check(self, line):
        self.received.append(line)
        code = line[:2] if line[:2] in ("tn", "pc", "wn") else line[:3]
        pattern = LINE.get(code)
        if pattern is None or not pattern.match(line):
            self.errors.append("malformed line %r" % line)
        if code == "tn" and not self.received[0].startswith("nam"):
            self.errors.append("who begins told before the name")
        if code == "plj" and not any(r == "rdy" for r in self.received):
            self.errors.append("joined before ready")
        previous = self.received[-2] if len(self.received) > 1 else ""
        if previous.startswith("cva") and not (code == "cva" or CARD.match(line)):
            self.errors.append("a rewrite not followed by its card: %r" % line)
        if code == "crd" and previous.startswith("cva") and line[4] != "4":
            self.errors.append("a rewrite before a card that is no 2&4 or 3&6: %r" % line)

    def expect(self, *codes):
        """The next line that is not chat, which must be one of codes."""
        while True:
            line = self.read()
            if line is None:
                return None
            if line.startswith("msg"):
                continue
            if not any(line.startswith(c) for c in codes):
                self.errors.append("expected %s, got %r" % ("/".join(codes), line))
            return line

    def start_of_match(self):
        if self.hosting:
            self.send("namPeer")
            self.send("tn1")
            self.expect("nam")
        else:
            self.expect("nam")
            tn = self.expect("tn")
            self.send("namPeer")
            self.client_begins = tn == "tn1"
        self.expect("rdy")
        self.send("rdy")
        self.expect("plj")
        self.send("plj")
        self.send("msg[Peer] Hello from the peer")

    def run(self):
        try:
            self.start_of_match()
            (self.play_as_host if self.hosting else self.play_as_client)()
            self.finished = True
        except Exception as error:  # reported by the test
            self.errors.append("peer stopped: %r" % error)

    # ---- The peer as the client: the program runs the rules ----
    def play_as_client(self):
        wins = [0, 0]
        count = 0
        while max(wins) < 3:
            line = self.expect("pc", "crd", "end", "std", "wn", "stv", "cva")
            if line is None:
                raise RuntimeError("connection closed before the match was decided")
            if line.startswith("crd1"):
                count += int(CARD.match(line).group(3).rstrip("T"))
            elif line == "pc0":
                self.pending_turn = True
            elif line.startswith("wn"):
                if line != "wn2":
                    wins[int(line[2]) == 0] += 1
                count = 0
                if max(wins) < 3:
                    self.send("usi")
            if line.startswith("crd1") and getattr(self, "pending_turn", False):
                self.pending_turn = False
                self.send("std" if count >= 17 else "end")
        self.expect_closed()

    # ---- The peer as the host: it deals, evaluates and decides ----
    def deal(self, side):
        value = self.rng.randint(1, 10)
        self.send("crd%d5%d" % (1 if side == 1 else 0, value))
        return value

    def play_as_host(self):
        wins = [0, 0]  # the peer's player, the program's player
        while max(wins) < 3:
            winner = self.play_set()
            if winner != 2:
                wins[winner] += 1
            self.send("wn%d" % {0: 1, 1: 0, 2: 2}[winner])
            if max(wins) < 3:
                self.expect("usi")
                self.send("stv")
        self.expect_closed()

    def play_set(self):
        """One set with the program's player beginning; returns 0 (peer), 1 (program) or 2."""
        own = other = 0
        own_stands = other_stands = False
        while True:
            if not other_stands:
                self.send("pc0")
                other += self.deal(1)
                action = self.expect("end", "std", "crd", "cva")
                while action.startswith("crd") or action.startswith("cva"):
                    if action.startswith("crd"):
                        other += int(CARD.match(action).group(3).rstrip("T"))
                    action = self.expect("end", "std", "crd", "cva")
                other_stands = other_stands or action == "std"
                if other > 20:
                    return 0
            if not own_stands:
                self.send("pc1")
                own += self.deal(0)
                if own > 20:
                    return 1
                if own >= 17:
                    own_stands = True
                    self.send("std")
                else:
                    self.send("end")
            if own_stands and other_stands:
                return 2 if own == other else (0 if own > other else 1)
            if own_stands and other > own:
                return 1
            if other_stands and own > other:
                return 0

    def expect_closed(self):
        line = self.read(timeout=30)
        while line is not None and line.startswith("msg"):
            line = self.read(timeout=30)
        if line is not None:
            self.errors.append("a line after the decided match: %r" % line)


class LeavingPeer(Peer):
    """A client that disappears at one step of the match."""

    STEPS = ("1 MB line", "connected", "named", "ready", "mid-set", "result shown")

    def __init__(self, sock, step):
        super().__init__(sock, hosting=False)
        self.step = step

    def run(self):
        try:
            self.leave_at(self.step)
        except Exception as error:
            self.errors.append("peer stopped: %r" % error)
        self.sock.close()
        self.finished = True

    def leave_at(self, step):
        if step == "connected":
            return
        self.expect("nam")
        self.expect("tn")
        self.send("namPeer")
        if step == "named":
            return
        self.expect("rdy")
        if step == "ready":
            return
        self.send("rdy")
        self.expect("plj")
        self.send("plj")
        if step == "1 MB line":
            # Garbage, a line in single bytes, then a line that never ends: the program
            # drops the first ones and closes the connection as broken on the last.
            self.sock.sendall(bytes(range(256)) + b"\r\nxyz\r\ncrd9\r\n")
            for byte in b"msg[Peer] one byte at a time\r\n":
                self.sock.sendall(bytes([byte]))
            try:
                self.sock.sendall(b"m" * (1 << 20))
                while self.read(timeout=30) is not None:
                    pass
            except ConnectionError:
                pass  # the program closed the connection while the line was still coming
            return
        while True:
            line = self.expect("pc", "crd", "end", "std", "wn", "cva")
            if step == "mid-set" and line.startswith("crd1"):
                return
            if step == "result shown" and line.startswith("wn"):
                return
            if line == "pc0":
                self.send("end")


class ForeignPeer(DesktopTestCase):

    def choose_deck(self, app):
        app.find("Play", role="push button")
        for kind in DECK:
            app.find(kind, role="push button").press()
        app.find("Side deck 10: D", role="push button")
        app.find("Play", role="push button").press()

    def play(self, app, peer):
        app.find(role="label", name="Peer has joined the game.")
        app.find(role="label", name="[Peer] Hello from the peer")
        deadline = time.monotonic() + 240
        while time.monotonic() < deadline:
            if app.find("Single Game", role="push button", timeout=0) is not None:
                break
            if not press_if_there(app, "OK"):
                press_if_there(app, "End Turn")
        peer.join(timeout=30)
        self.assertEqual(peer.errors, [])
        self.assertTrue(peer.finished)
        self.assertIsNotNone(app.find("Single Game", role="push button", timeout=0))
        self.assertIsNone(app.find("OK", role="push button", timeout=0))
        app.stop()

    def test_the_other_side_leaving_at_every_step(self):
        for step in LeavingPeer.STEPS:
            with self.subTest(step=step):
                port = free_port()
                app = self.session.launch([GAME], env={"XDG_DATA_HOME": profile("Anna", port)})
                app.find("Multiplayer", role="push button").press()
                app.find("Host", role="push button").press()
                app.find(role="label", name_contains="Listening")
                peer = LeavingPeer(socket.create_connection(("127.0.0.1", port)), step)
                peer.start()
                if step not in ("connected", "named"):
                    self.choose_deck(app)
                peer.join(timeout=60)
                self.assertEqual(peer.errors, [])
                app.find("Closing connection", role="dialog")
                # The player answers every box (a set result may be on screen as well).
                app.wait_for(lambda: app.find("Single Game", role="push button", timeout=0)
                             or press_if_there(app, "OK") and False, what="the menu")
                self.assertTrue(app.running)
                app.stop()

    def test_the_program_hosts(self):
        port = free_port()
        app = self.session.launch([GAME], env={"XDG_DATA_HOME": profile("Anna", port)})
        app.find("Multiplayer", role="push button").press()
        app.find("Host", role="push button").press()
        app.find(role="label", name_contains="Listening")
        peer = Peer(socket.create_connection(("127.0.0.1", port)), hosting=False)
        peer.start()
        self.choose_deck(app)
        self.play(app, peer)

    def test_the_program_joins(self):
        port = free_port()
        server = socket.create_server(("127.0.0.1", port))
        app = self.session.launch([GAME], env={"XDG_DATA_HOME": profile("Bert", port)})
        app.find("Multiplayer", role="push button").press()
        app.find("IP", role="text").set_text("127.0.0.1")
        app.find("Join", role="push button").press()
        server.settimeout(30)
        connection, _ = server.accept()
        server.close()
        peer = Peer(connection, hosting=True)
        peer.start()
        self.choose_deck(app)
        self.play(app, peer)


if __name__ == "__main__":
    GAME = sys.argv.pop(1)
    unittest.main()
