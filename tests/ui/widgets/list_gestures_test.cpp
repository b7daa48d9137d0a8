// Every way a person can act on a list ends with one selected row (or none where the form set
// none), the same on screen and in the form, and the same in every list of the group.

#include <QClipboard>
#include <QLineEdit>
#include <QWheelEvent>

#include "window_test_support.h"

namespace {

enum class Gesture {
    Key,
    CtrlKey,
    Type,
    Click,
    CtrlClick,
    DoubleClick,
    ClickBelowRows,
    Drag,
    Wheel
};

}  // namespace

Q_DECLARE_METATYPE(Gesture)

class ListGesturesTest final : public WindowTest {
    Q_OBJECT

    void encrypt(const QString& text) {
        auto* input = find<QLineEdit>(u"Text2_0"_qs);
        input->clear();
        QTest::keyClicks(input, text);
        click(u"Command1_0"_qs);
    }

    // Argument: the key, the text typed, the row clicked, or the row a drag from row 0 ends on
    // (a row past the visible ones stands for a point below the list).
    static void perform(ListBoxView* list, Gesture gesture, const QVariant& argument) {
        QWidget* area = list->viewport();
        const QPoint row = list->visualRect(argument.toInt()).center();
        switch (gesture) {
            case Gesture::Key:
            case Gesture::CtrlKey:
                QTest::keyClick(list, Qt::Key(argument.toInt()),
                                gesture == Gesture::CtrlKey ? Qt::ControlModifier : Qt::NoModifier);
                break;
            case Gesture::Type:
                QTest::keyClicks(list, argument.toString());
                break;
            case Gesture::Click:
            case Gesture::CtrlClick:
                clickRow(list, argument.toInt(),
                         gesture == Gesture::CtrlClick ? Qt::ControlModifier : Qt::NoModifier);
                break;
            case Gesture::DoubleClick:
                QTest::mouseDClick(area, Qt::LeftButton, {}, row);
                break;
            case Gesture::ClickBelowRows:
                QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(10, area->height() - 2));
                break;
            case Gesture::Drag: {
                const QPoint to =
                    rowInView(list, argument.toInt()) ? row : QPoint(10, area->height() + 5);
                QTest::mousePress(area, Qt::LeftButton, {}, list->visualRect(0).center());
                QTest::mouseMove(area, list->visualRect(1).center());
                QTest::mouseMove(area, to);
                QTest::mouseRelease(area, Qt::LeftButton, {}, to);
                break;
            }
            case Gesture::Wheel: {
                const QPointF at(10, 10);
                QWheelEvent wheel(at, area->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, {},
                                  Qt::NoScrollPhase, false);
                QApplication::sendEvent(area, &wheel);
                break;
            }
        }
    }

    // Each list of the group holds the row as its selection and shows it highlighted.
    void verifyGroupShows(const QStringList& lists, int row, bool inView = true) {
        for (const QString& name : lists) {
            QCOMPARE(list(name)->model().ListIndex(), row);
            QCOMPARE(highlightedRows(list(name)),
                     row >= 0 && rowInView(list(name), row) ? QVector<int>{row} : QVector<int>{});
            QVERIFY2(!inView || row < 0 || rowInView(list(name), row), qPrintable(name));
        }
    }

  private slots:
    void gestureEndsWithOneRowSelectedAcrossTheGroup_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("encrypted");  // enciphered first, to fill the result lists
        QTest::addColumn<int>("start");          // reached with the Down key; -1: no selection
        QTest::addColumn<Gesture>("gesture");
        QTest::addColumn<QVariant>("argument");
        QTest::addColumn<int>("row");
        const auto add = [](const char* what, const char* name, const char* encrypted, int start,
                            Gesture gesture, QVariant argument, int row) {
            QTest::newRow(what) << QString::fromLatin1(name) << QString::fromLatin1(encrypted)
                                << start << gesture << argument << row;
        };
        using G = Gesture;
        // A page is the four rows that are wholly visible.
        add("Down without selection selects the first row", "List2_3", "", -1, G::Key, Qt::Key_Down,
            0);
        add("Up without selection selects the first row", "List2_3", "", -1, G::Key, Qt::Key_Up, 0);
        add("Page Down without selection ends the first page", "List2_3", "", -1, G::Key,
            Qt::Key_PageDown, 3);
        add("End selects the last row", "List2_3", "", -1, G::Key, Qt::Key_End, 25);
        add("Home selects the first row", "List2_3", "", 10, G::Key, Qt::Key_Home, 0);
        add("Down moves one row", "List2_3", "", 10, G::Key, Qt::Key_Down, 11);
        add("Page Up moves a page", "List2_3", "", 10, G::Key, Qt::Key_PageUp, 6);
        add("Page Down moves a page", "List2_3", "", 10, G::Key, Qt::Key_PageDown, 14);
        add("Page Up stops at the first row", "List2_3", "", 2, G::Key, Qt::Key_PageUp, 0);
        add("Down stays on the last row", "List2_3", "", 25, G::Key, Qt::Key_Down, 25);
        add("Ctrl+Space keeps the selected row", "List2_3", "", 2, G::CtrlKey, Qt::Key_Space, 2);
        add("Ctrl+Space selects nothing new", "List2_3", "", -1, G::CtrlKey, Qt::Key_Space, -1);
        add("Space keeps the selected row", "List2_3", "", 2, G::Key, Qt::Key_Space, 2);
        add("a click selects the row", "List2_3", "", 0, G::Click, 3, 3);
        add("Ctrl+click on the selected row keeps it", "List2_3", "", 1, G::CtrlClick, 1, 1);
        add("a double click selects the row", "List2_3", "", -1, G::DoubleClick, 2, 2);
        add("a drag ends on the row under the pointer", "List2_3", "", -1, G::Drag, 3, 3);
        add("a drag below the list moves one row on", "List2_3", "", -1, G::Drag, 9, 4);
        add("the wheel scrolls and keeps the selection", "List2_3", "", 0, G::Wheel, 0, 0);
        add("a typed digit finds the first row it starts", "List2_0", "", -1, G::Type, "1", 1);
        add("the same digit again finds the next", "List2_0", "", 1, G::Type, "1", 10);
        add("two digits typed quickly find their row", "List2_0", "", -1, G::Type, "25", 25);
        add("a small letter finds its capital", "List2_1", "", -1, G::Type, "z", 25);
        add("a letter no row starts with changes nothing", "List2_0", "", 4, G::Type, "a", 4);
        add("a click below the result rows keeps the selection", "List1_1", "ABC", 1,
            G::ClickBelowRows, 0, 1);
        add("a click below the result rows selects nothing", "List1_1", "ABC", -1,
            G::ClickBelowRows, 0, -1);
        add("End selects the last result row", "List1_0", "ABC", -1, G::Key, Qt::Key_End, 2);
        add("Down in an empty result list selects nothing", "List1_0", "", -1, G::Key, Qt::Key_Down,
            -1);
    }
    void gestureEndsWithOneRowSelectedAcrossTheGroup() {
        QFETCH(QString, name);
        QFETCH(QString, encrypted);
        QFETCH(int, start);
        QFETCH(Gesture, gesture);
        QFETCH(QVariant, argument);
        QFETCH(int, row);
        if (!encrypted.isEmpty()) {
            encrypt(encrypted);
        }
        ListBoxView* target = list(name);
        target->setFocus(Qt::TabFocusReason);
        for (int k = 0; k <= start; ++k) {
            QTest::keyClick(target, Qt::Key_Down);
        }
        QCOMPARE(target->model().ListIndex(), start);
        perform(target, gesture, argument);
        verifyGroupShows(name.startsWith(u"List2") ? kTableLists : kResultLists, row,
                         gesture != Gesture::Wheel);
    }

    void clickedTableRowReadsAcrossAllSevenLists() {
        clickRow(list(u"List2_4"_qs), 3);
        verifyGroupShows(kTableLists, 3);
        QTest::keyClick(list(u"List2_4"_qs), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"3\tD\t23\t23\tX\t315\t3"_qs);
    }

    void rowFarDownIsScrolledIntoViewInEveryTableList() {
        ListBoxView* table = list(u"List2_2"_qs);
        while (!rowInView(table, 20)) {
            perform(table, Gesture::Wheel, {});
        }
        clickRow(table, 20);
        verifyGroupShows(kTableLists, 20);
    }

    void resultRowSelectsTheSameRowOfTheHiddenNumberList() {
        encrypt(u"AFFINECIPHER"_qs);
        clickRow(list(u"List1_2"_qs), 3);
        verifyGroupShows(kResultLists, 3);
        QCOMPARE(list(u"List1_3"_qs)->model().ListIndex(), 3);
        // Copying reads the visible result lists only.
        QTest::keyClick(list(u"List1_0"_qs), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"I\t294\tW"_qs);
    }

    void resultRowPastTheNumberListStillLinksTheVisibleLists() {
        encrypt(u"ABCDEFGHIJKLMNOPQRSTUVWXYZABCD"_qs);  // 30 rows; the number list has 26
        for (int k = 0; k <= 27; ++k) {
            QTest::keyClick(list(u"List1_0"_qs), Qt::Key_Down);
        }
        verifyGroupShows(kResultLists, 27);
        QCOMPARE(list(u"List1_3"_qs)->model().ListIndex(), -1);
        QTest::keyClick(list(u"List1_0"_qs), Qt::Key_Up);
        verifyGroupShows(kResultLists, 26);
    }

    void copyWithoutSelectionLeavesTheClipboardAlone() {
        QGuiApplication::clipboard()->setText(u"before"_qs);
        QTest::keyClick(list(u"List2_1"_qs), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"before"_qs);
    }

    void buttonsShowTheirResultsFromTheTopAndClearTheTableSelection() {
        encrypt(u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"_qs);
        QTest::keyClick(list(u"List1_1"_qs), Qt::Key_End);
        clickRow(list(u"List2_5"_qs), 2);
        encrypt(u"XYZ"_qs);
        for (const QString& name : kResultLists) {
            QCOMPARE(list(name)->topRow(), 0);
            QCOMPARE(list(name)->model().ListCount(), 3);
        }
        verifyGroupShows(kResultLists, -1);
        verifyGroupShows(kTableLists, 2);
        click(u"Command1_1"_qs);
        verifyGroupShows(kTableLists, -1);
    }
};

QTEST_MAIN(ListGesturesTest)
#include "list_gestures_test.moc"
