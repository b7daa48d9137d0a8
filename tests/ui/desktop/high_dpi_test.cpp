// The window on a denser screen or with larger fonts: ctest runs this program at 96 dots per
// inch and once for each way a desktop enlarges it (a device pixel ratio of 2 or 1.5, a font
// DPI of 144 without Qt's scaling, Qt's rounding to whole ratios), and once where only DejaVu
// fonts are installed and a wider face stands in for Times New Roman. Every run checks in
// pictures of the window: its proportions, every caption and typed text whole, whole list rows
// and lines, and a sharp icon.

#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <cmath>

#include "form/control_layout.h"
#include "ui/widgets/caption_label.h"
#include "ui/widgets/colour_button.h"
#include "window_test_support.h"

namespace {

// Whether the ink of `text` that `control` shows in `area` is all the ink of the text drawn
// freely in the control's font. At a fractional ratio a glyph may fall a device pixel apart.
QByteArray Clipped(QWidget& control, const QString& text, const QRegion& area, const QColor& pen,
                   QRgb background) {
    const qreal ratio = control.devicePixelRatio();
    QImage free(control.size() * 3 * ratio, QImage::Format_RGB32);
    free.setDevicePixelRatio(ratio);
    free.fill(background);
    QPainter painter(&free);
    QFont font = control.font();  // in pixels: the picture's DPI may differ from the window's
    font.setPixelSize(control.fontInfo().pixelSize());
    painter.setFont(font);
    painter.setPen(pen);
    painter.drawText(QPoint(control.width(), control.height() * 2), text);
    painter.end();
    const QRect whole = InkBounds(free, free.rect(), background);
    const QImage seen = control.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect shown = InkBounds(seen, area, background);
    const int slack = ratio == std::floor(ratio) ? 0 : 1;
    if (!whole.isEmpty() && qAbs(shown.width() - whole.width()) <= slack &&
        qAbs(shown.height() - whole.height()) <= slack) {
        return {};
    }
    return QStringLiteral("%1: ink %2 x %3 of %4 x %5")
        .arg(text)
        .arg(shown.width())
        .arg(shown.height())
        .arg(whole.width())
        .arg(whole.height())
        .toUtf8();
}

}  // namespace

class HighDpiTest final : public WindowTest {
    Q_OBJECT

  private slots:
    // ctest names the ratio and DPI it asked Qt for, so that a run Qt did not scale cannot pass
    // for one it did.
    void runsAtTheRatioAndDpiItWasStartedFor() {
        QCOMPARE(window_->devicePixelRatio(),
                 qEnvironmentVariable("AFFINE_EXPECTED_RATIO", u"1"_qs).toDouble());
        QCOMPARE(window_->logicalDpiY(),
                 qEnvironmentVariable("AFFINE_EXPECTED_DPI", u"96"_qs).toInt());
    }

    // Twips are physical: 1440 to the inch at the logical DPI that also sizes the font.
    void windowAndControlsKeepTheirProportions() {
        const qreal perTwip = window_->logicalDpiY() / 1440.0;
        QVERIFY(qAbs(window_->width() - 7545 * perTwip) <= 1);
        QVERIFY(qAbs(window_->height() - 6585 * perTwip) <= 1);
        for (const ControlLayout& row : kControlLayout) {
            const QRect actual = find(ControlObjectName(row))->geometry();
            QVERIFY2(qAbs(actual.left() - row.left * perTwip) <= 1 &&
                         qAbs(actual.top() - row.top * perTwip) <= 1 &&
                         qAbs(actual.width() - row.width * perTwip) <= 1 &&
                         qAbs(actual.height() - row.height * perTwip) <= 1,
                     qPrintable(ControlObjectName(row)));
        }
    }

