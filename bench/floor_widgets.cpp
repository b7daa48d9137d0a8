// floor-widgets: an experiment, not the program. It builds a window with the program's 29 controls
// (11 lists, 13 captions, an input line, two read-only text boxes, two buttons) at their places,
// with their texts and colours, in one of several ways, so that startup-probe can tell what each
// way costs over the text floor. Each argument picks one choice; the first of each is the default:
//   lists=view|uniform|widget|painted    QListView + QStringListModel, the same with uniform item
//                                        sizes, QListWidget, or PaintedList
//   captions=labels|painted              13 QLabels, or one PaintedCaptions under the controls
//   buttons=palette|stylesheet           the button faces coloured through the palette or a style
//                                        sheet
//   font=each|app                        the font set on every control, or once on the application
//   rows=before|after                    the list rows set before show(), or once the event loop
//                                        runs

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QStringListModel>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <string_view>
#include <vector>

#include "bench/painted_captions.h"
#include "bench/painted_list.h"
#include "logic/main_form.h"
#include "logic/table_headings.h"

namespace {

struct Choices {
    std::string_view lists = "view";
    std::string_view captions = "labels";
    std::string_view buttons = "palette";
    std::string_view font = "each";
    std::string_view rows = "before";
};

Choices ParseChoices(int argc, char* argv[]) {
    Choices choices;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const auto equals = argument.find('=');
        const std::string_view key = argument.substr(0, equals);
        const std::string_view value =
            equals == std::string_view::npos ? std::string_view() : argument.substr(equals + 1);
        for (auto [name, field] :
             {std::pair{"lists", &choices.lists}, std::pair{"captions", &choices.captions},
              std::pair{"buttons", &choices.buttons}, std::pair{"font", &choices.font},
              std::pair{"rows", &choices.rows}}) {
            if (key == name) {
                *field = value;
            }
        }
    }
    return choices;
}

