// The input line holds at most 40 units of text, whatever is typed or pasted into it, never
// keeps half of a character, and is always the same text as the form's input text box.

#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "window_test_support.h"

namespace {

const QString kGrin = QString::fromUtf16(u"\U0001F600");  // two units, one character

QString Repeat(QChar unit, int count) {
    return QString(count, unit);
}

}  // namespace

class InputLineTest final : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup() { window_.reset(); }

    void editIsHeldToFortyUnits_data();
    void editIsHeldToFortyUnits();
    void characterOfTwoUnitsIsTypedWholeOrNotAtAll_data();
    void characterOfTwoUnitsIsTypedWholeOrNotAtAll();
    void deletingAndUndoingKeepTheFormText();
    void encryptingWritesTheNormalisedTextBack();
    void enterInTheInputLineDoesNothing();

  private:
    void verifyFormHoldsTheLine();

    std::unique_ptr<MainWindow> window_;
    QLineEdit* input_ = nullptr;
};

void InputLineTest::init() {
    window_ = std::make_unique<MainWindow>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    input_ = Find<QLineEdit>(*window_, u"Text2_0"_qs);
    input_->setFocus(Qt::TabFocusReason);
    // Empty the line as a person would.
    QTest::keyClick(input_, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(input_, Qt::Key_Backspace);
    QCOMPARE(input_->text(), QString());
    verifyFormHoldsTheLine();
}

void InputLineTest::verifyFormHoldsTheLine() {
    QCOMPARE(QString::fromStdU16String(window_->form().Text2(0).Text()), input_->text());
}

void InputLineTest::editIsHeldToFortyUnits_data() {
    QTest::addColumn<QString>("before");  // typed first
    QTest::addColumn<int>("cursor");      // then the cursor is put here, with Home and Right
    QTest::addColumn<int>("selected");    // and this many units selected with Shift+Right
    QTest::addColumn<bool>("paste");      // then the text is pasted (or else typed)
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("cursorAfter");
    const QString forty = Repeat(u'a', 40);
    const QString fifty = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwx"_qs;
    QTest::newRow("a 41st typed character changes nothing")
        << forty << 40 << 0 << false << u"b"_qs << forty << 40;
    QTest::newRow("a character typed into a full line changes nothing")
        << forty << 7 << 0 << false << u"b"_qs << forty << 7;
    QTest::newRow("50 characters pasted into an empty line leave the first 40")
        << QString() << 0 << 0 << true << fifty << fifty.left(40) << 40;
    QTest::newRow("a paste into the middle keeps what fits, where it was pasted")
        << Repeat(u'a', 37) << 10 << 0 << true << u"XYZUV"_qs
        << Repeat(u'a', 10) + u"XYZ"_qs + Repeat(u'a', 27) << 13;
    QTest::newRow("a paste over a selection replaces it with what fits")
        << forty << 5 << 2 << true << u"XYZ"_qs << Repeat(u'a', 5) + u"XY"_qs + Repeat(u'a', 33)
        << 7;
    QTest::newRow("a paste that repeats the text around it is cut at the limit")
        << u"ab"_qs + Repeat(u'c', 36) << 1 << 0 << true << u"bcX"_qs
        << u"abcb"_qs + Repeat(u'c', 36) << 3;
    QTest::newRow("a paste that fits is taken whole")
        << Repeat(u'a', 30) << 30 << 0 << true << u"0123456789"_qs
        << Repeat(u'a', 30) + u"0123456789"_qs << 40;
    QTest::newRow("a paste whose cut would split a character leaves the character out")
        << Repeat(u'a', 37) << 37 << 0 << true << u"bc"_qs + kGrin + u"d"_qs
        << Repeat(u'a', 37) + u"bc"_qs << 39;
    QTest::newRow("a paste that ends with a character that fits keeps it")
        << Repeat(u'a', 36) << 36 << 0 << true << u"bc"_qs + kGrin + u"d"_qs
        << Repeat(u'a', 36) + u"bc"_qs + kGrin << 40;
}

void InputLineTest::editIsHeldToFortyUnits() {
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(int, selected);
    QFETCH(bool, paste);
    QFETCH(QString, text);
    QFETCH(QString, after);
    QFETCH(int, cursorAfter);
    QTest::keyClicks(input_, before);
    QTest::keyClick(input_, Qt::Key_Home);
    for (int k = 0; k < cursor; ++k) {
        QTest::keyClick(input_, Qt::Key_Right);
    }
    for (int k = 0; k < selected; ++k) {
        QTest::keyClick(input_, Qt::Key_Right, Qt::ShiftModifier);
    }
    if (paste) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(input_, Qt::Key_V, Qt::ControlModifier);
    } else {
        QTest::keyClicks(input_, text);
    }
    QCOMPARE(input_->text(), after);
    QCOMPARE(input_->cursorPosition(), cursorAfter);
    verifyFormHoldsTheLine();
}

