"""What a screen reader meets on the AT-SPI bus while a person works the window with the keyboard:
the announcements after the buttons and at the input line's limit, the rows read across their
group, the labels of the lists and the input line, and Enter on the buttons.

Run by on-accessibility-bus, which starts the program (its process id in AFFINE_PROGRAM_PID), the
bus and the display. Keys go to the window as a person's would, through the X server (xdotool).
"""

import os
import subprocess
import tempfile
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

    def test_5_no_signal_from_the_program_is_rejected_as_ill_formed(self):
        # libatspi drops a signal whose arguments it cannot read and warns on its stderr, so the
        # client's stderr is where such a signal shows. The program sends only what someone
        # listens to.
        listener = Atspi.EventListener.new(lambda event: None)
        listener.register("object:children-changed")
        self.heard.clear()
        with tempfile.TemporaryFile() as warnings:
            stderr = os.dup(2)
            os.dup2(warnings.fileno(), 2)
            try:
                self.control(Atspi.Role.PUSH_BUTTON, "Криптирай").do_action(0)
                wait_until(lambda: self.heard.announcements(), 5)
                pump(0.5)
            finally:
                os.dup2(stderr, 2)
                os.close(stderr)
            warnings.seek(0)
            said = warnings.read().decode(errors="replace")
        listener.deregister("object:children-changed")
        self.assertEqual(len(self.heard.announcements()), 1)
        self.assertNotIn("invalid signature", said.lower())

    def test_6_a_caching_client_reads_each_announcement_in_its_own_words(self):
        # Inside Atspi.event_main, as in pyatspi's Registry.start(), libatspi answers names from
        # its cache, which events keep up to date; that is how Orca reads.
        heard = []

        def hear(event):
            if (event.source.get_process_id() == PROGRAM and event.detail1
                    and event.source.get_role() == Atspi.Role.NOTIFICATION):
                heard.append(event.source.get_child_at_index(0).get_name())

        listener = Atspi.EventListener.new(hear)
        listener.register("object:state-changed:showing")
        listener.register("object:property-change:accessible-name")
        steps = [lambda: self.control(Atspi.Role.PUSH_BUTTON, "Чисти").do_action(0),
                 lambda: self.control(Atspi.Role.PUSH_BUTTON, "Криптирай").do_action(0),
                 lambda: self.control(Atspi.Role.PUSH_BUTTON, "Чисти").do_action(0),
                 Atspi.event_quit]

        def step():
            steps.pop(0)()
            return bool(steps)

        GLib.timeout_add(700, step)
        Atspi.event_main()
        listener.deregister("object:state-changed:showing")
        listener.deregister("object:property-change:accessible-name")
        self.assertEqual(heard, ["Текстът и резултатът са изчистени.",
                                 "Нищо не е криптирано: в текста няма латински букви.",
                                 "Текстът и резултатът са изчистени."])

    def test_7_a_refused_edit_is_never_reported_as_inserted(self):
        line = self.control(Atspi.Role.TEXT, "текст за криптиране")
        full = "Най-много 40 знака: останалото не е добавено."
        changes = []

        def hear(event):
            if event.source == line:
                changes.append((event.type, event.detail1, event.detail2, event.any_data))

        listener = Atspi.EventListener.new(hear)
        listener.register("object:text-changed")
        self.assertTrue(Atspi.Component.grab_focus(line))
        Atspi.EditableText.set_text_contents(line, "x" * 40)
        pump(0.5)
        changes.clear()
        self.assertEqual(self.press("q"), [full])
        self.assertEqual(changes, [])

        inserted = [("object:text-changed:insert", 0, 40, "0123456789" * 4)]
        # A paste longer than the limit, and one far longer, by keys and by a screen reader.
        for text in ["0123456789" * 6 + "ab", "0123456789" * 100000]:
            clipboard = subprocess.Popen(["xclip", "-selection", "clipboard", "-quiet"],
                                         stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                         stderr=subprocess.DEVNULL)
            clipboard.stdin.write(text.encode())
            clipboard.stdin.close()
            pump(0.5)
            Atspi.EditableText.set_text_contents(line, "")
            pump(0.5)
            changes.clear()
            self.assertEqual(self.press("ctrl+v"), [full])
            clipboard.kill()
            clipboard.wait()
            self.assertEqual(changes, inserted)

            Atspi.EditableText.set_text_contents(line, "")
            pump(0.5)
            changes.clear()
            Atspi.EditableText.insert_text(line, 0, text, len(text))
            pump(0.5)
            self.assertEqual(changes, inserted)
        listener.deregister("object:text-changed")

    def test_8_what_is_typed_before_a_click_is_what_the_click_enciphers(self):
        # A screen reader listens to every key, as Orca does, and Qt holds each key until the
        # screen reader has answered; a click right after the keys must still find them typed.
        line = self.control(Atspi.Role.TEXT, "текст за криптиране")
        button = self.control(Atspi.Role.PUSH_BUTTON, "Криптирай")
        def answer(event):
            time.sleep(0.02)  # a screen reader's time to echo the key
            return False

        keystrokes = Atspi.DeviceListener.new(answer)
        kinds = (1 << Atspi.EventType.KEY_PRESSED_EVENT) | (1 << Atspi.EventType.KEY_RELEASED_EVENT)
        Atspi.register_keystroke_listener(keystrokes, None, 0, kinds,
                                          Atspi.KeyListenerSyncType.SYNCHRONOUS)
        self.assertTrue(Atspi.Component.grab_focus(line))
        Atspi.EditableText.set_text_contents(line, "")
        box = Atspi.Component.get_extents(button, Atspi.CoordType.SCREEN)
        pump(0.5)
        self.heard.clear()
        subprocess.run(["xdotool", "mousemove", str(box.x + box.width // 2),
                        str(box.y + box.height // 2)], check=True)
        # The client answers each key from its main loop while xdotool goes on.
        for person in (["xdotool", "type", "--delay", "10", "hello"],
                       ["xdotool", "sleep", "0.05", "click", "1"]):
            person = subprocess.Popen(person)
            while person.poll() is None:
                pump(0.01)
        wait_until(lambda: self.heard.announcements(), 5)
        pump(0.5)
        Atspi.deregister_keystroke_listener(keystrokes, None, 0, kinds)
        said = self.heard.announcements()
        self.assertEqual(len(said), 1, (said, Atspi.Text.get_text(line, 0, -1), box.x, box.y))
        self.assertTrue(said[0].startswith("Текстът HELLO е криптиран в "), said)

if __name__ == "__main__":
    unittest.main(verbosity=2)
