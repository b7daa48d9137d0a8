"""What a screen reader meets on the AT-SPI bus while a person works the window with the keyboard:
the announcements after the buttons and at the input line's limit, the rows read across their
group, the labels of the lists and the input line, and Enter on the buttons.

Run by on-accessibility-bus, which starts the program (its process id in AFFINE_PROGRAM_PID), the
bus and the display. Keys go to the window as a person's would, through the X server (xdotool).
"""

import os
import subprocess
import time
import unittest

from gi.repository import Atspi, GLib

PROGRAM = int(os.environ["AFFINE_PROGRAM_PID"])
# How long a wait for something the program does may take: enough for a sanitizer build on cores
# that are busy with other work. A passing run waits only as long as the program takes.
DEADLINE = 90


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.01)


def wait_until(condition, seconds=DEADLINE):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump(0.05)
        if condition():
            return True
    return False


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)


def typed(text):
    subprocess.run(["xdotool", "type", "--delay", "40", text], check=True)


def related(accessible, relation):
    for r in accessible.get_relation_set():
        if r.get_relation_type() == relation:
            return [r.get_target(k) for k in range(r.get_n_targets())]
    return []


class Heard:
    """The events of the given types from the program, noted as they come."""

    def __init__(self, *types):
        self.events = []
        self._listener = Atspi.EventListener.new(self._hear)
        for kind in types:
            self._listener.register(kind)

    def _hear(self, event):
        try:
            if event.source.get_process_id() != PROGRAM:
                return
            role = event.source.get_role()
            words = event.source.get_name()
            if role == Atspi.Role.NOTIFICATION:
                words = event.source.get_child_at_index(0).get_name()
            self.events.append((event.type, role, words, event.detail1, event.source))
        except GLib.Error:
            pass

    def clear(self):
        pump(0.3)
        self.events.clear()

    def announcements(self):
        return [e[2] for e in self.events
                if e[1] == Atspi.Role.NOTIFICATION and e[0].endswith("showing") and e[3]]

    def focused(self):
        return [e[4] for e in self.events if e[0].endswith("focused") and e[3]]


class ScreenReaderTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.heard = Heard("object:state-changed:showing", "object:state-changed:focused",
                          "object:text-selection-changed")
        cls.app = None

        def found():
            desktop = Atspi.get_desktop(0)
            for k in range(desktop.get_child_count()):
                app = desktop.get_child_at_index(k)
                if app is not None and app.get_process_id() == PROGRAM:
                    cls.app = app
            return cls.app is not None and cls.app.get_child_count() > 0

        if not wait_until(found):
            desktop = Atspi.get_desktop(0)
            apps = [desktop.get_child_at_index(k) for k in range(desktop.get_child_count())]
            raise AssertionError("the program did not come onto the bus in %d s; there were %s"
                                 % (DEADLINE, [(a.get_name(), a.get_process_id()) for a in apps]))
        cls.window = cls.app.get_child_at_index(0)
        x_window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                                   str(PROGRAM)], capture_output=True, text=True, check=True)
        subprocess.run(["xdotool", "windowfocus", "--sync", x_window.stdout.split()[0]],
                       check=True)

        # Keys go where the focus is once the window has taken it.
        def focused():
            return any(cls.window.get_child_at_index(k).get_state_set().contains(
                Atspi.StateType.FOCUSED) for k in range(cls.window.get_child_count()))

        assert wait_until(focused), "no control of the window took the focus in %d s" % DEADLINE

    def control(self, role, name):
        for k in range(self.window.get_child_count()):
            child = self.window.get_child_at_index(k)
            if child.get_role() == role and child.get_name() == name:
                return child
        self.fail("no %s named %r" % (role.value_nick, name))

    def press(self, *names):
        """Presses the keys, each of which is to be announced, and returns what was announced
        once as many announcements came as keys were pressed, and any that follow closely."""
        self.heard.clear()
        keys(*names)
        wait_until(lambda: len(self.heard.announcements()) >= len(names))
        pump(0.5)
        return self.heard.announcements()

    def focus_moved_to(self, *controls):
        """Whether the last controls that took the focus were these, in this order."""
        return self.heard.focused()[-len(controls):] == list(controls)

    def test_1_each_button_press_is_announced_once_in_words(self):
        encrypted = "Текстът AFFINECIPHER е криптиран в IHHWVCSWFRCP, 12 букви."
        keys("Tab", "Tab")  # from the explanation by the input line to "Криптирай"
        self.assertEqual(self.press("space"), [encrypted])
        self.assertEqual(self.press("Return"), [encrypted])
        self.assertEqual(self.press("KP_Enter"), [encrypted])
        keys("Tab")
        self.assertEqual(self.press("Return"), ["Текстът и резултатът са изчистени."])
        keys("shift+Tab")
        self.assertEqual(self.press("KP_Enter"),
                         ["Нищо не е криптирано: в текста няма латински букви."])
        # Esc announces nothing: anything it announced would come before the focus that Tab and
        # Shift+Tab, pressed after it, bring back to "Криптирай".
        encrypt = self.control(Atspi.Role.PUSH_BUTTON, "Криптирай")
        clear = self.control(Atspi.Role.PUSH_BUTTON, "Чисти")
        self.heard.clear()
        keys("Escape", "Tab", "shift+Tab")
        self.assertTrue(wait_until(lambda: self.focus_moved_to(clear, encrypt)))
        self.assertEqual(self.heard.announcements(), [])

    def test_2_the_input_line_is_read_whole_labelled_and_says_its_limit(self):
        line = self.control(Atspi.Role.TEXT, "текст за криптиране")
        prompt = self.control(Atspi.Role.LABEL, "текст за криптиране:")
        self.assertEqual(related(line, Atspi.RelationType.LABELLED_BY), [prompt])
        self.assertEqual(related(prompt, Atspi.RelationType.LABEL_FOR), [line])

        self.heard.clear()
        keys("shift+Tab")  # from "Криптирай" into the input line
        self.assertTrue(wait_until(lambda: line in self.heard.focused()))
        # The selection of the whole text as the focus comes in is not reported apart from it.
        self.assertEqual([e for e in self.heard.events if e[0].startswith("object:text-sel")], [])

        self.heard.clear()
        typed("abcdefghijklmnopqrstuvwxyzabcdefghijklmn")
        # Anything the keys announced would come before the line holds all of them.
        wait_until(lambda: Atspi.Text.get_character_count(line) == 40)
        pump(0.3)
        self.assertEqual(self.heard.announcements(), [])
        self.assertEqual(self.press("o"), ["Най-много 40 знака: останалото не е добавено."])
        self.assertEqual(self.press("p", "q"), ["Най-много 40 знака: останалото не е добавено."] * 2)

        self.assertEqual(Atspi.Text.get_text(line, 0, -1),
                         "abcdefghijklmnopqrstuvwxyzabcdefghijklmn")
        # One attribute run for the whole line, from which a screen reader reads all of it.
        run = Atspi.Text.get_attribute_run(line, 0, False)
        self.assertEqual((run.start_offset, run.end_offset), (0, 40))

    def test_3_lists_are_labelled_by_their_headings(self):
        lists = [self.window.get_child_at_index(k) for k in range(self.window.get_child_count())]
        lists = [c for c in lists if c.get_role() == Atspi.Role.LIST]
        self.assertEqual(len(lists), 10)
        for column in lists:
            headings = related(column, Atspi.RelationType.LABELLED_BY)
            self.assertEqual([h.get_name() for h in headings], [column.get_name()])
            self.assertEqual(related(headings[0], Atspi.RelationType.LABEL_FOR), [column])

    def row_heard(self, row_name, *names):
        """Presses the keys and returns the name and labels of the row that took the focus last,
        once that is the row named (each key may move the focus on by a row)."""
        def rows():
            return [f for f in self.heard.focused() if f.get_role() == Atspi.Role.LIST_ITEM]

        self.heard.clear()
        keys(*names)
        self.assertTrue(wait_until(lambda: rows() and rows()[-1].get_name() == row_name),
                        "rows focused: %s" % [row.get_name() for row in rows()])
        labels = related(rows()[-1], Atspi.RelationType.LABELLED_BY)
        return rows()[-1].get_name(), [label.get_name() for label in labels]

    def test_4_a_row_reads_across_its_group(self):
        keys("ctrl+a")  # in the input line
        typed("AFFINECIPHER")
        keys("Tab")
        self.press("Return")
        keys("Tab", "Tab")  # to "входен текст", which has no selection yet
        self.assertEqual(self.row_heard("A", "Down"), ("A", ["A; код 0, шифър I"]))
        self.assertEqual(self.row_heard("I", "Down", "Down", "Down"),
                         ("I", ["I; код 294, шифър W"]))
        self.assertEqual(self.row_heard("R", "End"), ("R", ["R; код 147, шифър P"]))
        keys("Tab", "Tab", "Tab", "Tab")  # to "Буква" in the table
        self.assertEqual(
            self.row_heard("I", "i"),
            ("I", ["I; номер 8, 5x+8 48, mod 26 22, шифър W, 21(y-8) 294, mod 26 8"]))


if __name__ == "__main__":
    unittest.main(verbosity=2)
