"""What the game's own windows look like through the accessibility tree, for tests that drive it.

    box = message_box(app, "OK")        # the open message box, or None
    said = answer_boxes(app, "OK")      # closes every open box with its first button
"""


def gone(window):
    """Whether a window has closed: no longer showing, or its object left the bus with it."""
    try:
        return "showing" not in window.states
    except Exception:
        return True


def message_box(app, ok):
    """The game's message box: the window whose only label is its message, also its title."""
    for window in app.windows():
        labels = window.find_all(role="label")
        if len(labels) == 1 and labels[0].text == window.name and window.find(
                ok, role="push button", timeout=0):
            return window
    return None


def answer(app, box, ok):
    """Presses the box's first button and waits until it has closed; returns its message."""
    said = box.name
    box.find(ok, role="push button").press()
    app.wait_for(lambda: gone(box), what="the message box %r to close" % said)
    return said


def answer_boxes(app, ok):
    """Closes every message box that is open, one after the other; returns their messages."""
    said = []
    while True:
        box = message_box(app, ok)
        if box is None:
            return said
        said.append(answer(app, box, ok))
