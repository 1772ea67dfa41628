#!/usr/bin/env python3
"""Start-up, memory and idle figures of the game beside a minimal Qt window.

    bench/menu_figures.py [BIN_DIR] [--runs N]

BIN_DIR holds QueltaBrovel and qb_hello_window (default: build/bin). Everything runs in a private
Xvfb without a window manager, a private session bus and a private PulseAudio server with a null
sink, so the music really plays into a silent device. Measured:

- window on screen: from starting the process to the X server's first MapNotify of its top-level
  window (xev -root -event substructure), median of N runs after a discarded warm-up, for the
  hello window, the game with a fresh profile and the game with a returning one;
- RSS and PSS from /proc/PID/smaps_rollup 3 s after the window appears;
- processor time of the whole process over the next 10 s at the menu, music on and music off,
  and at the game table with music off (the menu driven with xdotool).
"""

import argparse
import os
import queue
import shutil
import signal
import statistics
import struct
import subprocess
import sys
import tempfile
import threading
import time

MUSIC_FILE_OFFSET = 164  # the music choice in User.dat, a 32-bit little-endian integer
SETTLE_S = 3.0
IDLE_S = 10.0


def wait_for(condition, limit_s, what):
    deadline = time.monotonic() + limit_s
    while not condition():
        if time.monotonic() > deadline:
            sys.exit(f"timed out waiting for {what}")
        time.sleep(0.02)


