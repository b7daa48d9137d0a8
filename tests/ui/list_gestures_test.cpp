// Every way a person can act on a list ends with one selected row (or none where the form set
// none), the same on screen and in the form, and the same in every list of the group.

#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>
#include <memory>

#include "window_test_support.h"

namespace {

enum class Gesture {
    Key,                // a key press in the list
    KeyWithControl,     // the same with Ctrl held
    TypeNumber,         // the digits of a number, typed quickly
    TypeLetter,         // one character
    Click,              // a click on a row
    ClickWithControl,   // a Ctrl+click on a row
    DoubleClick,        // a double click on a row
    ClickBelowLastRow,  // a click on the empty area under the rows
    Drag,               // press on a row, move the pointer to another row (or past the edge)
    WheelDown,          // one notch of the mouse wheel
};

}  // namespace

Q_DECLARE_METATYPE(Gesture)

class ListGesturesTest final : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup() { window_.reset(); }

    void gestureEndsWithOneRowSelectedAcrossTheGroup_data();
    void gestureEndsWithOneRowSelectedAcrossTheGroup();
    void clickedTableRowReadsAcrossAllSevenLists();
    void rowSelectedFarDownIsScrolledIntoViewInEveryTableList();
    void resultRowSelectsTheSameRowOfTheHiddenNumberList();
    void resultRowPastTheNumberListStillLinksTheVisibleLists();
    void copyReadsTheSelectedRowAcrossTheVisibleListsOfItsGroup_data();
    void copyReadsTheSelectedRowAcrossTheVisibleListsOfItsGroup();
    void copyWithoutSelectionLeavesTheClipboardAlone();
    void clearingTakesTheTableSelectionOffTheScreen();
    void encryptingAgainShowsTheNewResultsFromTheTop();

  private:
    void encrypt(const QString& text);
    void perform(ListBoxView& list, Gesture gesture, int argument);
    void verifyGroupShows(const QStringList& lists, int row);

    std::unique_ptr<MainWindow> window_;
};

void ListGesturesTest::init() {
    window_ = std::make_unique<MainWindow>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QGuiApplication::clipboard()->clear();
}

void ListGesturesTest::encrypt(const QString& text) {
    auto* input = Find<QLineEdit>(*window_, u"Text2_0"_qs);
    input->selectAll();
    QTest::keyClick(input, Qt::Key_Delete);
    QTest::keyClicks(input, text);
    ClickButton(*window_, u"Command1_0"_qs);
}

void ListGesturesTest::perform(ListBoxView& list, Gesture gesture, int argument) {
    list.setFocus(Qt::TabFocusReason);
    switch (gesture) {
        case Gesture::Key:
            QTest::keyClick(&list, static_cast<Qt::Key>(argument));
            break;
        case Gesture::KeyWithControl:
            QTest::keyClick(&list, static_cast<Qt::Key>(argument), Qt::ControlModifier);
            break;
        case Gesture::TypeNumber:
            QTest::keyClicks(&list, QString::number(argument));
            break;
        case Gesture::TypeLetter:
            QTest::keyClicks(&list, QString(QChar(argument)));
            break;
        case Gesture::Click:
            ClickRow(list, argument);
            break;
        case Gesture::ClickWithControl:
            ClickRow(list, argument, Qt::ControlModifier);
            break;
        case Gesture::DoubleClick:
            QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, RowCentre(list, argument));
            break;
        case Gesture::ClickBelowLastRow: {
            const QRect last = list.visualRect(list.model().ListCount() - 1);
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                              QPoint(last.center().x(), last.bottom() + 4));
            break;
        }
        case Gesture::Drag: {
            QTest::mousePress(list.viewport(), Qt::LeftButton, {}, RowCentre(list, 0));
            // A row past the last visible one stands for a pointer below the list.
            const QPoint to = argument < list.fullyVisibleRowCount()
                                  ? RowCentre(list, argument)
                                  : QPoint(10, list.viewport()->height() + 5);
            QTest::mouseMove(list.viewport(), RowCentre(list, 1));
            QTest::mouseMove(list.viewport(), to);
            QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, to);
            break;
        }
        case Gesture::WheelDown: {
            const QPointF at = RowCentre(list, list.topRow());
            QWheelEvent wheel(at, list.viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(list.viewport(), &wheel);
            break;
        }
    }
}

