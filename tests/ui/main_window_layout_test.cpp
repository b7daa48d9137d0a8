// The window as a person first sees it: where every control stands, what it says, in which
// colours and font, and the frame around it all.

#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <memory>

#include "ui/caption_label.h"
#include "ui/colour_button.h"
#include "ui/control_layout.h"
#include "ui/form_layout.h"
#include "window_test_support.h"

namespace {

const ControlLayout* LayoutRow(const QString& name) {
    for (const ControlLayout& row : kControlLayout) {
        if (QStringLiteral("%1_%2").arg(QLatin1String(row.name)).arg(row.index) == name) {
            return &row;
        }
    }
    return nullptr;
}

// Counts the Show events that reach a control.
class ShowCounter final : public QObject {
  public:
    int shows = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            ++shows;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

class MainWindowLayoutTest final : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        window_ = std::make_unique<MainWindow>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void everyControlStandsAtItsPixelRectangle_data();
    void everyControlStandsAtItsPixelRectangle();
    void windowHasExactlyTheTwentyNineControls();
    void captionsReadExactly_data();
    void captionsReadExactly();
    void explanatoryTextsHoldTheirLines();
    void formStartsWithTheTableAndTheInputText();
    void coloursShowInAPictureOfTheWindow_data();
    void coloursShowInAPictureOfTheWindow();
    void everyControlUsesTheSerifFontAtTwelvePoints();
    void noCaptionIsClipped_data();
    void noCaptionIsClipped();
    void windowIsFixedSizeWithTitleMenuAndCloseOnly();
    void windowShowsItsCaptionAndHamburgerIcon();
    void windowIsCentredOnTheScreen();
    void hiddenControlsNeverAppear();
    void closingTheWindowEndsTheProgram();

  private:
    std::unique_ptr<MainWindow> window_;
};

void MainWindowLayoutTest::everyControlStandsAtItsPixelRectangle_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    // Left, top, width, height in pixels of the client area, at 15 twips a pixel.
    const struct {
        const char* name;
        int left, top, width, height;
    } rows[] = {
        {"Label1_0", 80, 0, 361, 25},     {"Label1_1", 8, 32, 153, 25},
        {"Text2_0", 160, 32, 337, 27},    {"Label2_0", 8, 64, 57, 17},
        {"Label2_1", 80, 64, 57, 17},     {"Label2_2", 152, 64, 57, 17},
        {"Label2_3", 224, 64, 57, 17},    {"Label2_4", 296, 64, 57, 17},
        {"Label2_5", 360, 64, 57, 17},    {"Label2_6", 424, 64, 57, 17},
        {"List2_0", 8, 80, 57, 80},       {"List2_1", 80, 80, 57, 80},
        {"List2_2", 152, 80, 57, 80},     {"List2_3", 224, 80, 57, 80},
        {"List2_4", 296, 80, 57, 80},     {"List2_5", 360, 80, 57, 80},
        {"List2_6", 424, 80, 57, 80},     {"Label4_0", 8, 168, 89, 25},
        {"Label4_1", 104, 168, 105, 25},  {"Label4_2", 216, 168, 97, 25},
        {"Label4_3", 448, 152, 41, 25},   {"List1_0", 8, 192, 89, 80},
        {"List1_1", 104, 192, 105, 80},   {"List1_2", 216, 192, 97, 80},
        {"List1_3", 448, 176, 41, 80},    {"Command1_0", 328, 200, 89, 33},
        {"Command1_1", 408, 240, 89, 33}, {"Text1_0", 8, 280, 489, 137},
        {"Text1_1", 40, 312, 449, 121},
    };
    for (const auto& row : rows) {
        QTest::newRow(row.name) << QString::fromLatin1(row.name)
                                << QRect(row.left, row.top, row.width, row.height);
    }
}

void MainWindowLayoutTest::everyControlStandsAtItsPixelRectangle() {
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    QCOMPARE(Find(*window_, name)->geometry(), pixels);
    const ControlLayout* row = LayoutRow(name);
    QVERIFY(row != nullptr);
    QCOMPARE(QRect(row->left, row->top, row->width, row->height),
             QRect(pixels.x() * 15, pixels.y() * 15, pixels.width() * 15, pixels.height() * 15));
}

void MainWindowLayoutTest::windowHasExactlyTheTwentyNineControls() {
    QStringList names;
    for (const QObject* child : window_->children()) {
        if (child->isWidgetType()) {
            names << child->objectName();
        }
    }
    names.sort();
    QStringList expected = Names("Label1", 2) + Names("Text2", 1) + Names("Label2", 7) +
                           Names("List2", 7) + Names("Label4", 4) + Names("List1", 4) +
                           Names("Command1", 2) + Names("Text1", 2);
    expected.sort();
    QCOMPARE(names, expected);
}