class Session:
    """The private X display, sound server and map watcher all runs share."""

    def __init__(self, work):
        self.work = work
        self.children = []
        self.maps = queue.Queue()
        self.runtime = os.path.join(work, "run")
        os.makedirs(self.runtime, mode=0o700)
        self.display = self._start_x()
        self.bus = self._start_bus()
        self._start_sound()
        self._watch_maps()

    def _spawn(self, args, **kwargs):
        child = subprocess.Popen(args, stdin=subprocess.DEVNULL, **kwargs)
        self.children.append(child)
        return child

    def _start_x(self):
        for n in range(90, 140):
            if not os.path.exists(f"/tmp/.X{n}-lock"):
                break
        self._spawn(["Xvfb", f":{n}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(lambda: os.path.exists(f"/tmp/.X11-unix/X{n}"), 10, "Xvfb")
        return f":{n}"

    # A desktop has a session bus; without one, every Qt program would start its own.
    def _start_bus(self):
        bus = self._spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                          stdout=subprocess.PIPE, text=True)
        return bus.stdout.readline().strip()

    def _start_sound(self):
        env = self.environment(os.path.join(self.work, "pulse-home"))
        self._spawn(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                     "--disable-shm=no", "--load=module-null-sink sink_name=quiet",
                     "--load=module-native-protocol-unix"],
                    env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        socket = os.path.join(self.runtime, "pulse", "native")
        wait_for(lambda: os.path.exists(socket), 10, "the sound server")

    def _watch_maps(self):
        xev = self._spawn(["stdbuf", "-oL", "xev", "-display", self.display, "-root", "-event",
                           "substructure"], stdout=subprocess.PIPE, text=True)

        def read():
            for line in xev.stdout:
                if line.startswith("MapNotify"):
                    self.maps.put(time.monotonic())

        threading.Thread(target=read, daemon=True).start()
        time.sleep(0.3)

    def environment(self, home):
        os.makedirs(home, exist_ok=True)
        return {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": home,
            "LANG": "C.UTF-8",
            "DISPLAY": self.display,
            "DBUS_SESSION_BUS_ADDRESS": self.bus,
            "QT_QPA_PLATFORM": "xcb",
            "XDG_RUNTIME_DIR": self.runtime,
            "XDG_DATA_HOME": os.path.join(home, "data"),
            "XDG_CONFIG_HOME": os.path.join(home, "config"),
            "XDG_CACHE_HOME": os.path.join(home, "cache"),
        }

    def launch(self, program, home):
        """Starts a program in its own folder; returns it and the seconds to its first map."""
        while not self.maps.empty():
            self.maps.get()
        start = time.monotonic()
        child = subprocess.Popen([program], cwd=os.path.dirname(program),
                                 env=self.environment(home), stdin=subprocess.DEVNULL,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            mapped = self.maps.get(timeout=60)
        except queue.Empty:
            child.kill()
            sys.exit(f"{program} showed no window")
        return child, mapped - start

    def close(self):
        for child in reversed(self.children):
            child.terminate()
            try:
                child.wait(timeout=5)
            except subprocess.TimeoutExpired:
                child.kill()


def end(child):
    child.terminate()
    try:
        child.wait(timeout=5)
    except subprocess.TimeoutExpired:
        child.kill()
        child.wait()


def memory_kb(pid):
    figures = {}
    with open(f"/proc/{pid}/smaps_rollup") as rollup:
        for line in rollup:
            name, _, rest = line.partition(":")
            if name in ("Rss", "Pss"):
                figures[name] = int(rest.split()[0])
    return figures


def cpu_ms(pid):
    """Processor time of the whole process so far: (from stat in clock ticks, from the threads'
    schedstat in nanoseconds - the finer one, but blind to threads that have ended)."""
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rpartition(")")[2].split()
    ticks = int(fields[11]) + int(fields[12])
    fine = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as schedstat:
                fine += int(schedstat.read().split()[0])
        except OSError:
            pass
    return ticks * 1000.0 / os.sysconf("SC_CLK_TCK"), fine / 1e6


def idle_cpu(pid):
    before = cpu_ms(pid)
    time.sleep(IDLE_S)
    after = cpu_ms(pid)
    return after[0] - before[0], after[1] - before[1]


def set_music(home, track):
    path = os.path.join(home, "data", "QueltaBrovel", "User.dat")
    with open(path, "r+b") as record:
        record.seek(MUSIC_FILE_OFFSET)
        record.write(struct.pack("<i", track))


def xdotool(session, *args):
    subprocess.run(["xdotool", *args], check=True, env={"DISPLAY": session.display,
                                                         "PATH": os.environ["PATH"]},
                   stdout=subprocess.PIPE)


def window_origin(session, name):
    wait_for(lambda: subprocess.run(["xdotool", "search", "--name", name],
                                    env={"DISPLAY": session.display}, capture_output=True,
                                    text=True).stdout.strip() != "", 10, f"window {name}")
    found = subprocess.run(["xdotool", "search", "--name", name], env={"DISPLAY": session.display},
                           capture_output=True, text=True).stdout.split()
    geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", found[-1]],
                              env={"DISPLAY": session.display}, capture_output=True,
                              text=True).stdout
    values = dict(line.split("=") for line in geometry.split())
    return int(values["X"]), int(values["Y"])


def click(session, origin, x, y):
    xdotool(session, "mousemove", str(origin[0] + x), str(origin[1] + y), "click", "1")
    time.sleep(0.3)


def go_to_table(session):
    """Single game from the menu: the wager, ten side cards, Play. Positions are the windows'
    own layout (menu column, card grid, buttons)."""
    menu = window_origin(session, "Quelta Brovel")
    click(session, menu, 372 + 95, 128 + 13)
    time.sleep(1.0)
    wager = window_origin(session, "Wager|Einsatz")
    xdotool(session, "mousemove", str(wager[0] + 100), str(wager[1] + 52))
    xdotool(session, "type", "5")
    xdotool(session, "key", "Return")
    time.sleep(0.8)
    selection = window_origin(session, "Choose|Karten|cards")
    for kind in range(10):
        click(session, selection, 63 + kind % 8 * 104 + 40, 56 + kind // 8 * 124 + 50)
    click(session, selection, 560 + 85, 590 + 14)
    time.sleep(1.0)
    xdotool(session, "mousemove", "1270", "1015")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser()
    parser.add_argument("bin_dir", nargs="?", default=os.path.join(here, "..", "build", "bin"))
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--shot", help="save a screenshot of the table here")
    args = parser.parse_args()
    game = os.path.abspath(os.path.join(args.bin_dir, "QueltaBrovel"))
    hello = os.path.abspath(os.path.join(args.bin_dir, "qb_hello_window"))
    work = tempfile.mkdtemp(prefix="qb-bench-")
    session = Session(work)
    try:
        returning = os.path.join(work, "returning")
        child, _ = session.launch(game, returning)
        time.sleep(1.0)
        end(child)
        times = {"hello": [], "fresh": [], "returning": []}
        for run in range(args.runs + 1):
            for kind, program, home in (("hello", hello, os.path.join(work, "hello")),
                                        ("fresh", game, os.path.join(work, f"fresh{run}")),
                                        ("returning", game, returning)):
                child, seconds = session.launch(program, home)
                end(child)
                if run > 0:
                    times[kind].append(seconds * 1000)
        median = {k: statistics.median(v) for k, v in times.items()}
        print("window on screen (median of %d, ms):" % args.runs)
        for kind in times:
            print("  %-10s %6.1f  runs %s  ratio %.2f" % (
                kind, median[kind], " ".join("%.0f" % t for t in times[kind]),
                median[kind] / median["hello"]))

        def at_rest(program, home, label, prepare=None):
            child, _ = session.launch(program, home)
            if prepare:
                prepare()
            time.sleep(SETTLE_S)
            mem = memory_kb(child.pid)
            ticks, fine = idle_cpu(child.pid)
            print("  %-28s RSS %5.1f MB  PSS %5.1f MB  cpu over %.0f s: %4.0f ms (threads %.1f ms)"
                  % (label, mem["Rss"] / 1024, mem["Pss"] / 1024, IDLE_S, ticks, fine))
            end(child)

        print("at rest (figures %.0f s after the window appears, then %.0f s idle):" % (
            SETTLE_S, IDLE_S))
        at_rest(hello, os.path.join(work, "hello"), "hello window")
        at_rest(game, returning, "menu, music on")
        set_music(returning, -1)
        at_rest(game, returning, "menu, music off")

        def table():
            go_to_table(session)
            if args.shot:
                subprocess.run(["import", "-display", session.display, "-window", "root",
                                args.shot], check=False)

        at_rest(game, returning, "table, music off", table)
    finally:
        session.close()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    signal.signal(signal.SIGINT, signal.SIG_DFL)
    main()
