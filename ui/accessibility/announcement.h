#pragma once

class QString;
class QWidget;

// Says something to assistive technology without showing anything. The window's announcement is
// a Notification that has no pixels and no place among the window's controls, with one
// StaticText child that carries the words; it appears anew for each announcement. Orca speaks a
// notification as it appears and shows its text in braille: Qt 6.4 has no announcement event of
// its own, and its name and description change events reach Orca without the new text. Does
// nothing while no assistive technology is listening.
void Announce(QWidget& window, const QString& words);