    // What no later control covers shows the whole caption; on a button, inside the bevel.
    void everyCaptionIsWhole_data() {
        QTest::addColumn<QString>("name");
        for (const ControlLayout& row : kControlLayout) {
            if (row.visible &&
                (row.kind == ControlKind::Label || row.kind == ControlKind::Button)) {
                QTest::newRow(qPrintable(ControlObjectName(row))) << ControlObjectName(row);
            }
        }
    }
    void everyCaptionIsWhole() {
        QFETCH(QString, name);
        QWidget* control = find(name);
        const auto* button = qobject_cast<ColourButton*>(control);
        QRegion uncovered = button ? control->rect().adjusted(3, 3, -3, -3) : control->rect();
        bool later = false;
        for (const ControlLayout& row : kControlLayout) {
            QWidget* other = find(ControlObjectName(row));
            if (later && row.visible) {
                uncovered -= other->geometry().translated(-control->pos());
            }
            later = later || other == control;
        }
        const QByteArray clipped =
            button ? Clipped(*control, button->text(), uncovered,
                             control->palette().color(QPalette::ButtonText), button->face().rgb())
                   : Clipped(*control, qobject_cast<CaptionLabel*>(control)->caption(), uncovered,
                             control->palette().color(QPalette::WindowText),
                             qobject_cast<CaptionLabel*>(control)->background().rgb());
        QVERIFY2(clipped.isEmpty(), clipped.constData());
    }

    // Each list shows four whole rows, as at 96 DPI, and every row's text whole.
    void listsShowWholeRows() {
        click(u"Command1_0"_qs);  // "-126", "294" and the like in the result lists
        for (const QString& name : kTableLists + kResultLists) {
            ListBoxView* view = list(name);
            QVERIFY2(view->rowHeight() >= view->fontMetrics().height(), qPrintable(name));
            QVERIFY2(view->viewport()->height() >= 4 * view->rowHeight(), qPrintable(name));
            for (const std::u16string& row : view->model().Rows()) {
                const QString text = QString::fromStdU16String(row);
                QVERIFY2(
                    view->fontMetrics().horizontalAdvance(text) + 4 <= view->viewport()->width(),
                    qPrintable(name + u": "_qs + text));
            }
        }
    }

    void typedTextAndExplanationShowWhole() {
        // The tallest and deepest letters a person types show inside the input line's frame.
        auto* input = find<QLineEdit>(u"Text2_0"_qs);
        const QString typed = u"Жйgjy AFFINE"_qs;
        input->setFocus(Qt::TabFocusReason);
        QTest::keyClick(input, Qt::Key_A, Qt::ControlModifier);
        for (const QChar letter : typed) {  // as a keyboard with Cyrillic letters types
            QTest::sendKeyEvent(QTest::Click, input, Qt::Key_unknown, QString(letter), {});
        }
        QTest::keyClick(input, Qt::Key_Tab);  // the caret goes, the text stays
        QCOMPARE(input->text(), typed);
        const QByteArray clipped = Clipped(*input, typed, input->rect().adjusted(3, 3, -3, -3),
                                           input->palette().color(QPalette::Text),
                                           input->palette().color(QPalette::Base).rgb());
        QVERIFY2(clipped.isEmpty(), clipped.constData());

        // Seven whole lines at 96 DPI; six where the frame does not shrink with the text (a
        // logical DPI of 72). Long lines wrap inside the box.
        auto* explanation = find<QPlainTextEdit>(u"Text1_0"_qs);
        QVERIFY(explanation->viewport()->height() / explanation->fontMetrics().lineSpacing() >= 6);
        QVERIFY(explanation->document()->idealWidth() <= explanation->viewport()->width());
    }

    // At twice the pixels the icon is the picture rendered at 64 x 64, not the 32 x 32 one blown
    // up; at the window's own ratio it comes at the size the screen needs.
    void iconIsSharpAtTwiceThePixels() {
        const auto pixels = [](const QImage& image) {  // premultiplied, as a pixmap holds it
            QImage converted = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
            converted.setDevicePixelRatio(1);
            return converted;
        };
        const QImage rendered = pixels(QImage(QStringLiteral(AFFINE_ICON_64_PNG)));
        QCOMPARE(rendered.size(), QSize(64, 64));
        const QIcon icon = window_->windowIcon();
        QCOMPARE(pixels(icon.pixmap(QSize(32, 32), 2.0).toImage()), rendered);
        QCOMPARE(icon.pixmap(QSize(32, 32), window_->devicePixelRatio()).size(),
                 QSize(32, 32) * window_->devicePixelRatio());
    }
};

QTEST_MAIN(HighDpiTest)
#include "high_dpi_test.moc"