void MainWindowLayoutTest::captionsReadExactly_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    const struct {
        const char* name;
        const char16_t* caption;
    } rows[] = {
        {"Label1_0", u"Информатика - шифър със заместване, cipher Affine"},
        {"Label1_1", u"текст за криптиране:"},
        {"Label2_0", u"Номер"},
        {"Label2_1", u"Буква"},
        {"Label2_2", u"5x+8"},
        {"Label2_3", u"mod 26"},
        {"Label2_4", u"Шифър"},
        {"Label2_5", u"21(y-8)"},
        {"Label2_6", u"mod 26"},
        {"Label4_0", u"входен текст"},
        {"Label4_1", u"код - шифър"},
        {"Label4_2", u"изх. текст"},
        {"Label4_3", u"Номер"},
        {"Command1_0", u"Криптирай"},
        {"Command1_1", u"Чисти"},
    };
    for (const auto& row : rows) {
        QTest::newRow(row.name) << QString::fromLatin1(row.name) << QString::fromUtf16(row.caption);
    }
}

void MainWindowLayoutTest::captionsReadExactly() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QWidget* control = Find(*window_, name);
    if (auto* label = qobject_cast<CaptionLabel*>(control)) {
        QCOMPARE(label->caption(), caption);
    } else {
        auto* button = qobject_cast<ColourButton*>(control);
        QVERIFY(button != nullptr);
        QCOMPARE(button->text(), caption);
        // No access key, and the button is no default button of any kind.
        QVERIFY(!button->text().contains(u'&'));
        QVERIFY(button->shortcut().isEmpty());
    }
}

void MainWindowLayoutTest::explanatoryTextsHoldTheirLines() {
    const QStringList shown = {
        u"Информатика - шифър със заместване, cipher Affine"_qs,
        QString(),
        u"Шифърът Affine е вид субституционен шифър. За всяка буква от некриптираното съобщение "
        u"има единствена съответстваща  буква от криптираното съобщение."_qs,
        u"За следващите формули: x - номер буква от началния текст, m - отместване, K - номер "
        u"буква от криптирания текст; D - номер буква от декриптирания текст. При изчисляване "
        u"номер на буква се отчита ASCII кода на главните латински букви."_qs,
        u"Изчисляване номер на криптирана буква: K = (5x+8) mod 26"_qs,
        u"Изчисляване номер на декриптирана буква: D = 21*(K - 8) mod 26"_qs,
        u"Буквата L съвпада в начален и криптиран текст."_qs,
        u"Да се реализира проект, представящ вътрешнопредметни връзки в Информатика."_qs,
        u"Тема на проекта: Информатика - шифър със заместване, cipher Affine."_qs,
        u"Реализираният проект използва:"_qs,
        u"два командни бутона за криптиране на текста и изчистване;"_qs,
        u"текстово поле - за начален текст;"_qs,
        u"листови полета за извеждане на код и буква от некриптирания и криптирания текст."_qs,
        u"В примерния проект всички латински букви се преобразуват в главни и при криптиране се "
        u"извежда ASCII кода на буквата. Аналогични са шифър на Ceasar е и cipher ROT13."_qs,
        u"Съберете допълнително информация относно методи за криптиране като: Bifid, Hill,  "
        u"Playfear, Weviner, шифър на руските нихилисти и др."_qs,
    };
    const QStringList hidden = {
        u"Неприятното в това да си първият, направил нещо по "_qs,
        u"правилния начин, е, че никой не оценява колко трудно е "_qs,
        u"било. "_qs,
    };
    // Each line ends with a line break, the last one too, which leaves an empty last line.
    QCOMPARE(Find<QPlainTextEdit>(*window_, "Text1_0")->toPlainText(), shown.join(u'\n') + u'\n');
    QCOMPARE(Find<QPlainTextEdit>(*window_, "Text1_1")->toPlainText(), hidden.join(u'\n') + u'\n');
    QCOMPARE(Find<QPlainTextEdit>(*window_, "Text1_0")->document()->blockCount(), 16);
}

