// The window on a denser screen or with larger fonts: ctest runs this program once at the
// ordinary 96 dots per inch and once for each way a desktop enlarges it (a device pixel ratio of
// 2 or 1.5, a font DPI of 144 without Qt's scaling, and Qt's rounding to whole ratios), and once
// where only DejaVu fonts are installed and a wider face stands in for Times New Roman. Every
// run checks the same things in a picture of the window: its proportions, no overlaps but the
// designed ones, every caption whole, whole rows and lines in the lists and text boxes, and a
// sharp icon.

#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextDocument>
#include <cmath>

#include "ui/caption_label.h"
#include "ui/colour_button.h"
#include "ui/control_layout.h"
#include "window_test_support.h"

namespace {

QString NameOf(const ControlLayout& row) {
    return QStringLiteral("%1_%2").arg(QLatin1String(row.name)).arg(row.index);
}

// The smallest rectangle, in device pixels, of the pixels that differ from the background and
// whose centre lies in `area` (logical pixels).
QRect InkBounds(const QImage& picture, const QRegion& area, QRgb background) {
    const qreal ratio = picture.devicePixelRatio();
    QRect ink;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QPoint logical(int(std::floor((x + 0.5) / ratio)),
                                 int(std::floor((y + 0.5) / ratio)));
            if (picture.pixel(x, y) != background && area.contains(logical)) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

// The pairs of visible controls that overlap by design: each heading and the list below it, the
// prompt and the input line.
bool OverlapIsDesigned(const QString& a, const QString& b) {
    const auto pair = [&](const QString& x, const QString& y) {
        return (a == x && b == y) || (a == y && b == x);
    };
    for (int k = 0; k < 7; ++k) {
        if (pair(QStringLiteral("Label2_%1").arg(k), QStringLiteral("List2_%1").arg(k))) {
            return true;
        }
    }
    for (int k = 0; k < 3; ++k) {
        if (pair(QStringLiteral("Label4_%1").arg(k), QStringLiteral("List1_%1").arg(k))) {
            return true;
        }
    }
    return pair(u"Label1_1"_qs, u"Text2_0"_qs);
}

// The ink of `text` drawn freely in the font of `control`, at the ratio of the window.
QRect FreeInk(const QWidget& control, const QString& text, const QColor& pen, QRgb background) {
    const qreal ratio = control.devicePixelRatio();
    QImage free(QSize(control.width() * 3, control.height() * 3) * ratio, QImage::Format_RGB32);
    free.setDevicePixelRatio(ratio);
    free.fill(background);
    QPainter painter(&free);
    // In pixels: the picture has a DPI of its own, the window's may differ.
    QFont font = control.font();
    font.setPixelSize(control.fontInfo().pixelSize());
    painter.setFont(font);
    painter.setPen(pen);
    painter.drawText(QPoint(control.width(), control.height() * 2), text);
    painter.end();
    return InkBounds(free, QRegion(free.rect()), background);
}

// Whether the ink seen is all of the ink drawn freely. At a fractional ratio a glyph may fall a
// device pixel differently.
bool Whole(const QRect& seen, const QRect& free, qreal ratio) {
    const int slack = ratio == std::floor(ratio) ? 0 : 1;
    return !free.isEmpty() && qAbs(seen.width() - free.width()) <= slack &&
           qAbs(seen.height() - free.height()) <= slack;
}

QByteArray Sizes(const QRect& seen, const QRect& free) {
    return QStringLiteral("ink %1 x %2 of %3 x %4")
        .arg(seen.width())
        .arg(seen.height())
        .arg(free.width())
        .arg(free.height())
        .toUtf8();
}

}  // namespace

class HighDpiTest final : public WindowTest {
    Q_OBJECT

    QList<const ControlLayout*> shown() const {
        QList<const ControlLayout*> rows;
        for (const ControlLayout& row : kControlLayout) {
            if (row.visible) {
                rows << &row;
            }
        }
        return rows;
    }
    qreal scale() const { return window_->logicalDpiY() / 96.0; }

  private slots:
    // ctest names the ratio and DPI it asked Qt for, so that a run Qt did not scale cannot pass
    // for one it did.
    void runsAtTheRatioAndDpiItWasStartedFor() {
        qInfo("device pixel ratio %.2f, logical DPI %d", window_->devicePixelRatio(),
              window_->logicalDpiY());
        QCOMPARE(window_->devicePixelRatio(),
                 qEnvironmentVariable("AFFINE_EXPECTED_RATIO", u"1"_qs).toDouble());
        QCOMPARE(window_->logicalDpiY(),
                 qEnvironmentVariable("AFFINE_EXPECTED_DPI", u"96"_qs).toInt());
    }

    // Twips are physical: 1440 to the inch at the logical DPI that also sizes the font.
    void windowAndControlsKeepTheirProportions() {
        const qreal pixelsPerTwip = window_->logicalDpiY() / 1440.0;
        QVERIFY(qAbs(window_->width() - 7545 * pixelsPerTwip) <= 1);
        QVERIFY(qAbs(window_->height() - 6585 * pixelsPerTwip) <= 1);
        for (const ControlLayout& row : kControlLayout) {
            const QRectF wanted(row.left * pixelsPerTwip, row.top * pixelsPerTwip,
                                row.width * pixelsPerTwip, row.height * pixelsPerTwip);
            const QRect actual = find(NameOf(row))->geometry();
            QVERIFY2(qAbs(actual.left() - wanted.left()) <= 1 &&
                         qAbs(actual.top() - wanted.top()) <= 1 &&
                         qAbs(actual.width() - wanted.width()) <= 1 &&
                         qAbs(actual.height() - wanted.height()) <= 1,
                     qPrintable(NameOf(row)));
        }
    }

