"""Drive real Qt programs through their accessibility trees, as a player's assistive tool would.

A Session starts a private desktop: an Xvfb server, a D-Bus session bus and the AT-SPI bus on
it. Programs started in the session publish their widgets there; tests find controls by
accessible name and role, press them, type into them and read them back. Everything the session
started is stopped by its process id when the session ends. One Session per Python process (the
AT-SPI client library binds to one bus for the life of the process).

Needs Debian's python3 with python3-gi and gir1.2-atspi-2.0, at-spi2-core, xvfb, dbus and, for
screenshots, imagemagick. Works as root.

    with Session(screenshots="/tmp/shots") as s:
        app = s.launch(["build/bin/QueltaBrovelUtility"], env={"XDG_DATA_HOME": data})
        app.find("Reset the current settings and saves", role="radio button").press()
        app.find("Next >", role="push button").press()
        app.wait_for(lambda: app.find("Reset", role="push button", timeout=0))
        s.screenshot("reset.png")
        app.find("Campaign", role="check box").press()          # toggles it
        app.find("Highscore", role="check box").wait(lambda c: not c.checked)
        print(app.find(role="label", name_contains="Version", timeout=0))
        app.find("Cancel", role="push button").press()
        assert app.wait_exit(timeout=10) == 0

Actions reach the program asynchronously (a button's press is an animated click): wait for
their effect with find() or wait(), never with a fixed sleep. Keys go to the active window; a
program without a window manager should activate its main window itself.

Session(width=1280, height=1024, screenshots=None, timeout=20)
    .start() / .close()            also as a context manager; close() stops every program too
    .display                       ":N" of the private X server
    .env                           the environment programs get (DISPLAY, D-Bus, accessibility)
    .launch(argv, env=None, cwd=None, name=None, timeout=None) -> App
                                   starts a program with Qt's accessibility switched on (env is
                                   added to the session's) and waits until its application object
                                   appears on the bus; RuntimeError when it ends before that; name
                                   is for messages (default: the file name of argv[0])
    .log_of(app) -> text           what the program wrote to its standard output and error
    .app(name, timeout=None) -> Control   an application on the bus by its accessible name
                                   (any process, also one the session did not start)
    .screenshot(file) -> path      the whole screen as PNG; relative names go below screenshots
    .press_key(key)                a synthetic key press and release to the focused window
                                   ("Return", "Escape", "Tab", "Down", "space", or a character)
App (one started program)
    .pid, .process (subprocess.Popen), .name, .root (its application Accessible)
    .find(name=None, role=None, name_contains=None, showing=True, enabled=None, timeout=None)
                                   the first matching control, waiting up to timeout (default
                                   the session's); raises LookupError when none appears; timeout=0
                                   looks once and returns None when nothing matches
    .find_all(...) -> [Control]    every match, no waiting
    .windows() -> [Control]        its top-level windows and dialogs
    .wait_for(condition, timeout=None, what="")  polls condition() until it is truthy
    .wait_exit(timeout=None) -> exit code; .running; .stop()
Control (one accessible object)
    .name, .role, .description, .states (set of names such as "checked", "enabled",
    "showing", "focused"), .checked, .enabled, .showing, .text (text or value as a string),
    .value (number), .actions, .children(), .parent, .extents (x, y, width, height)
    .press()                       its default action (press, toggle, click, ...)
    .do(action_name)               a named action
    .set_text(text)                replaces the text of an editable text
    .focus()                       gives it the keyboard focus (its window must be active)
    .choose(entry)                 selects a combo box entry by its text
    .wait(condition, timeout=None) polls condition(control) until it is truthy; returns control
    .find(...) / .find_all(...)    as App.find, below this control
"""

import os
import shutil
import signal
import subprocess
import tempfile
import time
import unittest

POLL = 0.05

# X key symbols of the keys tests use; one character stands for its own Latin-1 key symbol.
_KEYSYMS = {"Return": 0xFF0D, "Escape": 0xFF1B, "Tab": 0xFF09, "BackSpace": 0xFF08,
            "Delete": 0xFFFF, "Home": 0xFF50, "End": 0xFF57, "Left": 0xFF51, "Up": 0xFF52,
            "Right": 0xFF53, "Down": 0xFF54, "space": 0x20}

_atspi = None


def _lib():
    """The AT-SPI client library, loaded only once the session's bus exists."""
    global _atspi
    if _atspi is None:
        import gi

        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi

        Atspi.init()
        # Nothing cached: the client runs no event loop that would refresh a cache, and the
        # programs change names and states all the time.
        Atspi.get_desktop(0).set_cache_mask(Atspi.Cache.NONE)
        _atspi = Atspi
    return _atspi


