// The controls' font on a machine without Times New Roman or a metric-compatible substitute:
// ctest points fontconfig at a configuration that knows only DejaVu Serif and DejaVu Sans, where
// the font system itself would answer "Times New Roman" with the sans. That the captions still
// fit their fields is checked by high_dpi_test in the same configuration.

#include <QFontDatabase>
#include <QFontInfo>
#include <QPlainTextEdit>

#include "form/control_layout.h"
#include "window_test_support.h"

namespace {

QFont TimesNewRoman() {
    QFont font(u"Times New Roman"_qs);
    font.setStyleHint(QFont::Serif);
    font.setPointSize(12);
    return font;
}

}  // namespace

class SerifFallbackTest final : public WindowTest {
    Q_OBJECT

  private slots:
    // Without these the test would prove nothing.
    void onlyDejaVuIsInstalledAndTheFontSystemPicksItsSans() {
        QCOMPARE(QFontDatabase::families(QFontDatabase::Cyrillic),
                 QStringList({u"DejaVu Sans"_qs, u"DejaVu Serif"_qs}));
        QCOMPARE(QFontInfo(TimesNewRoman()).family(), u"DejaVu Sans"_qs);
    }

    void everyControlUsesTheSerifWithEveryCyrillicLetterItShows() {
        QString shown;
        for (const ControlLayout& row : kControlLayout) {
            shown += ToQString(row.caption);
        }
        for (const ControlLayout& row : kControlLayout) {
            const QString name = ControlObjectName(row);
            const QWidget* control = find(name);
            const QFontInfo font(control->font());
            QVERIFY2(font.family() == u"DejaVu Serif", qPrintable(name + u": "_qs + font.family()));
            // Smaller than 12 points (16 pixels), as the wider face needs to keep the captions
            // in their fields; high_dpi_test checks them in this configuration too.
            QVERIFY(font.pixelSize() < 16 && font.pixelSize() >= 12);
            QCOMPARE(font.weight(), int(QFont::Normal));
            QVERIFY(!font.italic());
            const QFontMetrics metrics(control->font());
            for (const QChar letter : shown) {
                if (letter.script() == QChar::Script_Cyrillic) {
                    QVERIFY2(metrics.inFont(letter), qPrintable(name + u": "_qs + letter));
                }
            }
        }
    }
};

QTEST_MAIN(SerifFallbackTest)
#include "serif_fallback_test.moc"