void MainWindowLayoutTest::formStartsWithTheTableAndTheInputText() {
    const QStringList firstRow = {u"0"_qs, u"A"_qs, u"8"_qs, u"8"_qs, u"I"_qs, u"0"_qs, u"0"_qs};
    for (int k = 0; k < 7; ++k) {
        ListBoxView* list = FindList(*window_, kTableLists[k]);
        QCOMPARE(list->model().ListCount(), 26);
        QCOMPARE(list->topRow(), 0);
        QCOMPARE(QString::fromStdU16String(list->model().List(0)), firstRow[k]);
        QCOMPARE(HighlightedRows(*list), QVector<int>());
    }
    for (const QString& name : Names("List1", 4)) {
        QCOMPARE(FindList(*window_, name)->model().ListCount(), 0);
    }
    QCOMPARE(Find<QLineEdit>(*window_, "Text2_0")->text(), u"AFFINECIPHER"_qs);
}

void MainWindowLayoutTest::coloursShowInAPictureOfTheWindow_data() {
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("colour");
    // Points where no caption ink falls: the corners and edges of each band.
    QTest::newRow("window background left of the title") << QPoint(40, 10) << QColor(0xC0C0FF);
    QTest::newRow("window background between the buttons") << QPoint(470, 210) << QColor(0xC0C0FF);
    QTest::newRow("title band") << QPoint(82, 2) << QColor(0xFFC080);
    QTest::newRow("prompt band") << QPoint(10, 34) << QColor(0xFFC080);
    QTest::newRow("table heading 0") << QPoint(9, 65) << QColor(0xFFE0C0);
    QTest::newRow("table heading 6") << QPoint(479, 65) << QColor(0xFFE0C0);
    QTest::newRow("result heading 0") << QPoint(10, 170) << QColor(0x8080FF);
    QTest::newRow("result heading 2") << QPoint(311, 190) << QColor(0x8080FF);
    QTest::newRow("encrypt button face") << QPoint(334, 206) << QColor(0x00FF00);
    QTest::newRow("clear button face") << QPoint(490, 266) << QColor(0xFF0000);
}

void MainWindowLayoutTest::coloursShowInAPictureOfTheWindow() {
    QFETCH(QPoint, point);
    QFETCH(QColor, colour);
    const QImage picture = window_->grab().toImage();
    QCOMPARE(picture.pixelColor(point * qRound(picture.devicePixelRatio())), colour);
}

void MainWindowLayoutTest::everyControlUsesTheSerifFontAtTwelvePoints() {
    for (const ControlLayout& row : kControlLayout) {
        const QString name = QStringLiteral("%1_%2").arg(QLatin1String(row.name)).arg(row.index);
        const QWidget* control = Find(*window_, name);
        const QFontInfo font(control->font());
        QVERIFY2(font.family() == u"Liberation Serif"_qs || font.family() == u"Times New Roman"_qs,
                 qPrintable(name + u": "_qs + font.family()));
        QCOMPARE(control->font().pointSize(), 12);
        QCOMPARE(font.pixelSize(), 16);
        QCOMPARE(font.weight(), int(QFont::Normal));
        QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
    }
}

void MainWindowLayoutTest::noCaptionIsClipped_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QMargins>("hidden");
    // What of a control can be seen: a heading loses its bottom pixel row to the list below,
    // the prompt its right pixel column to the input line, a button its bevel.
    const struct {
        const char* name;
        const char16_t* caption;
        QMargins hidden;
    } rows[] = {
        {"Label1_0", u"Информатика - шифър със заместване, cipher Affine", {}},
        {"Label1_1", u"текст за криптиране:", {0, 0, 1, 0}},
        {"Label2_0", u"Номер", {0, 0, 0, 1}},
        {"Label2_1", u"Буква", {0, 0, 0, 1}},
        {"Label2_2", u"5x+8", {0, 0, 0, 1}},
        {"Label2_3", u"mod 26", {0, 0, 0, 1}},
        {"Label2_4", u"Шифър", {0, 0, 0, 1}},
        {"Label2_5", u"21(y-8)", {0, 0, 0, 1}},
        {"Label2_6", u"mod 26", {0, 0, 0, 1}},
        {"Label4_0", u"входен текст", {0, 0, 0, 1}},
        {"Label4_1", u"код - шифър", {0, 0, 0, 1}},
        {"Label4_2", u"изх. текст", {0, 0, 0, 1}},
        {"Command1_0", u"Криптирай", {2, 2, 2, 2}},
        {"Command1_1", u"Чисти", {2, 2, 2, 2}},
    };
    for (const auto& row : rows) {
        QTest::newRow(row.name) << QString::fromLatin1(row.name) << QString::fromUtf16(row.caption)
                                << row.hidden;
    }
}

