// The keyboard and the input line: where the focus starts and how Tab and Shift+Tab walk the
// controls; that Enter and Esc do nothing and Space presses a button; that the input line holds
// at most 40 units, never half a character, and is always the form's input text; and what the
// read-only explanation allows.

#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

#include "window_test_support.h"

namespace {

// The visible controls that take the focus, in their Tab order; List2(4) comes last.
const QStringList kFocusOrder{"Text1_0", "Text2_0", "Command1_0", "Command1_1", "List1_0",
                              "List1_1", "List1_2", "List2_0",    "List2_1",    "List2_2",
                              "List2_3", "List2_5", "List2_6",    "List2_4"};

const QString kGrin = QString::fromUtf16(u"\U0001F600");  // one character of two units

QString FocusName() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

}  // namespace

class KeyboardAndInputTest final : public WindowTest {
    Q_OBJECT

    QLineEdit* input() const { return find<QLineEdit>(u"Text2_0"_qs); }

    // What a person would notice changing: the input text, and every list's rows and selection.
    QStringList state() const {
        QStringList state{input()->text()};
        for (const QString& name : Names("List1", 4) + kTableLists) {
            state << QStringLiteral("%1 rows, row %2")
                         .arg(list(name)->model().ListCount())
                         .arg(list(name)->model().ListIndex());
        }
        return state;
    }

    void emptyInput() {
        QTest::keyClick(input(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(input(), Qt::Key_Backspace);
    }
    void verifyFormHoldsTheInput() {
        QCOMPARE(QString::fromStdU16String(window_->form().Text2(0).Text()), input()->text());
    }

  private slots:
    void focusStartsInTheExplanationAndTabWalksEveryControlInOrder() {
        QStringList forward{FocusName()};
        QStringList backward{FocusName()};
        for (int k = 0; k < kFocusOrder.size(); ++k) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            forward << FocusName();
        }
        for (int k = 0; k < kFocusOrder.size(); ++k) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            backward.prepend(FocusName());
        }
        QCOMPARE(forward, kFocusOrder + QStringList{"Text1_0"});
        QCOMPARE(backward, forward);
    }

    void escapeDoesNothingAnywhereAndEnterOnlyOnAButton_data() {
        QTest::addColumn<int>("key");
        for (const QString& name : kFocusOrder) {
            QTest::newRow(qPrintable(name + u" Esc"_qs)) << int(Qt::Key_Escape);
            // Enter in the explanation is no edit either; it is left to the read-only test. On a
            // button it presses the button.
            if (name != u"Text1_0" && !name.startsWith(u"Command1")) {
                QTest::newRow(qPrintable(name + u" Enter"_qs)) << int(Qt::Key_Return);
            }
        }
    }
    void escapeDoesNothingAnywhereAndEnterOnlyOnAButton() {
        QFETCH(int, key);
        const QString name = QString::fromLatin1(QTest::currentDataTag()).section(u' ', 0, 0);
        // Results, a selection in each group, and a text that enciphering would change.
        click(u"Command1_0"_qs);
        emptyInput();
        QTest::keyClicks(input(), u"abc"_qs);
        clickRow(list(u"List1_0"_qs), 1);
        clickRow(list(u"List2_0"_qs), 2);
        find(name)->setFocus(Qt::TabFocusReason);
        const QStringList before = state();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(state(), before);
        QCOMPARE(FocusName(), name);
        QVERIFY(window_->isVisible());
    }