void ListGesturesTest::verifyGroupShows(const QStringList& lists, int row) {
    for (const QString& name : lists) {
        ListBoxView* list = FindList(*window_, name);
        QCOMPARE(list->model().ListIndex(), row);
        const QVector<int> expected =
            row >= 0 && RowInView(*list, row) ? QVector<int>{row} : QVector<int>{};
        QCOMPARE(HighlightedRows(*list), expected);
    }
}

void ListGesturesTest::gestureEndsWithOneRowSelectedAcrossTheGroup_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("encrypted");  // text enciphered first, to fill the result lists
    QTest::addColumn<int>("startRow");       // reached with the Down key; -1 selects nothing
    QTest::addColumn<Gesture>("gesture");
    QTest::addColumn<int>("argument");
    QTest::addColumn<int>("row");
    const QString table = u"List2_3"_qs;
    const QString none;
    // Four rows are wholly visible in a list, so a page is four rows.
    QTest::newRow("Down without selection selects the first row")
        << table << none << -1 << Gesture::Key << int(Qt::Key_Down) << 0;
    QTest::newRow("Up without selection selects the first row")
        << table << none << -1 << Gesture::Key << int(Qt::Key_Up) << 0;
    QTest::newRow("Page Down without selection selects the end of the first page")
        << table << none << -1 << Gesture::Key << int(Qt::Key_PageDown) << 3;
    QTest::newRow("End without selection selects the last row")
        << table << none << -1 << Gesture::Key << int(Qt::Key_End) << 25;
    QTest::newRow("Down moves one row")
        << table << none << 10 << Gesture::Key << int(Qt::Key_Down) << 11;
    QTest::newRow("Up moves one row")
        << table << none << 10 << Gesture::Key << int(Qt::Key_Up) << 9;
    QTest::newRow("Page Down moves a page")
        << table << none << 10 << Gesture::Key << int(Qt::Key_PageDown) << 14;
    QTest::newRow("Page Up moves a page")
        << table << none << 10 << Gesture::Key << int(Qt::Key_PageUp) << 6;
    QTest::newRow("Page Up stops at the first row")
        << table << none << 2 << Gesture::Key << int(Qt::Key_PageUp) << 0;
    QTest::newRow("Home selects the first row")
        << table << none << 10 << Gesture::Key << int(Qt::Key_Home) << 0;
    QTest::newRow("Down stays on the last row")
        << table << none << 25 << Gesture::Key << int(Qt::Key_Down) << 25;
    QTest::newRow("Up stays on the first row")
        << table << none << 0 << Gesture::Key << int(Qt::Key_Up) << 0;
    QTest::newRow("Ctrl+Space keeps the selected row")
        << table << none << 2 << Gesture::KeyWithControl << int(Qt::Key_Space) << 2;
    QTest::newRow("Space keeps the selected row")
        << table << none << 2 << Gesture::Key << int(Qt::Key_Space) << 2;
    QTest::newRow("Ctrl+Space without selection selects nothing")
        << table << none << -1 << Gesture::KeyWithControl << int(Qt::Key_Space) << -1;
    QTest::newRow("Ctrl+Down moves one row")
        << table << none << 4 << Gesture::KeyWithControl << int(Qt::Key_Down) << 5;
    QTest::newRow("Delete keeps the selected row")
        << table << none << 2 << Gesture::Key << int(Qt::Key_Delete) << 2;
    QTest::newRow("a click selects the row") << table << none << -1 << Gesture::Click << 2 << 2;
    QTest::newRow("a click moves the selection") << table << none << 0 << Gesture::Click << 3 << 3;
    QTest::newRow("Ctrl+click on the selected row keeps it")
        << table << none << 1 << Gesture::ClickWithControl << 1 << 1;
    QTest::newRow("Ctrl+click on another row selects that row")
        << table << none << 1 << Gesture::ClickWithControl << 3 << 3;
    QTest::newRow("a double click selects the row")
        << table << none << -1 << Gesture::DoubleClick << 2 << 2;
    QTest::newRow("a drag ends on the row under the pointer")
        << table << none << -1 << Gesture::Drag << 3 << 3;
    QTest::newRow("a drag below the list moves one row further")
        << table << none << -1 << Gesture::Drag << 9 << 4;
    QTest::newRow("the wheel scrolls without touching the selection")
        << table << none << 0 << Gesture::WheelDown << 0 << 0;
    // Keyboard search: the row whose text starts with what was typed, after the selection.
    QTest::newRow("a typed digit finds the first row starting with it")
        << u"List2_0"_qs << none << -1 << Gesture::TypeNumber << 1 << 1;
    QTest::newRow("the same digit again finds the next such row")
        << u"List2_0"_qs << none << 1 << Gesture::TypeNumber << 1 << 10;
    QTest::newRow("two digits typed quickly find the row of both")
        << u"List2_0"_qs << none << -1 << Gesture::TypeNumber << 25 << 25;
    QTest::newRow("a typed small letter finds its capital")
        << u"List2_1"_qs << none << -1 << Gesture::TypeLetter << int('z') << 25;
    QTest::newRow("a letter that starts no row keeps the selection")
        << u"List2_0"_qs << none << 4 << Gesture::TypeLetter << int('a') << 4;
    // The result lists: a few rows, with room below them.
    QTest::newRow("a click below the last result row keeps the selection")
        << u"List1_1"_qs << u"ABC"_qs << 1 << Gesture::ClickBelowLastRow << 0 << 1;
    QTest::newRow("a click below the last result row selects nothing")
        << u"List1_1"_qs << u"ABC"_qs << -1 << Gesture::ClickBelowLastRow << 0 << -1;
    QTest::newRow("End in the results selects their last row")
        << u"List1_0"_qs << u"ABC"_qs << -1 << Gesture::Key << int(Qt::Key_End) << 2;
    QTest::newRow("Down in an empty result list selects nothing")
        << u"List1_0"_qs << none << -1 << Gesture::Key << int(Qt::Key_Down) << -1;
    QTest::newRow("a click in an empty result list selects nothing")
        << u"List1_2"_qs << none << -1 << Gesture::ClickBelowLastRow << 0 << -1;
}

