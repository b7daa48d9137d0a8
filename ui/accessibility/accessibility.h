#pragma once

#include <string_view>

class QLineEdit;
class QWidget;

// What assistive technology reads and hears of the window beyond what Qt gives every widget. The
// window names and describes its controls from the control table as it creates them, and each
// caption is the label buddy of the control it labels, from which Qt takes the control's name and
// the label relations; the lists tell of their own changes (ListBoxView::showModel). Whether
// anyone listens is QAccessible::isActive(): the platform's bridge switches it on when a screen
// reader runs.

// Registers the accessible interfaces of the window, its captions, its input line and its lists,
// once for the program; before any control exists, so that none is ever given a generic one.
void InstallAccessibleInterfaces();

// Says `words` to assistive technology without showing anything: a button's outcome, the input
// line's limit. They come as a Notification that has no pixels and no place among the window's
// controls, with one StaticText child that carries the words; it appears anew for each
// announcement. Orca speaks a notification as it appears and shows its text in braille: Qt 6.4
// has no announcement event of its own, and its name and description change events reach Orca
// without the new text. Does nothing while no assistive technology listens.
void Announce(QWidget& window, std::u16string_view words);

// Keeps the line edit's selection of its whole text when the focus comes in, and its dropping of
// the selection when the focus leaves, from reaching assistive technology as selection changes.
// Qt reports the selection before the focus, and Orca speaks the selected text for the one and
// the whole line again for the other; the focus alone says it all. Selections the user makes
// while the line has the focus are reported as ever. For one line edit at a time.
void QuietSelectionOnFocus(QLineEdit& line);

// Keeps a click behind the keys typed before it. While a screen reader listens, Qt's bridge holds
// each key until the screen reader has answered for it (DeviceEventController's
// NotifyListenersSync) and delivers it afterwards, but delivers a mouse click at once: "hello"
// typed and "Криптирай" clicked 50 ms later enciphered "H". The window's mouse events now wait,
// in their order, until every key that came from the display server before them has been
// delivered, or, for a key the screen reader kept for itself, until the bridge's own wait for
// the answer is over. For the window `window`, on X11.
void KeepClicksBehindKeys(QWidget& window);
