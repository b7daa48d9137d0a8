// Started where Qt can open no graphical display, the program says so in one line that gives
// Qt's own reason and ends with a failure status, instead of aborting with a core dump.

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include "app/display_check.h"

class NoDisplayTest final : public QObject {
    Q_OBJECT

  private slots:
    void programExplainsAndFailsWithoutADisplay_data();
    void programExplainsAndFailsWithoutADisplay();
};

namespace {

// A display number that no X server on this machine answers to.
QString UnusedDisplay() {
    for (int number = 231;; ++number) {
        if (!QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)) &&
            !QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number))) {
            return QStringLiteral(":%1").arg(number);
        }
    }
}

}  // namespace

void NoDisplayTest::programExplainsAndFailsWithoutADisplay_data() {
    QTest::addColumn<QStringList>("environment");  // beside it, no DISPLAY, Wayland or platform
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reason");  // part of Qt's own reason, which the line must give
    const QString unused = UnusedDisplay();
    const QString noServer = u"could not connect to display "_qs + unused;
    QTest::newRow("no DISPLAY") << QStringList{} << QStringList{}
                                << u"could not connect to display"_qs;
    QTest::newRow("no DISPLAY, X11 asked for")
        << QStringList{u"QT_QPA_PLATFORM=xcb"_qs} << QStringList{}
        << u"could not connect to display"_qs;
    QTest::newRow("DISPLAY names no server")
        << QStringList{u"DISPLAY="_qs + unused} << QStringList{} << noServer;
    QTest::newRow("-display names no server")
        << QStringList{} << QStringList{u"-display"_qs, unused} << noServer;
    QTest::newRow("QT_QPA_PLATFORM names no plug-in")
        << QStringList{u"QT_QPA_PLATFORM=nosuch"_qs, u"DISPLAY="_qs + unused} << QStringList{}
        << uR"(Could not find the Qt platform plugin "nosuch")"_qs;
    // Without XDG_RUNTIME_DIR the Wayland library itself would print a line of its own first.
    static const QTemporaryDir runtime;
    QTest::newRow("Wayland without a compositor")
        << QStringList{u"QT_QPA_PLATFORM=wayland"_qs, u"WAYLAND_DISPLAY=no-compositor-here"_qs,
                       u"XDG_RUNTIME_DIR="_qs + runtime.path()}
        << QStringList{} << u"Failed to create wl_display"_qs;
}

void NoDisplayTest::programExplainsAndFailsWithoutADisplay() {
    QFETCH(QStringList, environment);
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"}) {
        variables.remove(QString::fromLatin1(name));
    }
    for (const QString& setting : environment) {
        variables.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    }
    QProcess program;
    program.setProcessEnvironment(variables);
    program.setWorkingDirectory(QDir::tempPath());
    program.start(QStringLiteral(AFFINE_CIPHER_PROGRAM), arguments);
    // Long enough for a sanitizer build on cores that are busy with other work.
    QVERIFY(program.waitForFinished(90'000));

    QCOMPARE(program.exitStatus(), QProcess::NormalExit);  // no abort, no core dump
    QCOMPARE(program.exitCode(), DisplayCheck::kNoDisplayStatus);
    const QString line = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(line.startsWith(QString::fromUtf8(DisplayCheck::kNoDisplayStart.data(),
                                               qsizetype(DisplayCheck::kNoDisplayStart.size()))),
             qPrintable(line));
    QVERIFY2(line.indexOf(u'\n') == line.size() - 1, qPrintable(line));  // one line
    QVERIFY2(line.contains(reason), qPrintable(line));
    QCOMPARE(program.readAllStandardOutput(), QByteArray());
}

QTEST_GUILESS_MAIN(NoDisplayTest)
#include "no_display_test.moc"