void ListGesturesTest::gestureEndsWithOneRowSelectedAcrossTheGroup() {
    QFETCH(QString, list);
    QFETCH(QString, encrypted);
    QFETCH(int, startRow);
    QFETCH(Gesture, gesture);
    QFETCH(int, argument);
    QFETCH(int, row);
    if (!encrypted.isEmpty()) {
        encrypt(encrypted);
    }
    ListBoxView* target = FindList(*window_, list);
    target->setFocus(Qt::TabFocusReason);
    for (int k = 0; k <= startRow; ++k) {
        QTest::keyClick(target, Qt::Key_Down);
    }
    QCOMPARE(target->model().ListIndex(), startRow);

    perform(*target, gesture, argument);

    const QStringList group = list.startsWith(u"List2") ? kTableLists : kVisibleResultLists;
    verifyGroupShows(group, row);
    if (gesture != Gesture::WheelDown && row >= 0) {
        for (const QString& name : group) {
            QVERIFY2(RowInView(*FindList(*window_, name), row), qPrintable(name));
        }
    }
}

void ListGesturesTest::clickedTableRowReadsAcrossAllSevenLists() {
    ClickRow(*FindList(*window_, u"List2_4"_qs), 3);
    verifyGroupShows(kTableLists, 3);
    QStringList read;
    for (const QString& name : kTableLists) {
        const ListBox& model = FindList(*window_, name)->model();
        read << QString::fromStdU16String(model.List(model.ListIndex()));
    }
    QCOMPARE(read, QStringList({"3", "D", "23", "23", "X", "315", "3"}));
}

void ListGesturesTest::rowSelectedFarDownIsScrolledIntoViewInEveryTableList() {
    // Scroll List2(2) down with the wheel until row 20 shows, then click it.
    ListBoxView* list = FindList(*window_, u"List2_2"_qs);
    while (!RowInView(*list, 20)) {
        perform(*list, Gesture::WheelDown, 0);
    }
    ClickRow(*list, 20);
    verifyGroupShows(kTableLists, 20);
    for (const QString& name : kTableLists) {
        QVERIFY2(RowInView(*FindList(*window_, name), 20), qPrintable(name));
    }
}