void InputLineTest::characterOfTwoUnitsIsTypedWholeOrNotAtAll_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("after");
    QTest::newRow("two units free") << 38 << Repeat(u'a', 38) + kGrin;
    QTest::newRow("one unit free") << 39 << Repeat(u'a', 39);
    QTest::newRow("no unit free") << 40 << Repeat(u'a', 40);
}

void InputLineTest::characterOfTwoUnitsIsTypedWholeOrNotAtAll() {
    QFETCH(int, length);
    QFETCH(QString, after);
    QTest::keyClicks(input_, Repeat(u'a', length));
    // A keyboard or input method delivers such a character as one key event with both units.
    QTest::sendKeyEvent(QTest::Click, input_, Qt::Key_unknown, kGrin, Qt::NoModifier);
    QCOMPARE(input_->text(), after);
    verifyFormHoldsTheLine();
}

void InputLineTest::deletingAndUndoingKeepTheFormText() {
    QTest::keyClicks(input_, u"Affine"_qs);
    QTest::keyClick(input_, Qt::Key_Backspace);
    QTest::keyClick(input_, Qt::Key_Home);
    QTest::keyClick(input_, Qt::Key_Delete);
    QCOMPARE(input_->text(), u"ffin"_qs);
    verifyFormHoldsTheLine();
    QTest::keyClick(input_, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(input_->text(), u"Affin"_qs);
    verifyFormHoldsTheLine();
    // Cut, then paste back twice: the second paste no longer fits whole.
    QTest::keyClicks(input_, Repeat(u'x', 35));
    QTest::keyClick(input_, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(input_, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(input_->text(), QString());
    verifyFormHoldsTheLine();
    QTest::keyClick(input_, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(input_, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(input_->text().size(), 40);
    verifyFormHoldsTheLine();
}

void InputLineTest::encryptingWritesTheNormalisedTextBack() {
    QTest::keyClicks(input_, u"Affine cipher!"_qs);
    verifyFormHoldsTheLine();
    ClickButton(*window_, u"Command1_0"_qs);
    QCOMPARE(input_->text(), u"AFFINECIPHER"_qs);
    verifyFormHoldsTheLine();
    QCOMPARE(FindList(*window_, u"List1_2"_qs)->model().ListCount(), 12);
    // Editing goes on from the text the form wrote.
    input_->setFocus(Qt::TabFocusReason);
    QTest::keyClick(input_, Qt::Key_End);
    QTest::keyClicks(input_, u"S"_qs);
    QCOMPARE(input_->text(), u"AFFINECIPHERS"_qs);
    verifyFormHoldsTheLine();
}

void InputLineTest::enterInTheInputLineDoesNothing() {
    QTest::keyClicks(input_, u"abc"_qs);
    QTest::keyClick(input_, Qt::Key_Return);
    QTest::keyClick(input_, Qt::Key_Enter, Qt::KeypadModifier);
    // Neither button ran: the text is not normalised and no result rows appeared.
    QCOMPARE(input_->text(), u"abc"_qs);
    QCOMPARE(FindList(*window_, u"List1_3"_qs)->model().ListCount(), 0);
    QCOMPARE(QApplication::focusWidget(), input_);
    QVERIFY(window_->isVisible());
}

QTEST_MAIN(InputLineTest)
#include "input_line_test.moc"
