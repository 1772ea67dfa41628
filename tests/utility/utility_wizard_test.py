"""The maintenance utility driven as a user would, through its accessibility tree: every task from
the selection page to the finish text, on a private desktop with its own profile folders.

Usage: utility_wizard_test.py <QueltaBrovelUtility>  (screenshots go to $QB_SHOTS_DIR if set)
"""

import os
import struct
import sys
import tempfile
import unittest

from qbatspi import DesktopTestCase
from qbgame import gone

UTILITY = None
KEY = "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\QueltaBrovel"

# The default profile as the older versions kept it; CHK is the MD5 of its 32 campaign digits.
DEFAULT_PROFILE = {
    "Player": dict(
        [("CARD%d" % kind, "1" if kind < 10 else "0") for kind in range(23)]
        + [("CREDITS", "100"), ("HIGHSCORE", "25"), ("LEVEL", "1"), ("LOSSES", "0"),
           ("NPCCREDITS", "0"), ("WINS", "0"), ("CHK", "4a7e085906b5d0d2221d2d15aaae58e9")]),
    "Settings": {"LANGUAGE": "English.ini", "MUSIC": "4", "NAME": "Anna", "ONLINEID": "0",
                 "ONLINEPW": "", "PORT": "333", "SERVER": "", "SAVESIDEDECK": "1",
                 "TEMPIP": "127.0.0.1"},
}


def text_field(text, width):
    return text.encode("cp1252").ljust(width, b" ")


def default_record(major=1, minor=8, revision=2):
    """User.dat of a new player, laid out field by field as the file holds it."""
    cards = [1] * 10 + [0] * 13
    deck = [-1] + [0] * 9
    return b"".join([
        struct.pack("<3i", major, minor, revision), text_field("English.ini", 150), b"\0\0",
        struct.pack("<3i", 1, 0, 333), text_field("localhost:8787", 150),
        text_field("127.0.0.1", 150), struct.pack("<7i", -73, 100, 25, 1, 0, 0, 0),
        struct.pack("<23i", *cards), text_field("Player", 150), b"\0\0", struct.pack("<i", 0),
        b"\0" * 32, struct.pack("<10i", *deck), struct.pack("<10i", *deck), struct.pack("<i", 1)])


def int_at(data, offset):
    return struct.unpack_from("<i", data, offset)[0]


