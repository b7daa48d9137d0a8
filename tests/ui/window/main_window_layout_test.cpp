// The window as a person first sees it: where every control stands, what it says, in which
// colours and font, and the frame around it all.

#include <QFontInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>

#include "form/control_layout.h"
#include "ui/widgets/caption_label.h"
#include "ui/widgets/colour_button.h"
#include "window_test_support.h"

namespace {

// The smallest rectangle that holds every pixel of `area` that differs from its first pixel.
QRect InkBounds(const QImage& picture, const QRect& area) {
    return InkBounds(picture, area, picture.pixel(area.topLeft()));
}

class ShowCounter final : public QObject {
  public:
    int shows = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        shows += event->type() == QEvent::Show ? 1 : 0;
        return false;
    }
};

}  // namespace

class MainWindowLayoutTest final : public WindowTest {
    Q_OBJECT

  private slots:
    void everyControlStandsAtItsPixelRectangle_data() {
        QTest::addColumn<QRect>("pixels");
        const std::pair<const char*, QRect> rows[] = {
            {"Label1_0", {80, 0, 361, 25}},     {"Label1_1", {8, 32, 153, 25}},
            {"Text2_0", {160, 32, 337, 27}},    {"Label2_0", {8, 64, 57, 17}},
            {"Label2_1", {80, 64, 57, 17}},     {"Label2_2", {152, 64, 57, 17}},
            {"Label2_3", {224, 64, 57, 17}},    {"Label2_4", {296, 64, 57, 17}},
            {"Label2_5", {360, 64, 57, 17}},    {"Label2_6", {424, 64, 57, 17}},
            {"List2_0", {8, 80, 57, 80}},       {"List2_1", {80, 80, 57, 80}},
            {"List2_2", {152, 80, 57, 80}},     {"List2_3", {224, 80, 57, 80}},
            {"List2_4", {296, 80, 57, 80}},     {"List2_5", {360, 80, 57, 80}},
            {"List2_6", {424, 80, 57, 80}},     {"Label4_0", {8, 168, 89, 25}},
            {"Label4_1", {104, 168, 105, 25}},  {"Label4_2", {216, 168, 97, 25}},
            {"Label4_3", {448, 152, 41, 25}},   {"List1_0", {8, 192, 89, 80}},
            {"List1_1", {104, 192, 105, 80}},   {"List1_2", {216, 192, 97, 80}},
            {"List1_3", {448, 176, 41, 80}},    {"Command1_0", {328, 200, 89, 33}},
            {"Command1_1", {408, 240, 89, 33}}, {"Text1_0", {8, 280, 489, 137}},
            {"Text1_1", {40, 312, 449, 121}},
        };
        QCOMPARE(kControlLayout.size(), std::size(rows));
        for (const auto& [name, pixels] : rows) {
            QTest::newRow(name) << pixels;
        }
    }
    void everyControlStandsAtItsPixelRectangle() {
        QFETCH(QRect, pixels);
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        QCOMPARE(find(name)->geometry(), pixels);
        // The table holds twips, 15 to a pixel.
        const auto row =
            std::find_if(kControlLayout.begin(), kControlLayout.end(),
                         [&](const ControlLayout& r) { return ControlObjectName(r) == name; });
        QVERIFY(row != kControlLayout.end());
        QCOMPARE(QRect(row->left, row->top, row->width, row->height),
                 QRect(pixels.topLeft() * 15, pixels.size() * 15));
    }

