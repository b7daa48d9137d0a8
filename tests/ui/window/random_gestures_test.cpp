// Random gestures over the whole window, as a restless person makes them: clicks anywhere (on
// labels, hidden controls' places, empty list rows and the buttons), drags, keys, pastes of every
// kind of text and turns of the mouse wheel. A CheckedForm meets the same button clicks, row
// choices and edits as the window's form and says what that form ought to hold; after every
// gesture the window's form is checked against it, and what the widgets show is read back from
// the widgets themselves and compared with the form. The seed is fixed unless
// AFFINE_GESTURE_SEED gives another; AFFINE_GESTURES sets how many gestures run.

#include <QAbstractButton>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QWheelEvent>
#include <optional>

#include "form/control_layout.h"
#include "tests/robustness/checked_form.h"
#include "tests/robustness/from_environment.h"
#include "tests/robustness/mixed_text.h"
#include "tests/robustness/printable.h"
#include "tests/robustness/random_choices.h"
#include "ui/desktop/form_scale.h"
#include "window_test_support.h"

namespace {

constexpr std::uint64_t kDefaultSeed = 20261214;
constexpr std::uint64_t kDefaultGestures = 4000;
constexpr int kGesturesPerWindow = 250;

using Group = MainForm::ListGroup;

QString ListName(Group group, int index) {
    return ControlObjectName(group == Group::Table ? "List2" : "List1", ControlIndex(index));
}

QString Shown(const QString& text) {
    return QString::fromStdString(Printable(text.toStdU16String()));
}

bool InsidePair(const QString& text, qsizetype position) {
    return position > 0 && position < text.size() && text[position - 1].isHighSurrogate() &&
           text[position].isLowSurrogate();
}

QString At(QPoint point) {
    return QStringLiteral("(%1, %2)").arg(point.x()).arg(point.y());
}

// Texts in scripts that no installed font shapes make the font engine warn once for every font
// it tries; that says nothing about the program and would bury the test's own output.
QtMessageHandler gPassOn = nullptr;

void DropFontWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.startsWith(u"OpenType support missing"_qs)) {
        gPassOn(type, context, message);
    }
}

}  // namespace

class RandomGesturesTest final : public WindowTest {
    Q_OBJECT

    std::optional<RandomChoices> choices_;
    std::unique_ptr<CheckedForm> expected_;
    // What one gesture did: the form events it caused and the first fault they met, the edit it
    // ought to make in the input line, and the button clicks it ought to make and made.
    struct Step {
        QStringList events;
        std::string fault;
        std::optional<FormEvent> edit;
        bool undo = false;  // Ctrl+Z in the input line: whatever text it brings back
        QList<int> clicksDue, clicksMade;
        std::array<bool, 2> chosen{};  // a row was chosen in the results, in the table
    } step_;
    QRect placement_;
    QString explanation_;
    // How each row text of each list looks, plain and highlighted, since it was first seen.
    std::map<QString, std::map<QString, std::size_t>> looks_;
    std::map<QString, int> counts_;

    QLineEdit* input() const { return find<QLineEdit>(u"Text2_0"_qs); }
    QWindow* handle() const { return window_->windowHandle(); }
    int between(int low, int high) { return choices_->Between(low, high); }
    std::uint32_t below(std::size_t bound) {
        return choices_->Below(static_cast<std::uint32_t>(bound));
    }
    bool oneIn(std::uint32_t n) { return choices_->OneIn(n); }
    int buttonAt(QPoint point) const {
        const QWidget* under = window_->childAt(point);
        return under == find(u"Command1_0"_qs) ? 0 : under == find(u"Command1_1"_qs) ? 1 : -1;
    }

    void apply(const FormEvent& event) {
        step_.events << QString::fromStdString(Describe(event));
        if (step_.fault.empty()) {
            step_.fault = expected_->Apply(event);
        }
    }