QString Text(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList Rows(const ListBox& list) {
    QStringList rows;
    rows.reserve(list.ListCount());
    for (const std::u16string& row : list.Rows()) {
        rows.push_back(QString::fromStdU16String(row));
    }
    return rows;
}

constexpr std::array<int, 7> kTableColumns = {8, 80, 152, 224, 296, 360, 424};

const char16_t* const kExplanation[] = {
    u"Информатика - шифър със заместване, cipher Affine",
    u"",
    u"Шифърът Affine е вид субституционен шифър. За всяка буква от некриптираното съобщение има "
    u"единствена съответстваща  буква от криптираното съобщение.",
    u"За следващите формули: x - номер буква от началния текст, m - отместване, K - номер буква "
    u"от криптирания текст; D - номер буква от декриптирания текст. При изчисляване номер на "
    u"буква се отчита ASCII кода на главните латински букви.",
    u"Изчисляване номер на криптирана буква: K = (5x+8) mod 26",
    u"Изчисляване номер на декриптирана буква: D = 21*(K - 8) mod 26",
    u"Буквата L съвпада в начален и криптиран текст.",
    u"Да се реализира проект, представящ вътрешнопредметни връзки в Информатика.",
    u"Тема на проекта: Информатика - шифър със заместване, cipher Affine.",
    u"Реализираният проект използва:",
    u"два командни бутона за криптиране на текста и изчистване;",
    u"текстово поле - за начален текст;",
    u"листови полета за извеждане на код и буква от некриптирания и криптирания текст.",
    u"В примерния проект всички латински букви се преобразуват в главни и при криптиране се "
    u"извежда ASCII кода на буквата. Аналогични са шифър на Ceasar е и cipher ROT13.",
    u"Съберете допълнително информация относно методи за криптиране като: Bifid, Hill,  "
    u"Playfear, Weviner, шифър на руските нихилисти и др.",
};

const char16_t* const kHiddenText[] = {
    u"Неприятното в това да си първият, направил нещо по ",
    u"правилния начин, е, че никой не оценява колко трудно е ",
    u"било. ",
};

template <std::size_t N>
QString Lines(const char16_t* const (&lines)[N]) {
    QString text;
    for (const char16_t* line : lines) {
        text += QString::fromUtf16(line);
        text += QStringLiteral("\r\n");
    }
    return text;
}

// Builds the controls on `window` and returns what fills the lists, to be run before or after
// show().
std::function<void()> BuildControls(QWidget& window, const Choices& choices, const MainForm& form) {
    const QFont font(QStringLiteral("Times New Roman"), 12);
    const bool eachFont = choices.font == "each";
    auto place = [&](QWidget* control, QRect area, const QString& name) {
        control->setObjectName(name);
        control->setGeometry(area);
        if (eachFont) {
            control->setFont(font);
        }
    };

    PaintedCaptions* painted = nullptr;
    if (choices.captions == "painted") {
        painted = new PaintedCaptions(&window);
        place(painted, window.rect(), QStringLiteral("Captions"));
    }
    auto caption = [&](QRect area, const QString& text, QColor background, const QString& name,
                       bool visible = true) {
        if (painted != nullptr) {
            painted->Add({area, text, background, visible});
            return;
        }
        auto* label = new QLabel(text, &window);
        place(label, area, name);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, background);
        label->setPalette(palette);
        label->setVisible(visible);
    };

    const QColor title(0xFF, 0xC0, 0x80);
    const QColor heading(0xFF, 0xE0, 0xC0);
    const QColor result(0x80, 0x80, 0xFF);
    caption({80, 0, 361, 25}, QStringLiteral("Информатика - шифър със заместване, cipher Affine"),
            title, QStringLiteral("Label1(0)"));
    caption({8, 32, 153, 25}, QStringLiteral("текст за криптиране:"), title,
            QStringLiteral("Label1(1)"));
    for (std::size_t k = 0; k < kTableColumns.size(); ++k) {
        caption({kTableColumns[k], 64, 57, 17}, Text(kTableHeadings[k]), heading,
                QStringLiteral("Label2(%1)").arg(k));
    }
    const std::array<QRect, 4> resultAreas = {QRect{8, 192, 89, 80}, QRect{104, 192, 105, 80},
                                              QRect{216, 192, 97, 80}, QRect{448, 176, 41, 80}};
    for (std::size_t j = 0; j < resultAreas.size(); ++j) {
        const QRect list = resultAreas[j];
        const QRect area =
            j == 3 ? QRect{448, 152, 41, 25} : QRect{list.x(), 168, list.width(), 25};
        caption(area, Text(kResultHeadings[j]), result, QStringLiteral("Label4(%1)").arg(j),
                j != 3);
    }

    auto* input = new QLineEdit(QStringLiteral("AFFINECIPHER"), &window);
    place(input, {160, 32, 337, 27}, QStringLiteral("Text2(0)"));
    input->setMaxLength(40);

    std::vector<std::function<void()>> fills;
    auto list = [&](QRect area, const QString& name, QStringList rows, bool visible) {
        QWidget* control = nullptr;
        if (choices.lists == "widget") {
            auto* widget = new QListWidget(&window);
            control = widget;
            fills.push_back([widget, rows] { widget->addItems(rows); });
        } else if (choices.lists == "painted") {
            auto* widget = new PaintedList(&window);
            control = widget;
            fills.push_back([widget, rows] { widget->SetRows(rows); });
        } else {
            auto* view = new QListView(&window);
            view->setUniformItemSizes(choices.lists == "uniform");
            view->setEditTriggers(QAbstractItemView::NoEditTriggers);
            auto* model = new QStringListModel(view);
            view->setModel(model);
            control = view;
            fills.push_back([model, rows] { model->setStringList(rows); });
        }
        place(control, area, name);
        control->setVisible(visible);
    };
    for (std::size_t j = 0; j < resultAreas.size(); ++j) {
        const auto index = static_cast<ControlIndex>(j);
        list(resultAreas[j], QStringLiteral("List1(%1)").arg(j), Rows(form.List1(index)), j != 3);
    }
    for (std::size_t k = 0; k < kTableColumns.size(); ++k) {
        const auto index = static_cast<ControlIndex>(k);
        list({kTableColumns[k], 80, 57, 80}, QStringLiteral("List2(%1)").arg(k),
             Rows(form.List2(index)), true);
    }

    auto button = [&](QRect area, const QString& text, QColor face, const QString& name) {
        auto* control = new QPushButton(text, &window);
        place(control, area, name);
        if (choices.buttons == "stylesheet") {
            control->setStyleSheet(QStringLiteral("background-color: %1").arg(face.name()));
        } else {
            QPalette palette = control->palette();
            palette.setColor(QPalette::Button, face);
            control->setPalette(palette);
        }
    };
    button({328, 200, 89, 33}, QStringLiteral("Криптирай"), QColor(0x00, 0xFF, 0x00),
           QStringLiteral("Command1(0)"));
    button({408, 240, 89, 33}, QStringLiteral("Чисти"), QColor(0xFF, 0x00, 0x00),
           QStringLiteral("Command1(1)"));

    auto text = [&](QRect area, const QString& contents, const QString& name, bool visible) {
        auto* box = new QPlainTextEdit(contents, &window);
        place(box, area, name);
        box->setReadOnly(true);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setVisible(visible);
        return box;
    };
    QPlainTextEdit* explanation =
        text({8, 280, 489, 137}, Lines(kExplanation), QStringLiteral("Text1(0)"), true);
    text({40, 312, 449, 121}, Lines(kHiddenText), QStringLiteral("Text1(1)"), false);
    explanation->setFocus();

    return [fills] {
        for (const auto& fill : fills) {
            fill();
        }
    };
}

}  // namespace

int main(int argc, char* argv[]) {
    const Choices choices = ParseChoices(argc, argv);
    QApplication app(argc, argv);
    if (choices.font == "app") {
        QApplication::setFont(QFont(QStringLiteral("Times New Roman"), 12));
    }

    MainForm form;
    form.Form_Load();

    QWidget window(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window.setObjectName(QStringLiteral("MainForm"));
    window.setWindowTitle(QStringLiteral("Информатика - криптиране, Affine cipher"));
    window.setFixedSize(503, 439);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xFF));
    window.setPalette(palette);

    const std::function<void()> fillLists = BuildControls(window, choices, form);
    if (choices.rows == "before") {
        fillLists();
    } else {
        QTimer::singleShot(0, &window, fillLists);
    }
    window.show();
    return QApplication::exec();
}