def _poll(condition, timeout, what):
    deadline = time.monotonic() + timeout
    while True:
        try:
            result = condition()
        except Exception:  # objects vanish while windows close; look again
            result = None
        if result:
            return result
        if time.monotonic() >= deadline:
            raise TimeoutError("timed out after %.1f s waiting for %s" % (timeout, what))
        time.sleep(POLL)


def _stop_group(process, grace=3.0):
    """Ends a process we started, and the helpers it started in its own process group."""
    if process is None or process.poll() is not None:
        return
    try:
        os.killpg(process.pid, signal.SIGTERM)
    except ProcessLookupError:
        return
    try:
        process.wait(grace)
    except subprocess.TimeoutExpired:
        try:
            os.killpg(process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        process.wait()


class Control:
    """One accessible object of a program."""

    def __init__(self, accessible, session):
        self._a = accessible
        self._s = session

    def __repr__(self):
        try:
            return "<%s %r>" % (self.role, self.name)
        except Exception:
            return "<gone>"

    @property
    def accessible(self):
        return self._a

    @property
    def name(self):
        return self._a.get_name() or ""

    @property
    def role(self):
        return self._a.get_role_name() or ""

    @property
    def description(self):
        return self._a.get_description() or ""

    @property
    def states(self):
        Atspi = _lib()
        state_set = self._a.get_state_set()
        return {
            Atspi.StateType(s).value_nick for s in state_set.get_states()
        }

    @property
    def checked(self):
        return "checked" in self.states

    @property
    def enabled(self):
        return "enabled" in self.states

    @property
    def showing(self):
        return "showing" in self.states

    def _has(self, interface):
        return interface in (self._a.get_interfaces() or [])

    @property
    def text(self):
        """The control's text: the text interface's content, else its value, else its name."""
        Atspi = _lib()
        if self._has("Text"):
            return Atspi.Text.get_text(self._a, 0, Atspi.Text.get_character_count(self._a))
        if self._has("Value"):
            return str(self.value)
        return self.name

    @property
    def value(self):
        if not self._has("Value"):
            raise TypeError("%r has no value" % self)
        return _lib().Value.get_current_value(self._a)

    @property
    def actions(self):
        if not self._has("Action"):
            return []
        Action = _lib().Action
        return [Action.get_action_name(self._a, i) for i in range(Action.get_n_actions(self._a))]

    @property
    def parent(self):
        parent = self._a.get_parent()
        return Control(parent, self._s) if parent is not None else None

    @property
    def extents(self):
        Atspi = _lib()
        rect = Atspi.Component.get_extents(self._a, Atspi.CoordType.SCREEN)
        return rect.x, rect.y, rect.width, rect.height

    def children(self):
        result = []
        for i in range(self._a.get_child_count()):
            child = self._a.get_child_at_index(i)
            if child is not None:
                result.append(Control(child, self._s))
        return result

    def do(self, action_name):
        names = self.actions
        if action_name not in names:
            raise LookupError("%r has no action %r (it has %r)" % (self, action_name, names))
        _lib().Action.do_action(self._a, names.index(action_name))
        return self

    def press(self):
        """The control's default action: the first it offers (Press, Toggle, Click, ...)."""
        names = self.actions
        if not names:
            raise LookupError("%r has no action" % self)
        return self.do(names[0])

    def set_text(self, text):
        if not self._has("EditableText"):
            raise TypeError("%r is not an editable text" % self)
        _lib().EditableText.set_text_contents(self._a, text)
        return self.wait(lambda c: c.text == text, what="the text %r in %r" % (text, self))

    def focus(self):
        """Gives the control the keyboard focus; its window must be the active one."""
        if "SetFocus" in self.actions:
            self.do("SetFocus")
        else:
            _lib().Component.grab_focus(self._a)
        return self.wait(lambda c: "focused" in c.states, what="the focus on %r" % self)

    def choose(self, item):
        """Selects an entry of a combo box by its text, as the keyboard does in its open list."""
        entries = [c.name for c in self.find_all(role="list item", showing=False)]
        if item not in entries:
            raise LookupError("%r has no entry %r (it has %r)" % (self, item, entries))
        steps = entries.index(item) - entries.index(self.name)
        self.do("ShowMenu")
        self.find(item, role="list item")
        for _ in range(abs(steps)):
            self._s.press_key("Down" if steps > 0 else "Up")
        self._s.press_key("Return")
        return self.wait(lambda c: c.name == item, what="the entry %r in %r" % (item, self))

    def wait(self, condition, timeout=None, what=None):
        _poll(lambda: condition(self), self._s.timeout if timeout is None else timeout,
              what or "a condition on %r" % self)
        return self

    def find_all(self, name=None, role=None, name_contains=None, showing=True, enabled=None):
        found = []

        def matches(c):
            if name is not None and c.name != name:
                return False
            if name_contains is not None and name_contains not in c.name:
                return False
            if role is not None and c.role != role:
                return False
            states = c.states
            if showing and "showing" not in states:
                return False
            if enabled is not None and ("enabled" in states) != enabled:
                return False
            return True

        def walk(c, depth):
            for child in c.children():
                try:
                    if matches(child):
                        found.append(child)
                    # Hidden pages hide their controls too: no need to look below them.
                    if depth < 64 and (not showing or "showing" in child.states):
                        walk(child, depth + 1)
                except Exception:
                    continue

        walk(self, 0)
        return found

    def find(self, name=None, role=None, name_contains=None, showing=True, enabled=None,
             timeout=None):
        def first():
            hits = self.find_all(name, role, name_contains, showing, enabled)
            return hits[0] if hits else None

        if timeout == 0:
            return first()
        what = "a %s named %r" % (role or "control", name if name is not None else name_contains)
        try:
            return _poll(first, self._s.timeout if timeout is None else timeout, what)
        except TimeoutError as error:
            raise LookupError(str(error)) from None


class App:
    """A program started in the session."""

    def __init__(self, session, process, name):
        self._s = session
        self.process = process
        self.pid = process.pid
        self.name = name
        self._root = None

    @property
    def root(self):
        return self._root

    @property
    def running(self):
        return self.process.poll() is None

    def windows(self):
        return [w for w in self.root.children() if w.showing]

    def find_all(self, *args, **kwargs):
        return self.root.find_all(*args, **kwargs)

    def find(self, *args, **kwargs):
        return self.root.find(*args, **kwargs)

    def wait_for(self, condition, timeout=None, what=""):
        return _poll(condition, self._s.timeout if timeout is None else timeout,
                     what or "a condition in %s" % self.name)

    def wait_exit(self, timeout=None):
        try:
            return self.process.wait(self._s.timeout if timeout is None else timeout)
        except subprocess.TimeoutExpired:
            raise TimeoutError("%s (pid %d) did not end" % (self.name, self.pid)) from None

    def stop(self):
        _stop_group(self.process)


class Session:
    """A private X server with a D-Bus session bus and the AT-SPI bus."""

    def __init__(self, width=1280, height=1024, screenshots=None, timeout=20):
        self.width = width
        self.height = height
        self.screenshots = screenshots
        self.timeout = timeout
        self.display = None
        self.env = None
        self._dir = None
        self._xvfb = None
        self._bus = None
        self._a11y = None
        self._apps = []

    def __enter__(self):
        return self.start()

    def __exit__(self, *exc):
        self.close()

    def _spawn(self, argv, env, **kwargs):
        # Its own process group: stopping it stops whatever it started for itself.
        return subprocess.Popen(argv, env=env, start_new_session=True, **kwargs)

    def start(self):
        self._dir = tempfile.mkdtemp(prefix="qbatspi-")
        runtime = os.path.join(self._dir, "runtime")
        os.mkdir(runtime, 0o700)
        try:
            self._start_x()
            self._start_buses(runtime)
        except BaseException:
            self.close()
            raise
        return self

    def _start_x(self):
        read_end, write_end = os.pipe()
        try:
            self._xvfb = self._spawn(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                 "%dx%dx24" % (self.width, self.height), "-nolisten", "tcp"],
                dict(os.environ), pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                stderr=subprocess.DEVNULL)
            os.close(write_end)
            write_end = None
            number = b""
            deadline = time.monotonic() + self.timeout
            while not number.endswith(b"\n"):
                if time.monotonic() > deadline or self._xvfb.poll() is not None:
                    raise RuntimeError("Xvfb did not start")
                chunk = os.read(read_end, 16)
                if not chunk:
                    raise RuntimeError("Xvfb did not tell its display")
                number += chunk
            self.display = ":" + number.decode().strip()
        finally:
            os.close(read_end)
            if write_end is not None:
                os.close(write_end)

    def _start_buses(self, runtime):
        address = "unix:path=" + os.path.join(self._dir, "bus")
        env = dict(os.environ)
        for key in ("DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY",
                    "QT_QPA_PLATFORM", "NO_AT_BRIDGE"):
            env.pop(key, None)
        env.update({"DISPLAY": self.display, "XDG_RUNTIME_DIR": runtime,
                    "DBUS_SESSION_BUS_ADDRESS": address})
        self._bus = self._spawn(["dbus-daemon", "--session", "--nofork", "--nopidfile",
                                 "--address=" + address], env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        _poll(lambda: os.path.exists(os.path.join(self._dir, "bus")), self.timeout,
              "the session bus")
        self._a11y = self._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately",
                                  "--a11y=1"], env, stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL)
        _poll(lambda: self._bus_answers(env), self.timeout, "the accessibility bus")
        env.update({"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_ACCESSIBILITY": "1",
                    "QT_QPA_PLATFORM": "xcb"})
        self.env = env
        # The client library reads the bus addresses from this process's environment.
        os.environ.update({"DISPLAY": self.display, "DBUS_SESSION_BUS_ADDRESS": address})
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        _lib()

    @staticmethod
    def _bus_answers(env):
        reply = subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"], env=env, capture_output=True, timeout=5)
        return reply.returncode == 0 and b"unix:" in reply.stdout

    def launch(self, argv, env=None, cwd=None, name=None, timeout=None):
        full = dict(self.env)
        full.update(env or {})
        log = open(os.path.join(self._dir, "app-%d.log" % len(self._apps)), "wb")
        process = self._spawn(list(argv), full, cwd=cwd, stdout=log, stderr=subprocess.STDOUT)
        log.close()
        app = App(self, process, name or os.path.basename(argv[0]))
        self._apps.append(app)
        desktop = _lib().get_desktop(0)

        def published():
            for i in range(desktop.get_child_count()):
                child = desktop.get_child_at_index(i)
                if child is not None and child.get_process_id() == process.pid:
                    app._root = Control(child, self)
                    return True
            return process.poll() is not None

        _poll(published, self.timeout if timeout is None else timeout,
              "%s on the accessibility bus" % app.name)
        if app._root is None:
            raise RuntimeError("%s ended before it appeared: %s" % (app.name, self.log_of(app)))
        return app

    def log_of(self, app):
        """What the program wrote to its standard output and error."""
        with open(os.path.join(self._dir, "app-%d.log" % self._apps.index(app)), "rb") as f:
            return f.read().decode(errors="replace")

    def _application(self, predicate, what, timeout=None):
        desktop = _lib().get_desktop(0)

        def look():
            for i in range(desktop.get_child_count()):
                child = desktop.get_child_at_index(i)
                if child is not None and predicate(child):
                    return child
            return None

        return _poll(look, self.timeout if timeout is None else timeout, what)

    def app(self, name, timeout=None):
        return Control(self._application(lambda a: a.get_name() == name, "the program " + name,
                                         timeout), self)

    def screenshot(self, file):
        path = file
        if self.screenshots and not os.path.isabs(file):
            os.makedirs(self.screenshots, exist_ok=True)
            path = os.path.join(self.screenshots, file)
        subprocess.run(["import", "-display", self.display, "-window", "root", path],
                       check=True, env=self.env, timeout=30)
        return path

    def press_key(self, key):
        """A key press and release sent to the focused window: a key name or one character."""
        Atspi = _lib()
        keysym = _KEYSYMS.get(key, ord(key) if len(key) == 1 else None)
        if keysym is None:
            raise ValueError("unknown key %r" % key)
        Atspi.generate_keyboard_event(keysym, None, Atspi.KeySynthType.SYM)

    def close(self):
        for app in reversed(self._apps):
            app.stop()
        self._apps = []
        for process in (self._a11y, self._bus, self._xvfb):
            _stop_group(process)
        self._a11y = self._bus = self._xvfb = None
        if self._dir:
            shutil.rmtree(self._dir, ignore_errors=True)
            self._dir = None


class DesktopTestCase(unittest.TestCase):
    """Tests of a class share one private desktop, started once: an AT-SPI client binds to one
    bus for its process. Screenshots go to $QB_SHOTS_DIR when it is set."""

    session = None
    session_options = {"timeout": 30}

    @classmethod
    def setUpClass(cls):
        cls.session = Session(screenshots=os.environ.get("QB_SHOTS_DIR"), **cls.session_options)
        cls.session.start()

    @classmethod
    def tearDownClass(cls):
        cls.session.close()