    void openWindow() {
        window_ = std::make_unique<MainWindow>();
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get(), kDeadlineMs));
        expected_ = std::make_unique<CheckedForm>();
        placement_ = window_->geometry();
        explanation_ = find<QPlainTextEdit>(u"Text1_0"_qs)->toPlainText();
        // Connected after the window's own handlers, so the expected form meets each event
        // after the window's form has.
        for (int k = 0; k < 2; ++k) {
            connect(find<QAbstractButton>(ControlObjectName("Command1", ControlIndex(k))),
                    &QAbstractButton::clicked, this, [this, k] {
                        step_.clicksMade << k;
                        apply({.index = ControlIndex(k), .inserted = {}});
                    });
        }
        for (const Group group : {Group::Results, Group::Table}) {
            for (int k = 0; k < MainForm::ListCount(group); ++k) {
                connect(list(ListName(group, k)), &ListBoxView::rowChosen, this,
                        [this, group, k](int row) {
                            apply({.kind = FormEvent::Kind::UserSelectsRow,
                                   .group = group,
                                   .index = ControlIndex(k),
                                   .row = row,
                                   .inserted = {}});
                            step_.chosen[group == Group::Table] = true;
                        });
            }
        }
    }

    // A point of the client area: anywhere, or within a control's rectangle (hidden ones
    // included), a button's or a result list's more often than the others, so that the results
    // change often and their rows get chosen.
    QPoint anyPoint() {
        QRect area = window_->rect();
        const std::uint32_t where = choices_->Below(8);
        if (where < 1) {
            area = find(ControlObjectName("Command1", ControlIndex(between(0, 1))))->geometry();
        } else if (where < 4) {
            area = list(ListName(Group::Results, between(0, 2)))->geometry();
        } else if (where < 6) {
            const auto& control = kControlLayout[below(kControlLayout.size())];
            area = find(ControlObjectName(control))->geometry();
        }
        return {between(area.left(), area.right()), between(area.top(), area.bottom())};
    }

    QString click() {
        const QPoint at = anyPoint();
        const auto modifiers = oneIn(6)   ? Qt::ShiftModifier
                               : oneIn(6) ? Qt::ControlModifier
                                          : Qt::NoModifier;
        const bool twice = oneIn(5);
        // A double click presses a button twice.
        for (int k = twice ? 2 : 1; k > 0 && buttonAt(at) >= 0; --k) {
            step_.clicksDue << buttonAt(at);
        }
        if (twice) {
            QTest::mouseDClick(handle(), Qt::LeftButton, modifiers, at);
        } else {
            QTest::mouseClick(handle(), Qt::LeftButton, modifiers, at);
        }
        return QLatin1String(modifiers == Qt::ShiftModifier     ? "Shift+"
                             : modifiers == Qt::ControlModifier ? "Ctrl+"
                                                                : "") +
               (twice ? u"double click at "_qs : u"click at "_qs) + At(at);
    }

    QString drag() {
        const QPoint from = anyPoint();
        QPoint at = from;
        QString description = u"drag from "_qs + At(at);
        QTest::mousePress(handle(), Qt::LeftButton, {}, at);
        for (int step = between(1, 4); step > 0; --step) {
            // Across the window, or a short way on, as a hand moves.
            at = oneIn(2) ? anyPoint()
                          : QPoint(std::clamp(at.x() + between(-30, 30), 0, window_->width() - 1),
                                   std::clamp(at.y() + between(-60, 60), 0, window_->height() - 1));
            QTest::mouseMove(handle(), at);
            description += u" to "_qs + At(at);
        }
        // A button is clicked when the pointer leaves it pressed where it went down.
        if (buttonAt(from) >= 0 && buttonAt(from) == buttonAt(at)) {
            step_.clicksDue << buttonAt(at);
        }
        QTest::mouseRelease(handle(), Qt::LeftButton, {}, at);
        return description;
    }

    // The edit that a key makes when the input line has the focus: the selection, or nothing at
    // the cursor, is replaced by the key's text, or by the clipboard's for a paste.
    void expectEdit(const QString& inserted) {
        if (QApplication::focusWidget() == input()) {
            const bool selection = input()->hasSelectedText();
            step_.edit = {.kind = FormEvent::Kind::UserEdit,
                          .from = std::size_t(selection ? input()->selectionStart()
                                                        : input()->cursorPosition()),
                          .count = std::size_t(selection ? input()->selectionLength() : 0),
                          .inserted = inserted.toStdU16String()};
        }
    }

    QString pressKey() {
        using M = Qt::KeyboardModifier;
        // Moving through a list takes more keys than anything else; Key_unknown stands for a
        // letter or a digit.
        // clang-format off
        static const std::array<std::pair<Qt::Key, Qt::KeyboardModifiers>, 22> kKeys{{
            {Qt::Key_Tab, {}}, {Qt::Key_Backtab, M::ShiftModifier}, {Qt::Key_Left, {}},
            {Qt::Key_Right, {}}, {Qt::Key_Up, {}}, {Qt::Key_Down, {}}, {Qt::Key_Down, {}},
            {Qt::Key_PageUp, {}}, {Qt::Key_PageDown, {}}, {Qt::Key_PageDown, {}},
            {Qt::Key_Home, {}}, {Qt::Key_End, {}}, {Qt::Key_End, {}}, {Qt::Key_Return, {}},
            {Qt::Key_Escape, {}}, {Qt::Key_Space, {}}, {Qt::Key_A, M::ControlModifier},
            {Qt::Key_C, M::ControlModifier}, {Qt::Key_V, M::ControlModifier},
            {Qt::Key_X, M::ControlModifier}, {Qt::Key_Z, M::ControlModifier}, {Qt::Key_unknown, {}},
        }};
        // clang-format on
        auto [key, modifiers] = kKeys[below(kKeys.size())];
        QString text;
        if (key == Qt::Key_unknown) {
            static const QString kLetters =
                u"abcdefghijklmnopqrstuvwxyz0123456789абвгдежзийклмнопрстуфхцчшщъьюя"_qs;
            const QChar letter = kLetters[between(0, int(kLetters.size()) - 1)];
            const bool capital = letter.isLetter() && oneIn(2);
            text = capital ? letter.toUpper() : letter;
            key = Qt::Key(letter.toUpper().unicode());
            modifiers = capital ? M::ShiftModifier : M::NoModifier;
        } else {
            // The text a keyboard sends with the key, as QTest gives it.
            const char ascii = QTest::keyToAscii(key);
            text = ascii != 0 ? QString(QChar::fromLatin1(ascii)) : QString();
            if (key >= Qt::Key_Home && key <= Qt::Key_PageDown && oneIn(4)) {
                modifiers = M::ShiftModifier;  // selects in the input line and the explanation
            }
        }
        QWidget* focus = QApplication::focusWidget();
        if (!(modifiers & M::ControlModifier) && !text.isEmpty() && text[0].isPrint()) {
            expectEdit(text);
        } else if (key == Qt::Key_V) {
            expectEdit(QGuiApplication::clipboard()->text());
        } else if (key == Qt::Key_X && input()->hasSelectedText()) {
            expectEdit({});
        }
        step_.undo = key == Qt::Key_Z && (modifiers & M::ControlModifier) && focus == input();
        if ((key == Qt::Key_Space || key == Qt::Key_Return) &&
            qobject_cast<QAbstractButton*>(focus)) {
            step_.clicksDue << (focus == find(u"Command1_0"_qs) ? 0 : 1);
        }
        QTest::sendKeyEvent(QTest::Click, handle(), key, text, modifiers);
        return QStringLiteral("key %1 (%2) on %3")
            .arg(QKeySequence(modifiers | key).toString(), Shown(text),
                 focus ? focus->objectName() : u"nothing"_qs);
    }

    QString paste() {
        QString description = u"paste"_qs;
        const QRect line = input()->geometry();
        const auto onTheLine = [&] {
            return QPoint(between(line.left(), line.right()), between(line.top(), line.bottom()));
        };
        if (oneIn(3)) {
            const QPoint at = onTheLine();
            QTest::mouseClick(handle(), Qt::LeftButton, {}, at);
            description += u" after a click at "_qs + At(at);
        } else if (oneIn(2)) {
            // Over a selection made with the mouse.
            const QPoint from = onTheLine();
            const QPoint to = onTheLine();
            QTest::mousePress(handle(), Qt::LeftButton, {}, from);
            QTest::mouseMove(handle(), to);
            QTest::mouseRelease(handle(), Qt::LeftButton, {}, to);
            description += u" after a drag from "_qs + At(from) + u" to "_qs + At(to);
        }
        QString text;
        const std::uint32_t kind = choices_->Below(4);
        if (kind == 0) {
            // Letters only, enough for an encryption of more than 26 letters.
            for (int n = between(27, 60); n > 0; --n) {
                text += QChar(u'A' + between(0, 25));
            }
        } else if (kind == 1) {
            // Few different pieces, two characters of one lead surrogate and lone halves: a
            // paste then often begins like the text it replaces or stands beside, which is
            // where an edit can be read in more than one way.
            static const std::array<QString, 5> kPieces{
                u"a"_qs, QString::fromUtf16(u"\U0001F600"), QString::fromUtf16(u"\U0001F601"),
                QString(QChar(0xD83D)), QString(QChar(0xDE00))};
            for (int n = between(1, 30); n > 0; --n) {
                text += kPieces[below(kPieces.size())];
            }
        } else {
            text = QString::fromStdU16String(MixedText(*choices_, kind == 2 ? 60 : 400));
        }
        QGuiApplication::clipboard()->setText(text);
        const bool intoTheLine = QApplication::focusWidget() == input();
        counts_[u"pastes into the input line"_qs] += intoTheLine ? 1 : 0;
        counts_[u"pastes over a selection"_qs] += intoTheLine && input()->hasSelectedText() ? 1 : 0;
        expectEdit(QGuiApplication::clipboard()->text());
        QTest::keyClick(handle(), Qt::Key_V, Qt::ControlModifier);
        return description + u" of "_qs + Shown(text);
    }

    QString turnWheel() {
        const QPoint at = anyPoint();
        QWidget* under = window_->childAt(at) ? window_->childAt(at) : window_.get();
        const QPointF local = under->mapFrom(window_.get(), QPointF(at));
        const int clicks = between(-3, 3);
        // Sent to the widget under the pointer, where the application delivers a turn first.
        QWheelEvent wheel(local, under->mapToGlobal(local), {}, {0, 120 * clicks}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(under, &wheel);
        return QStringLiteral("wheel %1 at ").arg(clicks) + At(at);
    }

    QString gesture() {
        const std::uint32_t kind = below(10);
        ++counts_[QString::fromLatin1(kind < 3   ? "clicks"
                                      : kind < 4 ? "drags"
                                      : kind < 8 ? "keys"
                                      : kind < 9 ? "pastes"
                                                 : "wheel turns")];
        return kind < 3   ? click()
               : kind < 4 ? drag()
               : kind < 8 ? pressKey()
               : kind < 9 ? paste()
                          : turnWheel();
    }

    // What a list shows, read from its picture: each wholly visible row in the highlight colour
    // exactly where the form selects it, with ink exactly where the list has a row, and looking
    // as it did whenever its text was seen there before; no scrolling past the last row.
    QString listFault(const QString& name) {
        ListBoxView* view = list(name);
        const ListBox& model = view->model();
        const int visible = view->fullyVisibleRowCount();
        if (view->topRow() > std::max(0, model.ListCount() - visible) ||
            view->verticalScrollBar()->isVisible() != (model.ListCount() > visible)) {
            return QString::asprintf("shows row %d at the top of %d rows, its scroll bar %s",
                                     view->topRow(), model.ListCount(),
                                     view->verticalScrollBar()->isVisible() ? "shown" : "hidden");
        }
        const QImage picture =
            view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb base = view->palette().color(QPalette::Base).rgb();
        const QRgb highlight = view->palette().color(QPalette::Active, QPalette::Highlight).rgb();
        for (int row = view->topRow(); row < view->topRow() + visible; ++row) {
            // Inside the dotted focus frame, which may surround the row.
            const QRect area = view->visualRect(row).adjusted(1, 1, -1, -1);
            const QRgb back = picture.pixel(area.right() - 2, area.center().y());
            if (back != (row == model.ListIndex() ? highlight : base)) {
                return QString::asprintf("row %d is %shighlighted while row %d is selected", row,
                                         back == highlight ? "" : "not ", model.ListIndex());
            }
            // A row has ink where its picture differs from one all in its background colour.
            const std::vector<QRgb> bare(std::size_t(area.width()), back);
            const std::size_t bytes = sizeof(QRgb) * bare.size();
            std::size_t look = 0;
            std::size_t bareLook = 0;
            for (int y = area.top(); y <= area.bottom(); ++y) {
                look = qHashBits(picture.constScanLine(y) + sizeof(QRgb) * std::size_t(area.left()),
                                 bytes, look);
                bareLook = qHashBits(bare.data(), bytes, bareLook);
            }
            if ((look != bareLook) != model.HasRow(row)) {
                return QString::asprintf("row %d is %s of %d rows", row,
                                         model.HasRow(row) ? "blank but one" : "drawn but not one",
                                         model.ListCount());
            }
            // The row is narrower while the scroll bar shows.
            const QString text = QString::fromStdU16String(model.List(row));
            const QString key = QStringLiteral("%1 %2 ").arg(back).arg(area.width()) + text;
            if (model.HasRow(row) && looks_[name].emplace(key, look).first->second != look) {
                return QString::asprintf("row %d does not show %s as before", row,
                                         qPrintable(Shown(text)));
            }
        }
        return {};
    }

    QString windowFault() {
        const std::u16string& before = expected_->Form().Text2(0).Text();
        // After a typed, pasted or cut edit, the cursor stands after what the edit kept, or
        // before the character that it would stand inside.
        std::optional<int> cursor;
        if (step_.edit) {
            const std::size_t tail = before.size() - step_.edit->from - step_.edit->count;
            apply(*step_.edit);
            const QString text = QString::fromStdU16String(expected_->Form().Text2(0).Text());
            const qsizetype end = text.size() - qsizetype(tail);
            cursor = int(end - (InsidePair(text, end) ? 1 : 0));
        } else if (step_.undo && input()->text().toStdU16String() != before) {
            apply({.kind = FormEvent::Kind::UserEdit,
                   .count = before.size(),
                   .inserted = input()->text().toStdU16String()});
        }
        if (step_.fault.empty()) {
            step_.fault = expected_->Check(window_->form());
        }
        if (!step_.fault.empty()) {
            return QString::fromStdString(step_.fault);
        }
        if (step_.clicksMade != step_.clicksDue) {
            return QString::asprintf("the buttons were clicked %d times, expected %d",
                                     int(step_.clicksMade.size()), int(step_.clicksDue.size()));
        }
        const QString text = input()->text();
        if (text.toStdU16String() != window_->form().Text2(0).Text() || text.size() > 40) {
            return u"the input line shows "_qs + Shown(text);
        }
        if (cursor && input()->cursorPosition() != *cursor) {
            return QString::asprintf("the cursor stands at %d, not at %d after the edit",
                                     input()->cursorPosition(), *cursor);
        }
        for (const Group group : {Group::Results, Group::Table}) {
            for (int k = 0; k < MainForm::ListCount(group); ++k) {
                const QString name = ListName(group, k);
                const int row = list(name)->model().ListIndex();
                if (list(name)->isHidden()) {
                    continue;
                }
                if (const QString fault = listFault(name); !fault.isEmpty()) {
                    return name + u' ' + fault;
                }
                if (step_.chosen[group == Group::Table] && row >= 0 &&
                    !rowInView(list(name), row)) {
                    return name + QStringLiteral(" keeps the chosen row %1 out of view").arg(row);
                }
            }
        }
        for (const ControlLayout& control : kControlLayout) {
            const QWidget* widget = find(ControlObjectName(control));
            const QRect pixels =
                FormScale(window_->logicalDpiY())
                    .Rect(control.left, control.top, control.width, control.height);
            if (widget->isVisible() != control.visible || widget->geometry() != pixels) {
                return widget->objectName() + u" has moved, or been shown or hidden"_qs;
            }
        }
        if (window_->geometry() != placement_ || !window_->isActiveWindow()) {
            return u"the window has moved, changed its size or lost the focus"_qs;
        }
        if (find<QPlainTextEdit>(u"Text1_0"_qs)->toPlainText() != explanation_) {
            return u"the explanation has changed"_qs;
        }
        return {};
    }

  private slots:
    void everyGestureLeavesTheWindowShowingItsForm() {
        const std::uint64_t seed = FromEnvironment("AFFINE_GESTURE_SEED", kDefaultSeed);
        const std::uint64_t gestures = FromEnvironment("AFFINE_GESTURES", kDefaultGestures);
        gPassOn = qInstallMessageHandler(DropFontWarnings);
        QElapsedTimer clock;
        clock.start();
        std::uint64_t done = 0;
        for (std::uint64_t sequence = 0; done < gestures; ++sequence) {
            // Each window starts afresh, so that every window's gestures can be run again alone.
            choices_.emplace(seed, sequence);
            openWindow();
            QStringList history;
            for (int n = 1; n <= kGesturesPerWindow && done < gestures; ++n, ++done) {
                step_ = {};
                history << gesture();
                const QString fault = windowFault();
                QVERIFY2(fault.isEmpty(),
                         qPrintable(QStringLiteral("seed %1 (AFFINE_GESTURE_SEED=%1), window %2, "
                                                   "gesture %3: %4\nform events: %5\n%6\nafter: %7")
                                        .arg(seed)
                                        .arg(sequence)
                                        .arg(n)
                                        .arg(history.last(), step_.events.join(u"; "_qs), fault,
                                             history.mid(std::max(0, int(history.size()) - 9), 8)
                                                 .join(u"\n       "_qs))));
            }
            const CheckedForm::Reached& reached = expected_->Coverage();
            counts_[u"encryptions of more than 26 letters"_qs] += int(reached.longEncryptions);
            counts_[u"choices of their rows past 26"_qs] += int(reached.rowsPastNumberList);
            counts_[u"pastes cut to fit"_qs] += int(reached.cutInsertions);
        }
        QStringList counts;
        for (const auto& [what, count] : counts_) {
            counts << QStringLiteral("%1 %2").arg(count).arg(what);
        }
        qInfo("%llu gestures in %.1f s, seed %llu: %s", static_cast<unsigned long long>(done),
              double(clock.elapsed()) / 1000.0, static_cast<unsigned long long>(seed),
              qPrintable(counts.join(u", "_qs)));
        // A run that never got there would prove little about these cases.
        QVERIFY(counts_[u"encryptions of more than 26 letters"_qs] > 0);
        QVERIFY(counts_[u"choices of their rows past 26"_qs] > 0);
        QVERIFY(counts_[u"pastes cut to fit"_qs] > 0);
    }
};

QTEST_MAIN(RandomGesturesTest)
#include "random_gestures_test.moc"