class UtilityWizard(DesktopTestCase):
    session_options = {"width": 800, "height": 600}

    def setUp(self):
        self._home = tempfile.TemporaryDirectory(prefix="qb-utility-")
        self.home = self._home.name
        self.data = os.path.join(self.home, "data")
        self.config = os.path.join(self.home, "config")
        self.user_dat = os.path.join(self.data, "QueltaBrovel", "User.dat")
        self.app = None

    def tearDown(self):
        if self.app is not None:
            self.app.stop()
        self._home.cleanup()

    # --- helpers -------------------------------------------------------------------------

    def start(self):
        self.app = self.session.launch(
            [UTILITY], env={"XDG_DATA_HOME": self.data, "XDG_CONFIG_HOME": self.config,
                            "HOME": self.home})
        self.app.find("Quelta Brovel Utility v1.4", role="label")
        return self.app

    def shot(self, name):
        if self.session.screenshots:
            self.session.screenshot(name)

    def button(self, caption, **kwargs):
        return self.app.find(caption, role="push button", **kwargs)

    def press(self, caption):
        self.button(caption, enabled=True).press()

    def choose(self, task):
        self.app.find(task, role="radio button").press().wait(lambda c: c.checked)
        self.press("Next >")

    def finish_text(self):
        self.app.find("The task was completed", role="label")
        return self.app.wait_for(self._finish_label, what="the outcome text").name

    def _finish_label(self):
        # The outcome is the label between the page title and the closing hint.
        labels = [c for c in self.app.find_all(role="label")
                  if c.name not in ("", "The task was completed", "Quelta Brovel Utility v1.4",
                                    "To close this wizard, click Finish.")]
        return labels[0] if labels else None

    def answer(self, question, button):
        """Presses a button of the box that asks the question, and waits until that box has
        closed: until then its buttons are still in the tree, where a second box's button would
        be mistaken for them."""
        self.app.find(question, role="label")
        box = self.app.wait_for(
            lambda: next((w for w in self.app.windows()
                          if w.find(question, role="label", timeout=0)), None),
            what="the window of %r" % question)
        box.find(button, role="push button", enabled=True).press()
        self.app.wait_for(lambda: gone(box), what="the box %r to close" % question)

    def expect_finish(self, text):
        self.assertEqual(self.finish_text(), text)
        self.assertFalse(self.button("Cancel").enabled)
        self.assertFalse(self.button("< Back").enabled)

    def close_with_finish(self):
        self.press("Finish")
        self.assertEqual(self.app.wait_exit(), 0)

    def write_store(self, profile):
        folder = os.path.join(self.config, "QueltaBrovel")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "QueltaBrovel.conf"), "w", encoding="utf-8") as f:
            for section, values in profile.items():
                f.write("[%s]\n" % section)
                for name, value in values.items():
                    f.write("%s=%s\n" % (name, value))

    def store_text(self):
        path = os.path.join(self.config, "QueltaBrovel", "QueltaBrovel.conf")
        if not os.path.exists(path):
            return ""
        with open(path, encoding="utf-8") as f:
            return f.read().strip()

    def write_user_dat(self, data):
        os.makedirs(os.path.dirname(self.user_dat), exist_ok=True)
        with open(self.user_dat, "wb") as f:
            f.write(data)

    def read_user_dat(self):
        with open(self.user_dat, "rb") as f:
            return f.read()

    # --- the four tasks ------------------------------------------------------------------

    def test_1_convert_from_the_registry(self):
        self.write_store(DEFAULT_PROFILE)
        self.start()
        self.shot("1-selection.png")
        self.choose("Convert settings and saves from registry to User.dat")
        box = self.app.find("Delete registry values when conversion is complete",
                            role="check box")
        self.assertTrue(box.checked)
        self.assertTrue(self.button("< Back").enabled)
        self.shot("2-convert-registry.png")
        self.press("Convert")
        self.expect_finish("The conversion was successfully completed.\n\n"
                           "The registry entries were cleared.")
        self.shot("7-finish.png")
        self.close_with_finish()
        record = self.read_user_dat()
        self.assertEqual(len(record), 868)
        self.assertEqual(int_at(record, 476), -73)
        self.assertEqual(int_at(record, 164), -1)  # the old no-music choice
        self.assertEqual(record[596:600], b"Anna")
        self.assertEqual(record[176:190], b"localhost:8787")
        self.assertEqual(self.store_text(), "")

    def test_1_convert_an_empty_registry_fails_and_writes_nothing(self):
        self.start()
        self.choose("Convert settings and saves from registry to User.dat")
        self.press("Convert")
        self.expect_finish("An error occured:\n\nThe registry entries could not be loaded.\n")
        self.shot("8-finish-after-failure.png")
        self.close_with_finish()
        self.assertFalse(os.path.exists(self.user_dat))

    def write_backup(self, name):
        lines = ["Windows Registry Editor Version 5.00", ""]
        for section, values in DEFAULT_PROFILE.items():
            lines.append("[%s\\%s]" % (KEY, section))
            lines += ['"%s"="%s"' % item for item in values.items()]
            lines.append("")
        path = os.path.join(self.home, name)
        with open(path, "wb") as f:
            f.write(b"\xff\xfe" + "\r\n".join(lines).encode("utf-16-le"))
        return path

    def test_2_convert_from_a_backup_file(self):
        backup = self.write_backup("old settings.sav")
        self.start()
        self.choose("Convert settings and saves from backup file to User.dat")
        field = self.app.find("Restore file:", role="text")
        self.assertTrue(field.text.endswith("QueltaBrovelBackup.sav"))
        self.assertFalse(self.app.find("Delete file when conversion is successful",
                                       role="check box").checked)
        self.assertTrue(self.app.find("Delete temporary registry values when conversion is "
                                      "successful", role="check box").checked)
        self.shot("3-convert-file.png")
        # A file that is not there keeps the page.
        field.set_text(os.path.join(self.home, "missing.sav"))
        self.press("Convert")
        self.app.find("The backup file was not found.", role="label")
        self.press("OK")
        self.app.find("Restore file:", role="text")
        # The browse button's dialog picks the file.
        self.press("Browse")
        self.app.find("File name:", role="text").set_text(backup)
        self.shot("3-convert-file-browse.png")
        self.press("Open")
        field.wait(lambda c: c.text == backup)
        self.app.find("Delete file when conversion is successful", role="check box").press()
        self.press("Convert")
        self.expect_finish("The conversion was successfully completed.\n\n"
                           "The registry entries were cleared.\n\nThe backup file was deleted.")
        self.close_with_finish()
        self.assertFalse(os.path.exists(backup))
        self.assertEqual(int_at(self.read_user_dat(), 476), -73)
        self.assertEqual(self.store_text(), "")

    def test_3_reset(self):
        self.start()
        self.choose("Reset the current settings and saves")
        campaign = self.app.find("Campaign", role="check box")
        highscore = self.app.find("Highscore", role="check box")
        self.assertTrue(campaign.checked and highscore.checked)
        highscore.press()
        campaign.wait(lambda c: not c.checked)
        self.shot("4-reset.png")
        campaign.press()
        highscore.wait(lambda c: c.checked)
        self.app.find("Port", role="check box").press().wait(lambda c: not c.checked)
        self.assertTrue(campaign.checked)
        # Not confirmed: nothing happens.
        question = ("Do you really want to reset the specified settings and saves of "
                    "Quelta Brovel?")
        self.press("Reset")
        self.answer(question, "No")
        self.button("Reset")
        self.assertFalse(os.path.exists(self.user_dat))
        self.press("Reset")
        self.answer(question, "Yes")
        self.expect_finish("The specified settings and saves were reset to default.")
        self.close_with_finish()
        record = self.read_user_dat()
        self.assertEqual(int_at(record, 476), -73)
        self.assertEqual(int_at(record, 480), 100)
        self.assertEqual(int_at(record, 172), 0)  # the port was not chosen
        self.assertEqual(record[596:602], b"Player")

    def test_4_change_advanced_settings(self):
        self.write_user_dat(default_record())
        self.start()
        self.choose("Change advanced settings")
        self.app.find("Version of the settings: 1.8.2", role="label")
        server = self.app.find("Quelta Brovel Master Server:", role="text")
        self.assertEqual(server.text, "localhost:8787")
        combo = self.app.find(role="combo box")
        self.assertEqual(combo.name, "Save all sidedecks")
        self.shot("5-settings.png")
        combo.choose("Don't save sidedecks")
        server.set_text("stats.example.org")
        self.press("Change")
        self.expect_finish("The advanced settings were saved.\n\n"
                           "New sidedeck savemode: Don't save sidedecks\n"
                           "New Quelta Brovel Master Server: stats.example.org")
        self.close_with_finish()
        record = self.read_user_dat()
        self.assertEqual(int_at(record, 864), 0)
        self.assertEqual(record[176:326].rstrip(b" "), b"stats.example.org")
        self.assertEqual(record[:476], default_record()[:176] + record[176:326] +
                         default_record()[326:476])

    def test_4_without_user_dat_stays_on_the_selection(self):
        self.start()
        self.choose("Change advanced settings")
        self.app.find("An error occured:\n\nThe file User.dat could not be loaded.",
                      role="label")
        self.shot("6-settings-refused.png")
        self.press("OK")
        self.app.find("Please select a task", role="label")
        self.assertFalse(self.button("< Back").enabled)
        self.press("Cancel")
        self.assertEqual(self.app.wait_exit(), 0)

    def test_only_one_utility_runs(self):
        first = self.start()
        second = self.session.launch(
            [UTILITY], env={"XDG_DATA_HOME": self.data, "XDG_CONFIG_HOME": self.config,
                            "HOME": self.home})
        second.find("Quelta Brovel Utility has already been started.", role="label")
        second.find("OK", role="push button").press()
        self.assertEqual(second.wait_exit(), 1)
        self.assertTrue(first.running)


if __name__ == "__main__":
    UTILITY = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