    void spaceAndEnterPressTheFocusedButton_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier);
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    }
    void spaceAndEnterPressTheFocusedButton() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        find(u"Command1_0"_qs)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                        Qt::KeyboardModifiers(modifiers));
        QCOMPARE(list(u"List1_2"_qs)->model().ListCount(), 12);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                        Qt::KeyboardModifiers(modifiers));
        QCOMPARE(input()->text(), QString());
        QCOMPARE(list(u"List1_2"_qs)->model().ListCount(), 0);
    }

    void inputIsHeldToFortyUnits_data() {
        QTest::addColumn<QString>("before");  // typed first
        QTest::addColumn<int>("cursor");      // then the cursor goes here, by Home and Right
        QTest::addColumn<int>("selected");    // and this many units are selected by Shift+Right
        QTest::addColumn<bool>("paste");      // then the text is pasted, or else typed
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("cursorAfter");
        const QString a37(37, u'a'), a40(40, u'a');
        const QString fifty = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwx"_qs;
        QTest::newRow("a 41st typed character changes nothing")
            << a40 << 40 << 0 << false << u"b"_qs << a40 << 40;
        QTest::newRow("typing inside a full line changes nothing")
            << a40 << 7 << 0 << false << u"b"_qs << a40 << 7;
        QTest::newRow("50 pasted into an empty line leave the first 40")
            << QString() << 0 << 0 << true << fifty << fifty.left(40) << 40;
        QTest::newRow("a paste in the middle keeps what fits where it was pasted")
            << a37 << 10 << 0 << true << u"XYZUV"_qs << a37.left(10) + u"XYZ"_qs + a37.mid(10)
            << 13;
        QTest::newRow("a paste over a selection replaces it with what fits")
            << a40 << 5 << 2 << true << u"XYZ"_qs << a40.left(5) + u"XY"_qs + a40.mid(7) << 7;
        QTest::newRow("a paste that repeats the text beside it is cut where it was pasted")
            << u"ab"_qs + QString(36, u'c') << 1 << 0 << true << u"bcX"_qs
            << u"abcb"_qs + QString(36, u'c') << 3;
        QTest::newRow("a cut that would split a character leaves it out")
            << a37 << 37 << 0 << true << u"bc"_qs + kGrin << a37 + u"bc"_qs << 39;
        QTest::newRow("a character that fits whole is kept")
            << a37.left(36) << 36 << 0 << true << u"bc"_qs + kGrin + u"d"_qs
            << a37.left(36) + u"bc"_qs + kGrin << 40;
    }
    void inputIsHeldToFortyUnits() {
        QFETCH(QString, before);
        QFETCH(int, cursor);
        QFETCH(int, selected);
        QFETCH(bool, paste);
        QFETCH(QString, text);
        QFETCH(QString, after);
        QFETCH(int, cursorAfter);
        emptyInput();
        QTest::keyClicks(input(), before);
        QTest::keyClick(input(), Qt::Key_Home);
        for (int k = 0; k < cursor + selected; ++k) {
            QTest::keyClick(input(), Qt::Key_Right,
                            k < cursor ? Qt::NoModifier : Qt::ShiftModifier);
        }
        if (paste) {
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(input(), Qt::Key_V, Qt::ControlModifier);
        } else {
            QTest::keyClicks(input(), text);
        }
        QCOMPARE(input()->text(), after);
        QCOMPARE(input()->cursorPosition(), cursorAfter);
        verifyFormHoldsTheInput();
    }

    void characterOfTwoUnitsIsTypedWholeOrNotAtAll() {
        // A keyboard or input method sends such a character as one event with both units.
        for (const int length : {38, 39, 40}) {
            emptyInput();
            QTest::keyClicks(input(), QString(length, u'a'));
            QTest::sendKeyEvent(QTest::Click, input(), Qt::Key_unknown, kGrin, Qt::NoModifier);
            QCOMPARE(input()->text(), QString(length, u'a') + (length == 38 ? kGrin : QString()));
            verifyFormHoldsTheInput();
        }
    }

    void pasteOverASelectionThatBeginsLikeItKeepsWholeCharacters_data() {
        QTest::addColumn<QString>("line");  // 40 units; its first character is selected
        QTest::addColumn<QString>("text");  // then pasted over it
        QTest::addColumn<QString>("after");
        const QString grin2 = QString::fromUtf16(u"\U0001F601");  // same lead unit as kGrin
        const QString lead(QChar(0xD83D));
        const QString a38(38, u'a');
        QTest::newRow("a character with the same lead unit")
            << grin2 + a38 << kGrin + u"bc"_qs << kGrin + a38;
        QTest::newRow("a lone lead unit, by a character that begins with it")
            << lead + u'x' + a38 << kGrin << u'x' + a38;
    }
    void pasteOverASelectionThatBeginsLikeItKeepsWholeCharacters() {
        QFETCH(QString, line);
        QFETCH(QString, text);
        QFETCH(QString, after);
        emptyInput();
        QGuiApplication::clipboard()->setText(line);
        QTest::keyClick(input(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(input(), Qt::Key_Home);
        QTest::keyClick(input(), Qt::Key_Right, Qt::ShiftModifier);
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(input(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(input()->text(), after);
        verifyFormHoldsTheInput();
    }

    void characterThatAnEditJoinsIsNotSplitByTheNext_data() {
        QTest::addColumn<QString>("line");    // pasted first; then Home and Right
        QTest::addColumn<int>("right");       // this many times
        QTest::addColumn<int>("selected");    // and Shift+Right this many times
        QTest::addColumn<QString>("pasted");  // then this is pasted, or the selection cut
        QTest::addColumn<QString>("after");   // and "b" typed
        const QString lead(QChar(0xD83D)), trail(QChar(0xDE00));
        QTest::newRow("a paste that ends in a lead unit before a trail unit")
            << trail + u'y' << 0 << 0 << u'a' + lead << u"ab"_qs + kGrin + u'y';
        QTest::newRow("a cut between a lead unit and a trail unit")
            << lead + u'x' + trail << 1 << 1 << QString() << u'b' + kGrin;
    }
    void characterThatAnEditJoinsIsNotSplitByTheNext() {
        QFETCH(QString, line);
        QFETCH(int, right);
        QFETCH(int, selected);
        QFETCH(QString, pasted);
        QFETCH(QString, after);
        emptyInput();
        QGuiApplication::clipboard()->setText(line);
        QTest::keyClick(input(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(input(), Qt::Key_Home);
        for (int k = 0; k < right + selected; ++k) {
            QTest::keyClick(input(), Qt::Key_Right, k < right ? Qt::NoModifier : Qt::ShiftModifier);
        }
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(input(), pasted.isEmpty() ? Qt::Key_X : Qt::Key_V, Qt::ControlModifier);
        QTest::keyClicks(input(), u"b"_qs);
        QCOMPARE(input()->text(), after);
        verifyFormHoldsTheInput();
    }

    void undoBringsBackACharacterPastedOverWhole() {
        const QString before = u'a' + kGrin + u'b';
        emptyInput();
        QGuiApplication::clipboard()->setText(before);
        QTest::keyClick(input(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(input(), Qt::Key_Home);
        QTest::keyClick(input(), Qt::Key_Right);
        QTest::keyClick(input(), Qt::Key_Right, Qt::ShiftModifier);
        // Another character with the same lead unit, so that the two texts differ in one half.
        QGuiApplication::clipboard()->setText(QString::fromUtf16(u"\U0001F601"));
        QTest::keyClick(input(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(input(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(input()->text(), before);
        verifyFormHoldsTheInput();
    }

    void everyEditAndTheFormsOwnWriteKeepOneText() {
        emptyInput();
        QTest::keyClicks(input(), u"Affine cipher!"_qs);
        QTest::keyClick(input(), Qt::Key_Backspace);
        QTest::keyClick(input(), Qt::Key_Home);
        QTest::keyClick(input(), Qt::Key_Delete);
        QCOMPARE(input()->text(), u"ffine cipher"_qs);
        verifyFormHoldsTheInput();
        QTest::keyClick(input(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(input()->text(), u"Affine cipher"_qs);
        verifyFormHoldsTheInput();
        click(u"Command1_0"_qs);
        QCOMPARE(input()->text(), u"AFFINECIPHER"_qs);
        verifyFormHoldsTheInput();
        QTest::keyClick(input(), Qt::Key_End);
        QTest::keyClicks(input(), u"S"_qs);
        verifyFormHoldsTheInput();
    }

    void windowClosesWithTheFocusInTheInputLine() {
        // Closing takes the focus from the input line, which then checks its text once more; the
        // sanitizer build sees it if anything still reads the form, which is gone by then.
        input()->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(input(), u"abc"_qs);
        QVERIFY(input()->hasFocus());
        window_.reset();
    }

    void explanationCanBeReadSelectedAndCopiedButNotChanged() {
        auto* box = find<QPlainTextEdit>(u"Text1_0"_qs);
        const QString text = box->toPlainText();
        QGuiApplication::clipboard()->setText(u"pasted"_qs);
        QTest::keyClicks(box, u"typed"_qs);
        for (const QKeySequence& keys :
             {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Backspace),
              QKeySequence(Qt::Key_Delete), QKeySequence(QKeySequence::Paste),
              QKeySequence(QKeySequence::Cut)}) {
            QTest::keySequence(box, keys);
        }
        QCOMPARE(box->toPlainText(), text);
        QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier);
        QTest::keySequence(box, QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), text.section(u'\n', 0, 0));
        QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, QPoint(30, 12));
        QTest::keySequence(box, QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"Информатика"_qs);
    }

    void explanationWrapsAtBlanksAndScrollsOnlyUpAndDown() {
        auto* box = find<QPlainTextEdit>(u"Text1_0"_qs);
        QVERIFY(box->verticalScrollBar()->isVisible());
        QVERIFY(!box->horizontalScrollBar()->isVisible());
        int breaks = 0;
        for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
            for (int line = 1; line < block.layout()->lineCount(); ++line, ++breaks) {
                QCOMPARE(block.text().at(block.layout()->lineAt(line).textStart() - 1), u' ');
            }
        }
        QVERIFY(breaks >= 6);
        QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
        QVERIFY(box->verticalScrollBar()->value() > 0);
    }
};

QTEST_MAIN(KeyboardAndInputTest)
#include "keyboard_and_input_test.moc"