namespace {

// The smallest rectangle that holds every pixel of `area` that differs from its first pixel.
QRect InkBounds(const QImage& picture, const QRect& area) {
    const QRgb ground = picture.pixel(area.topLeft());
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (picture.pixel(x, y) != ground) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

}  // namespace

void MainWindowLayoutTest::noCaptionIsClipped() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QMargins, hidden);
    // The caption drawn freely, with room all round, is as large as its ink can be; the part of
    // it that a person sees on the control must be just as large.
    QWidget* control = Find(*window_, name);
    QImage free(control->width() * 2, control->height() * 3, QImage::Format_RGB32);
    free.fill(Qt::white);
    {
        QPainter painter(&free);
        painter.setFont(control->font());
        painter.drawText(QPoint(control->width() / 2, control->height() * 2), caption);
    }
    const QRect whole = InkBounds(free, free.rect());

    const QImage picture = control->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect seen = InkBounds(picture, picture.rect().marginsRemoved(hidden));
    QVERIFY(!whole.isEmpty());
    QCOMPARE(seen.size(), whole.size());
}

void MainWindowLayoutTest::windowIsFixedSizeWithTitleMenuAndCloseOnly() {
    QCOMPARE(window_->size(), QSize(503, 439));
    QCOMPARE(window_->minimumSize(), QSize(503, 439));
    QCOMPARE(window_->maximumSize(), QSize(503, 439));
    window_->resize(700, 600);
    QCOMPARE(window_->size(), QSize(503, 439));

    const Qt::WindowFlags flags = window_->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
    QCOMPARE(window_->windowType(), Qt::Window);

    // A plain window: no dialog (whose Enter and Esc would press buttons) and no bars.
    QVERIFY(!window_->inherits("QDialog"));
    QVERIFY(window_->findChildren<QMenuBar*>().isEmpty());
    QVERIFY(window_->findChildren<QToolBar*>().isEmpty());
    QVERIFY(window_->findChildren<QStatusBar*>().isEmpty());
}

void MainWindowLayoutTest::windowShowsItsCaptionAndHamburgerIcon() {
    QCOMPARE(window_->windowTitle(),
             u"www.affine-cipher.example Информатика - криптиране, Affine cipher"_qs);
    const QIcon icon = window_->windowIcon();
    QVERIFY(!icon.isNull());
    QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
    const QImage picture = icon.pixmap(QSize(32, 32)).toImage();
    QCOMPARE(picture.size(), QSize(32, 32));
    QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);  // a transparent background
    QCOMPARE(qAlpha(picture.pixel(31, 31)), 0);
    QCOMPARE(qAlpha(picture.pixel(16, 16)), 255);  // and a hamburger in the middle
}

void MainWindowLayoutTest::windowIsCentredOnTheScreen() {
    const QRect area = window_->screen()->availableGeometry();
    const QPoint offset = window_->frameGeometry().center() - area.center();
    // Where the frame is only known once the window is up, it may shift the window by half its
    // width and its title bar's height.
    const QSize frame = window_->frameGeometry().size() - window_->size();
    QVERIFY2(qAbs(offset.x()) <= frame.width() / 2 + 1 && qAbs(offset.y()) <= frame.height() + 1,
             qPrintable(QStringLiteral("off centre by %1, %2").arg(offset.x()).arg(offset.y())));
}

void MainWindowLayoutTest::hiddenControlsNeverAppear() {
    // A fresh window, watched from before it is first shown.
    window_.reset();
    MainWindow window;
    ShowCounter counter;
    const QStringList hidden = {u"Label4_3"_qs, u"List1_3"_qs, u"Text1_1"_qs};
    for (const QString& name : hidden) {
        Find(window, name)->installEventFilter(&counter);
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ClickButton(window, u"Command1_0"_qs);
    ClickRow(*FindList(window, u"List1_0"_qs), 2);
    ClickButton(window, u"Command1_1"_qs);
    ClickButton(window, u"Command1_0"_qs);
    for (const QString& name : hidden) {
        QVERIFY2(!Find(window, name)->isVisible(), qPrintable(name));
    }
    QCOMPARE(counter.shows, 0);
    // The hidden number list is filled and linked all the same.
    QCOMPARE(window.form().List1(3).ListCount(), 26);
}

void MainWindowLayoutTest::closingTheWindowEndsTheProgram() {
    // The program's event loop returns as soon as the window is closed, with no question asked.
    QTimer::singleShot(0, window_.get(), &QWidget::close);
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!window_->isVisible());
}

QTEST_MAIN(MainWindowLayoutTest)
#include "main_window_layout_test.moc"