    // Each caption exactly, and whole: the ink of the caption drawn freely must all be seen on
    // the control, less what a neighbour covers (a list covers a heading's bottom row, the
    // input line the prompt's right column) or a button's bevel.
    void captionIsExactAndWhole_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QMargins>("hidden");
        const QMargins heading(0, 0, 0, 1);
        const QMargins bevel(2, 2, 2, 2);
        const std::tuple<const char*, const char16_t*, QMargins> rows[] = {
            {"Label1_0", u"Информатика - шифър със заместване, cipher Affine", {}},
            {"Label1_1", u"текст за криптиране:", {0, 0, 1, 0}},
            {"Label2_0", u"Номер", heading},
            {"Label2_1", u"Буква", heading},
            {"Label2_2", u"5x+8", heading},
            {"Label2_3", u"mod 26", heading},
            {"Label2_4", u"Шифър", heading},
            {"Label2_5", u"21(y-8)", heading},
            {"Label2_6", u"mod 26", heading},
            {"Label4_0", u"входен текст", heading},
            {"Label4_1", u"код - шифър", heading},
            {"Label4_2", u"изх. текст", heading},
            {"Label4_3", u"Номер", {}},
            {"Command1_0", u"Криптирай", bevel},
            {"Command1_1", u"Чисти", bevel},
        };
        for (const auto& [name, caption, hidden] : rows) {
            QTest::newRow(name) << QString::fromUtf16(caption) << hidden;
        }
    }
    void captionIsExactAndWhole() {
        QFETCH(QString, caption);
        QFETCH(QMargins, hidden);
        QWidget* control = find(QString::fromLatin1(QTest::currentDataTag()));
        if (auto* button = qobject_cast<ColourButton*>(control)) {
            QCOMPARE(button->text(), caption);
            QVERIFY(button->shortcut().isEmpty());  // no access key
        } else {
            QCOMPARE(qobject_cast<CaptionLabel*>(control)->caption(), caption);
        }
        if (control->isHidden()) {
            return;  // Label4(3) is narrower than its caption, but no one ever sees it
        }
        QImage free(control->width() * 2, control->height() * 3, QImage::Format_RGB32);
        free.fill(Qt::white);
        QPainter painter(&free);
        painter.setFont(control->font());
        painter.drawText(QPoint(control->width() / 2, control->height() * 2), caption);
        painter.end();
        const QImage seen = control->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(InkBounds(seen, seen.rect().marginsRemoved(hidden)).size(),
                 InkBounds(free, free.rect()).size());
    }

    void explanatoryTextsHoldTheirLines() {
        const QString shown =
            QStringList{
                u"Информатика - шифър със заместване, cipher Affine"_qs,
                QString(),
                u"Шифърът Affine е вид субституционен шифър. За всяка буква от некриптираното "
                u"съобщение има единствена съответстваща  буква от криптираното съобщение."_qs,
                u"За следващите формули: x - номер буква от началния текст, m - отместване, K - "
                u"номер буква от криптирания текст; D - номер буква от декриптирания текст. При "
                u"изчисляване номер на буква се отчита ASCII кода на главните латински букви."_qs,
                u"Изчисляване номер на криптирана буква: K = (5x+8) mod 26"_qs,
                u"Изчисляване номер на декриптирана буква: D = 21*(K - 8) mod 26"_qs,
                u"Буквата L съвпада в начален и криптиран текст."_qs,
                u"Да се реализира проект, представящ вътрешнопредметни връзки в Информатика."_qs,
                u"Тема на проекта: Информатика - шифър със заместване, cipher Affine."_qs,
                u"Реализираният проект използва:"_qs,
                u"два командни бутона за криптиране на текста и изчистване;"_qs,
                u"текстово поле - за начален текст;"_qs,
                u"листови полета за извеждане на код и буква от некриптирания и криптирания текст."_qs,
                u"В примерния проект всички латински букви се преобразуват в главни и при "
                u"криптиране "
                u"се извежда ASCII кода на буквата. Аналогични са шифър на Ceasar е и cipher ROT13."_qs,
                u"Съберете допълнително информация относно методи за криптиране като: Bifid, Hill, "
                u" "
                u"Playfear, Weviner, шифър на руските нихилисти и др."_qs,
            }
                .join(u'\n');
        const QString hidden =
            u"Неприятното в това да си първият, направил нещо по \n"
            u"правилния начин, е, че никой не оценява колко трудно е \n"
            u"било. "_qs;
        // Every line ends with a line break, the last one too.
        QCOMPARE(find<QPlainTextEdit>(u"Text1_0"_qs)->toPlainText(), shown + u'\n');
        QCOMPARE(find<QPlainTextEdit>(u"Text1_1"_qs)->toPlainText(), hidden + u'\n');
    }

    void firstSightShowsTheTableUnselectedAndTheInputText() {
        const QStringList firstRow{"0", "A", "8", "8", "I", "0", "0"};
        for (int k = 0; k < 7; ++k) {
            ListBoxView* table = list(kTableLists[k]);
            QCOMPARE(table->model().ListCount(), 26);
            QCOMPARE(table->topRow(), 0);
            QCOMPARE(QString::fromStdU16String(table->model().List(0)), firstRow[k]);
            QCOMPARE(highlightedRows(table), QVector<int>());
        }
        for (const QString& name : Names("List1", 4)) {
            QCOMPARE(list(name)->model().ListCount(), 0);
        }
        QCOMPARE(find<QLineEdit>(u"Text2_0"_qs)->text(), u"AFFINECIPHER"_qs);
    }

    void coloursShowInAPictureOfTheWindow_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QColor>("colour");
        // Corners and edges of each band, where no caption ink falls.
        QTest::newRow("window left of the title") << QPoint(40, 10) << QColor(0xC0C0FF);
        QTest::newRow("window beside the buttons") << QPoint(470, 210) << QColor(0xC0C0FF);
        QTest::newRow("title") << QPoint(82, 2) << QColor(0xFFC080);
        QTest::newRow("prompt") << QPoint(10, 34) << QColor(0xFFC080);
        QTest::newRow("first table heading") << QPoint(9, 65) << QColor(0xFFE0C0);
        QTest::newRow("last table heading") << QPoint(479, 65) << QColor(0xFFE0C0);
        QTest::newRow("first result heading") << QPoint(10, 170) << QColor(0x8080FF);
        QTest::newRow("last result heading") << QPoint(311, 190) << QColor(0x8080FF);
        QTest::newRow("Криптирай") << QPoint(334, 206) << QColor(0x00FF00);
        QTest::newRow("Чисти") << QPoint(490, 266) << QColor(0xFF0000);
    }
    void coloursShowInAPictureOfTheWindow() {
        QFETCH(QPoint, point);
        QFETCH(QColor, colour);
        QCOMPARE(window_->grab().toImage().pixelColor(point), colour);
    }

    void everyControlUsesTheSerifFontAtTwelvePoints() {
        for (const ControlLayout& row : kControlLayout) {
            const QWidget* control = find(ControlObjectName(row));
            const QFontInfo font(control->font());
            QVERIFY2(font.family() == u"Liberation Serif" || font.family() == u"Times New Roman",
                     qPrintable(ControlObjectName(row) + u": "_qs + font.family()));
            QCOMPARE(control->font().pointSize(), 12);
            QCOMPARE(font.pixelSize(), 16);
            QCOMPARE(font.weight(), int(QFont::Normal));
            QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
        }
    }

    void windowIsAFixedPlainWindowWithCaptionAndIcon() {
        QCOMPARE(window_->minimumSize(), QSize(503, 439));
        QCOMPARE(window_->maximumSize(), QSize(503, 439));
        window_->resize(700, 600);
        QCOMPARE(window_->size(), QSize(503, 439));
        const Qt::WindowFlags flags = window_->windowFlags();
        QVERIFY(flags & Qt::WindowTitleHint && flags & Qt::WindowSystemMenuHint &&
                flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        // No dialog, whose Enter and Esc would press buttons, and no bars.
        QVERIFY(!window_->inherits("QDialog"));
        QVERIFY(window_->findChildren<QMenuBar*>().isEmpty());
        QCOMPARE(window_->windowTitle(),
                 u"www.affine-cipher.example Информатика - криптиране, Affine cipher"_qs);
        const QImage icon = window_->windowIcon().pixmap(QSize(32, 32)).toImage();
        QCOMPARE(icon.size(), QSize(32, 32));
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);  // a transparent background
        QCOMPARE(qAlpha(icon.pixel(16, 16)), 255);
    }

    void windowIsCentredOnTheScreen() {
        const QPoint offset =
            window_->frameGeometry().center() - window_->screen()->availableGeometry().center();
        // The frame is known only once the window is up: it may shift the window by half its
        // width and the height of its title bar.
        const QSize frame = window_->frameGeometry().size() - window_->size();
        QVERIFY(qAbs(offset.x()) <= frame.width() / 2 + 1);
        QVERIFY(qAbs(offset.y()) <= frame.height() + 1);
    }

    void hiddenControlsNeverAppear() {
        // A window watched from before it is first shown.
        window_ = std::make_unique<MainWindow>();
        ShowCounter counter;
        const QStringList hidden{"Label4_3", "List1_3", "Text1_1"};
        for (const QString& name : hidden) {
            find(name)->installEventFilter(&counter);
        }
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get(), kDeadlineMs));
        click(u"Command1_0"_qs);
        clickRow(list(u"List1_0"_qs), 2);
        click(u"Command1_1"_qs);
        click(u"Command1_0"_qs);
        for (const QString& name : hidden) {
            QVERIFY(!find(name)->isVisible());
        }
        QCOMPARE(counter.shows, 0);
        QCOMPARE(list(u"List1_3"_qs)->model().ListCount(), 26);  // filled all the same
    }

    void closingTheWindowEndsTheProgram() {
        QTimer::singleShot(0, window_.get(), &QWidget::close);
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
    }
};

QTEST_MAIN(MainWindowLayoutTest)
#include "main_window_layout_test.moc"
