// The window on a real X server, driven by xdotool as a person's mouse and keyboard: a quick drag
// from the explanation box must not leave the window stuck, and Qt's own context menus speak
// Bulgarian. ctest runs it in a private session with its own Xvfb.

#include <QEventLoop>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTextCursor>
#include <QTimer>

#include "window_test_support.h"

namespace {

QStringList At(const QPoint& point) {
    return {u"mousemove"_qs, QString::number(point.x()), QString::number(point.y())};
}

// The entries of a menu as a person reads them: without the access key marks and shortcuts.
QStringList Entries(const QMenu& menu) {
    QStringList entries;
    for (const QAction* action : menu.actions()) {
        if (!action->isSeparator()) {
            entries << action->text().section(u'\t', 0, 0).remove(u'&');
        }
    }
    return entries;
}

}  // namespace

class X11GesturesTest final : public WindowTest {
    Q_OBJECT

    // Runs xdotool with the commands given while the window handles what they do in an event
    // loop like the program's own, which takes each event as it comes.
    static void Xdotool(const QStringList& commands) {
        QProcess xdotool;
        QEventLoop loop;
        connect(&xdotool, &QProcess::finished, &loop, &QEventLoop::quit);
        xdotool.start(u"xdotool"_qs, commands);
        QVERIFY2(xdotool.waitForStarted(), "xdotool is missing");
        loop.exec();
        QCOMPARE(xdotool.exitCode(), 0);
    }
    QPoint centreOf(const QString& name) const {
        const QWidget* control = find(name);
        return control->mapToGlobal(control->rect().center());
    }

  private slots:
    void quickDragFromTheExplanationLeavesTheWindowWorking() {
        auto* box = find<QPlainTextEdit>(u"Text1_0"_qs);
        QTextCursor firstWord(box->document());
        firstWord.setPosition(3);
        const QPoint word = box->viewport()->mapToGlobal(box->cursorRect(firstWord).center());
        Xdotool(At(word) << u"click"_qs << u"--repeat"_qs << u"2"_qs << u"1"_qs);
        QTRY_VERIFY_WITH_TIMEOUT(box->textCursor().hasSelection(), kDeadlineMs);

        // After a pause (sooner, a press would be a triple click: the box counts the pause from
        // when it handled the double click), the selected word onto the input line in 0.3 s,
        // then "Чисти", then typing.
        QTest::qWait(QApplication::doubleClickInterval() + 200);
        QStringList gestures = At(word) << u"mousedown"_qs << u"1"_qs;
        const QPoint line = centreOf(u"Text2_0"_qs);
        for (int step = 1; step <= 10; ++step) {
            gestures << u"sleep"_qs << u"0.03"_qs << At(word + (line - word) * step / 10);
        }
        gestures << u"mouseup"_qs << u"1"_qs << u"sleep"_qs << u"0.5"_qs;
        gestures << At(centreOf(u"Command1_1"_qs)) << u"click"_qs << u"1"_qs;
        gestures << u"sleep"_qs << u"0.3"_qs << At(line) << u"click"_qs << u"1"_qs;
        gestures << u"type"_qs << u"AB"_qs;
        Xdotool(gestures);
        QTRY_COMPARE_WITH_TIMEOUT(find<QLineEdit>(u"Text2_0"_qs)->text(), u"AB"_qs, kDeadlineMs);
    }

    void contextMenusAreInBulgarian_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("input line")
            << u"Text2_0"_qs
            << QStringList{
                   u"Отмяна"_qs,    u"Повтаряне"_qs, u"Изрязване"_qs,         u"Копиране"_qs,
                   u"Поставяне"_qs, u"Изтриване"_qs, u"Избиране на всичко"_qs};
        QTest::newRow("explanation box")
            << u"Text1_0"_qs << QStringList{u"Копиране"_qs, u"Избиране на всичко"_qs};
    }
    void contextMenusAreInBulgarian() {
        QFETCH(QString, control);
        QFETCH(QStringList, entries);
        // The menu runs its own event loop until Esc closes it; the entries are read meanwhile,
        // and Esc is pressed once they have been.
        QStringList seen;
        QProcess escape;
        QTimer reader;
        connect(&reader, &QTimer::timeout, this, [&seen, &escape] {
            const auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu != nullptr && seen.isEmpty()) {
                seen = Entries(*menu);
                escape.start(u"xdotool"_qs, {u"key"_qs, u"Escape"_qs});
            }
        });
        reader.start(50);
        Xdotool(At(centreOf(control)) << u"click"_qs << u"3"_qs);
        QTRY_VERIFY2_WITH_TIMEOUT(!seen.isEmpty(), "no context menu opened", kDeadlineMs);
        QTRY_VERIFY2_WITH_TIMEOUT(QApplication::activePopupWidget() == nullptr,
                                  "the context menu stayed open after Esc", kDeadlineMs);
        QTRY_COMPARE_WITH_TIMEOUT(escape.state(), QProcess::NotRunning, kDeadlineMs);
        QCOMPARE(seen, entries);
    }
};

QTEST_MAIN(X11GesturesTest)
#include "x11_gestures_test.moc"