    void visibleControlsOverlapOnlyWhereDesigned() {
        const QList<const ControlLayout*> rows = shown();
        for (qsizetype i = 0; i < rows.size(); ++i) {
            for (qsizetype j = i + 1; j < rows.size(); ++j) {
                const QString a = NameOf(*rows[i]);
                const QString b = NameOf(*rows[j]);
                const QRect common = find(a)->geometry() & find(b)->geometry();
                QVERIFY2(common.isEmpty() || OverlapIsDesigned(a, b),
                         qPrintable(a + u" overlaps "_qs + b));
                // Where they overlap by design, it is by a sliver.
                QVERIFY2(common.isEmpty() || qMin(common.width(), common.height()) <= 2 * scale(),
                         qPrintable(a + u" and "_qs + b));
            }
        }
    }

    // All the ink of a caption drawn freely shows on its control, in what no later control
    // covers and, on a button, inside the bevel.
    void everyCaptionIsWhole_data() {
        QTest::addColumn<QString>("name");
        for (const ControlLayout* row : shown()) {
            if (row->kind == ControlKind::Label || row->kind == ControlKind::Button) {
                QTest::newRow(qPrintable(NameOf(*row))) << NameOf(*row);
            }
        }
    }
    void everyCaptionIsWhole() {
        QFETCH(QString, name);
        QWidget* control = find(name);
        const auto* button = qobject_cast<ColourButton*>(control);
        const QString caption =
            button ? button->text() : qobject_cast<CaptionLabel*>(control)->caption();

        QRegion uncovered = button ? control->rect().adjusted(3, 3, -3, -3) : control->rect();
        bool later = false;
        for (const ControlLayout* row : shown()) {
            QWidget* other = find(NameOf(*row));
            if (later) {
                uncovered -= other->geometry().translated(-control->pos());
            }
            later = later || other == control;
        }

        const QImage seen = control->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb background = button ? button->face().rgb() : seen.pixel(0, 0);
        const QColor pen =
            control->palette().color(button ? QPalette::ButtonText : QPalette::WindowText);
        const QRect free = FreeInk(*control, caption, pen, background);
        const QRect shows = InkBounds(seen, uncovered, background);
        QVERIFY2(Whole(shows, free, window_->devicePixelRatio()), Sizes(shows, free).constData());
    }

    // Each list shows at least four whole rows, as at 96 DPI, and its widest row whole.
    void listsShowWholeRows() {
        click(u"Command1_0"_qs);  // "-126", "294" and the like in the result lists
        for (const QString& name : kTableLists + kResultLists) {
            ListBoxView* view = list(name);
            const QFontMetrics metrics(view->font());
            QVERIFY2(view->rowHeight() >= metrics.height(), qPrintable(name));
            QVERIFY2(view->viewport()->height() >= 4 * view->rowHeight(), qPrintable(name));
            for (const std::u16string& row : view->model().Rows()) {
                const int width = metrics.horizontalAdvance(QString::fromStdU16String(row));
                QVERIFY2(width + 4 <= view->viewport()->width(), qPrintable(name));
            }
        }
    }

    void inputLineAndExplanationShowWholeLines() {
        // What a person types shows whole inside the frame, the tallest and deepest letters too.
        auto* input = find<QLineEdit>(u"Text2_0"_qs);
        const QString typed = u"Жйgjy AFFINE"_qs;
        input->setFocus(Qt::TabFocusReason);
        QTest::keyClick(input, Qt::Key_A, Qt::ControlModifier);
        for (const QChar letter : typed) {  // as a keyboard with Cyrillic letters types
            QTest::sendKeyEvent(QTest::Click, input, Qt::Key_unknown, QString(letter), {});
        }
        QTest::keyClick(input, Qt::Key_Tab);  // the cursor goes, the text stays
        QCOMPARE(input->text(), typed);
        const QRgb base = input->palette().color(QPalette::Base).rgb();
        const QImage seen = input->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect free = FreeInk(*input, typed, input->palette().color(QPalette::Text), base);
        const QRect shows = InkBounds(seen, input->rect().adjusted(3, 3, -3, -3), base);
        QVERIFY2(Whole(shows, free, window_->devicePixelRatio()), Sizes(shows, free).constData());

        auto* explanation = find<QPlainTextEdit>(u"Text1_0"_qs);
        const int lines =
            explanation->viewport()->height() / explanation->fontMetrics().lineSpacing();
        // Seven at 96 DPI; six where the frame does not shrink with the text (a logical DPI of 72).
        QVERIFY2(lines >= 6, qPrintable(QString::number(lines)));
        // Long lines wrap; none reaches past the right edge.
        QVERIFY(explanation->document()->idealWidth() <= explanation->viewport()->width());
        QVERIFY(!explanation->horizontalScrollBar()->isVisible());
    }

    // The icon at twice the pixels is the picture rendered at 64 x 64, not the 32 x 32 one
    // blown up, at any ratio the window runs at.
    void iconIsSharpAtTwiceThePixels() {
        // Premultiplied, as a pixmap holds it.
        const auto pixels = [](const QImage& image) {
            QImage converted = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
            converted.setDevicePixelRatio(1);
            return converted;
        };
        const QImage rendered = pixels(QImage(u":/icons/hamburger-64.png"_qs));
        QCOMPARE(rendered.size(), QSize(64, 64));
        const QIcon icon = window_->windowIcon();
        QCOMPARE(pixels(icon.pixmap(QSize(32, 32), 2.0).toImage()), rendered);
        const QPixmap shown = icon.pixmap(QSize(32, 32), window_->devicePixelRatio());
        QCOMPARE(shown.size(), QSize(32, 32) * window_->devicePixelRatio());
    }
};

QTEST_MAIN(HighDpiTest)
#include "high_dpi_test.moc"