void ListGesturesTest::resultRowSelectsTheSameRowOfTheHiddenNumberList() {
    encrypt(u"AFFINECIPHER"_qs);
    ClickRow(*FindList(*window_, u"List1_2"_qs), 3);
    verifyGroupShows(kVisibleResultLists, 3);
    QStringList read;
    for (const QString& name : Names("List1", 4)) {
        const ListBox& model = FindList(*window_, name)->model();
        read << QString::fromStdU16String(model.List(model.ListIndex()));
    }
    QCOMPARE(read, QStringList({"I", "294", "W", "3"}));
}

void ListGesturesTest::resultRowPastTheNumberListStillLinksTheVisibleLists() {
    encrypt(u"ABCDEFGHIJKLMNOPQRSTUVWXYZABCD"_qs);  // 30 letters, the number list has 26 rows
    ListBoxView* list = FindList(*window_, u"List1_0"_qs);
    list->setFocus(Qt::TabFocusReason);
    for (int k = 0; k <= 27; ++k) {
        QTest::keyClick(list, Qt::Key_Down);
    }
    verifyGroupShows(kVisibleResultLists, 27);
    QCOMPARE(FindList(*window_, u"List1_3"_qs)->model().ListIndex(), -1);
    // The window goes on working.
    QTest::keyClick(list, Qt::Key_Up);
    verifyGroupShows(kVisibleResultLists, 26);
    QVERIFY(window_->isVisible());
}

void ListGesturesTest::copyReadsTheSelectedRowAcrossTheVisibleListsOfItsGroup_data() {
    QTest::addColumn<QString>("encrypted");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QString>("copied");
    QTest::newRow("table row") << QString() << u"List2_0"_qs << 3 << u"List2_6"_qs
                               << u"3\tD\t23\t23\tX\t315\t3"_qs;
    QTest::newRow("result row, without the hidden number list")
        << u"AFFINECIPHER"_qs << u"List1_2"_qs << 3 << u"List1_1"_qs << u"I\t294\tW"_qs;
}

void ListGesturesTest::copyReadsTheSelectedRowAcrossTheVisibleListsOfItsGroup() {
    QFETCH(QString, encrypted);
    QFETCH(QString, clicked);
    QFETCH(int, row);
    QFETCH(QString, focused);
    QFETCH(QString, copied);
    if (!encrypted.isEmpty()) {
        encrypt(encrypted);
    }
    ClickRow(*FindList(*window_, clicked), row);
    QTest::keyClick(FindList(*window_, focused), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
}

void ListGesturesTest::copyWithoutSelectionLeavesTheClipboardAlone() {
    QGuiApplication::clipboard()->setText(u"before"_qs);
    QTest::keyClick(FindList(*window_, u"List2_1"_qs), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"before"_qs);
}

void ListGesturesTest::clearingTakesTheTableSelectionOffTheScreen() {
    ClickRow(*FindList(*window_, u"List2_5"_qs), 2);
    ClickButton(*window_, u"Command1_1"_qs);
    verifyGroupShows(kTableLists, -1);
    // With no selection left, an arrow key starts again at the first row.
    QTest::keyClick(FindList(*window_, u"List2_5"_qs), Qt::Key_Down);
    verifyGroupShows(kTableLists, 0);
}

void ListGesturesTest::encryptingAgainShowsTheNewResultsFromTheTop() {
    encrypt(u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"_qs);
    ListBoxView* list = FindList(*window_, u"List1_1"_qs);
    list->setFocus(Qt::TabFocusReason);
    QTest::keyClick(list, Qt::Key_End);
    QVERIFY(list->topRow() > 0);
    encrypt(u"XYZ"_qs);
    for (const QString& name : kVisibleResultLists) {
        QCOMPARE(FindList(*window_, name)->topRow(), 0);
        QCOMPARE(FindList(*window_, name)->model().ListCount(), 3);
    }
    verifyGroupShows(kVisibleResultLists, -1);
}

QTEST_MAIN(ListGesturesTest)
#include "list_gestures_test.moc"
