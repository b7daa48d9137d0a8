// Started where there is no graphical display, the program says so in one line and ends with
// a failure status, instead of aborting with a core dump.

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
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
    QTest::addColumn<QString>("display");   // empty: not set at all
    QTest::addColumn<QString>("platform");  // QT_QPA_PLATFORM, empty: not set
    QTest::newRow("no DISPLAY") << QString() << QString();
    QTest::newRow("no DISPLAY, X11 asked for") << QString() << u"xcb"_qs;
    // Here Qt's X11 plug-in tries, fails and calls qFatal.
    QTest::newRow("DISPLAY names no server") << UnusedDisplay() << QString();
}

void NoDisplayTest::programExplainsAndFailsWithoutADisplay() {
    QFETCH(QString, display);
    QFETCH(QString, platform);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    if (!display.isEmpty()) {
        environment.insert(u"DISPLAY"_qs, display);
    }
    if (!platform.isEmpty()) {
        environment.insert(u"QT_QPA_PLATFORM"_qs, platform);
    }
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(QDir::tempPath());
    program.start(QStringLiteral(AFFINE_CIPHER_PROGRAM), {});
    QVERIFY(program.waitForFinished(20000));

    QCOMPARE(program.exitStatus(), QProcess::NormalExit);  // no abort, no core dump
    QCOMPARE(program.exitCode(), DisplayCheck::kNoDisplayStatus);
    QCOMPARE(QString::fromUtf8(program.readAllStandardError()),
             QString::fromUtf8(DisplayCheck::kNoDisplayLine.data(),
                               qsizetype(DisplayCheck::kNoDisplayLine.size())));
    QCOMPARE(program.readAllStandardOutput(), QByteArray());
}

QTEST_GUILESS_MAIN(NoDisplayTest)
#include "no_display_test.moc"
