// The keyboard: where the focus starts and how Tab and Shift+Tab walk the controls, that Enter
// and Esc do nothing, that Space presses a button, and what the read-only explanation allows.

#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <memory>

#include "window_test_support.h"

namespace {

// The visible controls that take the focus, in their Tab order; List2(4) comes last.
const QStringList kFocusOrder = {
    u"Text1_0"_qs, u"Text2_0"_qs, u"Command1_0"_qs, u"Command1_1"_qs, u"List1_0"_qs,
    u"List1_1"_qs, u"List1_2"_qs, u"List2_0"_qs,    u"List2_1"_qs,    u"List2_2"_qs,
    u"List2_3"_qs, u"List2_5"_qs, u"List2_6"_qs,    u"List2_4"_qs,
};

QString FocusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName() : QString();
}

}  // namespace

class KeyboardAndFocusTest final : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup() { window_.reset(); }

    void focusStartsInTheExplanation();
    void tabWalksTheControlsAndComesBackToTheStart();
    void shiftTabWalksThemBackwards();
    void escapeDoesNothingWherever_data();
    void escapeDoesNothingWherever();
    void enterOnAButtonPressesNothing();
    void spacePressesTheFocusedButton_data();
    void spacePressesTheFocusedButton();
    void explanationRefusesEveryEdit();
    void explanationCanBeSelectedAndCopied();
    void explanationWrapsAtWordsAndScrollsOnlyDownwards();

  private:
    void focus(const QString& name);
    // What a person would notice changing: the input text, every list's rows and selection.
    QStringList state() const;

    std::unique_ptr<MainWindow> window_;
};

void KeyboardAndFocusTest::init() {
    window_ = std::make_unique<MainWindow>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QGuiApplication::clipboard()->clear();
}

void KeyboardAndFocusTest::focus(const QString& name) {
    Find(*window_, name)->setFocus(Qt::TabFocusReason);
    QCOMPARE(FocusName(), name);
}

QStringList KeyboardAndFocusTest::state() const {
    QStringList state{Find<QLineEdit>(*window_, u"Text2_0"_qs)->text()};
    for (const QString& name : Names("List1", 4) + Names("List2", 7)) {
        const ListBox& model = FindList(*window_, name)->model();
        state << QStringLiteral("%1: %2 rows, row %3 selected")
                     .arg(name)
                     .arg(model.ListCount())
                     .arg(model.ListIndex());
    }
    return state;
}

void KeyboardAndFocusTest::focusStartsInTheExplanation() {
    QCOMPARE(FocusName(), u"Text1_0"_qs);
}

void KeyboardAndFocusTest::tabWalksTheControlsAndComesBackToTheStart() {
    QStringList visited{FocusName()};
    for (int k = 0; k < kFocusOrder.size(); ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << FocusName();
    }
    QCOMPARE(visited, kFocusOrder + QStringList{u"Text1_0"_qs});
}

void KeyboardAndFocusTest::shiftTabWalksThemBackwards() {
    QStringList visited{FocusName()};
    for (int k = 0; k < kFocusOrder.size(); ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        visited << FocusName();
    }
    QStringList expected{u"Text1_0"_qs};
    for (auto name = kFocusOrder.crbegin(); name != kFocusOrder.crend(); ++name) {
        expected << *name;
    }
    QCOMPARE(visited, expected);
}

void KeyboardAndFocusTest::escapeDoesNothingWherever_data() {
    QTest::addColumn<QString>("control");
    for (const QString& name : kFocusOrder) {
        QTest::newRow(qPrintable(name)) << name;
    }
}

void KeyboardAndFocusTest::escapeDoesNothingWherever() {
    QFETCH(QString, control);
    // Something to lose: results, and a selection in each group.
    ClickButton(*window_, u"Command1_0"_qs);
    ClickRow(*FindList(*window_, u"List1_0"_qs), 1);
    ClickRow(*FindList(*window_, u"List2_0"_qs), 2);
    focus(control);
    const QStringList before = state();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(state(), before);
    QCOMPARE(FocusName(), control);
    QVERIFY(window_->isVisible());
}

void KeyboardAndFocusTest::enterOnAButtonPressesNothing() {
    for (const QString& button : {u"Command1_0"_qs, u"Command1_1"_qs}) {
        focus(button);
        const QStringList before = state();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(state(), before);
    }
}

void KeyboardAndFocusTest::spacePressesTheFocusedButton_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("results");
    QTest::newRow("Криптирай enciphers") << u"Command1_0"_qs << u"AFFINECIPHER"_qs << 12;
    QTest::newRow("Чисти clears") << u"Command1_1"_qs << QString() << 0;
}

void KeyboardAndFocusTest::spacePressesTheFocusedButton() {
    QFETCH(QString, button);
    QFETCH(QString, input);
    QFETCH(int, results);
    focus(button);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(Find<QLineEdit>(*window_, u"Text2_0"_qs)->text(), input);
    QCOMPARE(FindList(*window_, u"List1_0"_qs)->model().ListCount(), results);
    QCOMPARE(FindList(*window_, u"List1_3"_qs)->model().ListCount(), 26);
}

void KeyboardAndFocusTest::explanationRefusesEveryEdit() {
    auto* box = Find<QPlainTextEdit>(*window_, u"Text1_0"_qs);
    const QString text = box->toPlainText();
    QGuiApplication::clipboard()->setText(u"pasted"_qs);
    QTest::keyClicks(box, u"typed"_qs);
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->toPlainText(), text);
    QCOMPARE(FocusName(), u"Text1_0"_qs);
}

void KeyboardAndFocusTest::explanationCanBeSelectedAndCopied() {
    auto* box = Find<QPlainTextEdit>(*window_, u"Text1_0"_qs);
    // The first line, selected with the keyboard.
    QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             u"Информатика - шифър със заместване, cipher Affine"_qs);
    // A word, selected with a double click on it.
    QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, QPoint(30, 12));
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"Информатика"_qs);
}

void KeyboardAndFocusTest::explanationWrapsAtWordsAndScrollsOnlyDownwards() {
    auto* box = Find<QPlainTextEdit>(*window_, u"Text1_0"_qs);
    QVERIFY(box->verticalScrollBar()->isVisible());
    QVERIFY(!box->horizontalScrollBar()->isVisible());
    QCOMPARE(box->horizontalScrollBar()->maximum(), 0);

    // Every long line is broken into several, each break after a blank.
    int wrapped = 0;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (int line = 1; line < layout->lineCount(); ++line) {
            const int start = layout->lineAt(line).textStart();
            QVERIFY2(block.text().at(start - 1) == u' ', qPrintable(block.text()));
            ++wrapped;
        }
    }
    QVERIFY(wrapped >= 6);

    // The text is taller than the box; the keyboard scrolls down to its end.
    QVERIFY(box->verticalScrollBar()->maximum() > 0);
    QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    QVERIFY(box->verticalScrollBar()->value() > 0);
    QVERIFY(box->viewport()->rect().contains(box->cursorRect()));
}

QTEST_MAIN(KeyboardAndFocusTest)
#include "keyboard_and_focus_test.moc"
