#pragma once

class QWidget;

// Makes the window readable by screen readers and other assistive technology.

// Registers the accessible interfaces of the window and of its painted labels and lists, once
// for the program; before any control exists, so that none is ever given a generic one.
void InstallAccessibleInterfaces();

// Gives each control of the window a name that says what it is, taken from the caption that
// stands beside it on screen, and a description where the name alone leaves it open (the two
// "mod 26" columns); makes each list announce its changes of rows and selection, and the buttons
// and the input line's limit what they did. All of it waits until assistive technology switches
// Qt's accessibility on, which is at once where a screen reader is running.
void DescribeControlsForAssistiveTechnology(QWidget& window);
