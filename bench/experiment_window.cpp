#include "bench/experiment_window.h"

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
#include <QStringListModel>
#include <utility>

#include "bench/painted_captions.h"
#include "bench/painted_list.h"
#include "logic/table_headings.h"

namespace {

QString Text(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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
const std::array<QRect, 4> kResultLists = {QRect{8, 192, 89, 80}, QRect{104, 192, 105, 80},
                                           QRect{216, 192, 97, 80}, QRect{448, 176, 41, 80}};

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

QFont ControlFont(const ExperimentWindow::Choices& choices) {
    QFont font(QStringLiteral("Times New Roman"), 12);
    if (choices.hinting == "none") {
        font.setHintingPreference(QFont::PreferNoHinting);
    } else if (choices.hinting == "full") {
        font.setHintingPreference(QFont::PreferFullHinting);
    }
    return font;
}

}  // namespace

ExperimentWindow::Choices ExperimentWindow::Choices::Parse(int argc, char* argv[]) {
    Choices choices;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const auto equals = argument.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = argument.substr(0, equals);
        for (auto [name, field] :
             {std::pair{"lists", &choices.lists}, std::pair{"captions", &choices.captions},
              std::pair{"buttons", &choices.buttons}, std::pair{"font", &choices.font},
              std::pair{"rows", &choices.rows}, std::pair{"style", &choices.style},
              std::pair{"hinting", &choices.hinting}, std::pair{"omit", &choices.omit}}) {
            if (key == name) {
                *field = argument.substr(equals + 1);
            }
        }
    }
    return choices;
}

bool ExperimentWindow::Choices::Omits(std::string_view kind) const {
    std::string_view rest = omit;
    while (!rest.empty()) {
        const auto comma = rest.find(',');
        if (rest.substr(0, comma) == kind) {
            return true;
        }
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    }
    return false;
}

ExperimentWindow::ExperimentWindow(const Choices& choices)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      choices_(choices) {
    if (choices_.style != "default") {
        QApplication::setStyle(Text(choices_.style));
    }
    if (choices_.font == "app") {
        QApplication::setFont(ControlFont(choices_));
    }
    form_.Form_Load();

    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Информатика - криптиране, Affine cipher"));
    setFixedSize(503, 439);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xFF));
    setPalette(background);

    BuildControls();
    if (choices_.rows == "before") {
        FillLists();
    }
}

void ExperimentWindow::FillLists() {
    for (std::size_t j = 0; j < resultLists_.size(); ++j) {
        if (resultLists_[j]) {
            resultLists_[j](Rows(form_.List1(static_cast<ControlIndex>(j))));
        }
    }
    for (std::size_t k = 0; k < tableLists_.size(); ++k) {
        if (tableLists_[k]) {
            tableLists_[k](Rows(form_.List2(static_cast<ControlIndex>(k))));
        }
    }
}

void ExperimentWindow::ButtonClicked(ControlIndex index) {
    if (input_ != nullptr) {
        form_.Text2(0).SetText(input_->text().toStdU16String());
    }
    form_.Command1_Click(index);
    if (input_ != nullptr) {
        input_->setText(QString::fromStdU16String(form_.Text2(0).Text()));
    }
    for (std::size_t j = 0; j < resultLists_.size(); ++j) {
        if (resultLists_[j]) {
            resultLists_[j](Rows(form_.List1(static_cast<ControlIndex>(j))));
        }
    }
}

ExperimentWindow::ShowRows ExperimentWindow::AddList(QRect area, const QString& name,
                                                     bool visible) {
    if (choices_.Omits("lists")) {
        return {};
    }
    QWidget* control = nullptr;
    ShowRows show;
    if (choices_.lists == "widget") {
        auto* widget = new QListWidget(this);
        control = widget;
        show = [widget](const QStringList& rows) {
            widget->clear();
            widget->addItems(rows);
        };
    } else if (choices_.lists == "painted") {
        auto* widget = new PaintedList(this);
        control = widget;
        show = [widget](const QStringList& rows) { widget->SetRows(rows); };
    } else {
        auto* view = new QListView(this);
        view->setUniformItemSizes(choices_.lists == "uniform");
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        auto* model = new QStringListModel(view);
        view->setModel(model);
        control = view;
        show = [model](const QStringList& rows) { model->setStringList(rows); };
    }
    control->setObjectName(name);
    control->setGeometry(area);
    if (choices_.font == "each") {
        control->setFont(ControlFont(choices_));
    }
    control->setVisible(visible);
    return show;
}

void ExperimentWindow::BuildControls() {
    const QFont font = ControlFont(choices_);
    auto place = [&](QWidget* control, QRect area, const QString& name) {
        control->setObjectName(name);
        control->setGeometry(area);
        if (choices_.font == "each") {
            control->setFont(font);
        }
    };

    PaintedCaptions* painted = nullptr;
    if (choices_.captions == "painted" && !choices_.Omits("captions")) {
        painted = new PaintedCaptions(this);
        place(painted, rect(), QStringLiteral("Captions"));
    }
    auto caption = [&](QRect area, const QString& text, QColor background, const QString& name,
                       bool visible = true) {
        if (choices_.Omits("captions")) {
            return;
        }
        if (painted != nullptr) {
            painted->Add({area, text, background, visible});
            return;
        }
        auto* label = new QLabel(text, this);
        place(label, area, name);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setAutoFillBackground(true);
        QPalette colours = label->palette();
        colours.setColor(QPalette::Window, background);
        label->setPalette(colours);
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
    for (std::size_t j = 0; j < kResultLists.size(); ++j) {
        const QRect list = kResultLists[j];
        const QRect area =
            j == 3 ? QRect{448, 152, 41, 25} : QRect{list.x(), 168, list.width(), 25};
        caption(area, Text(kResultHeadings[j]), result, QStringLiteral("Label4(%1)").arg(j),
                j != 3);
    }

    if (!choices_.Omits("input")) {
        input_ = new QLineEdit(QString::fromStdU16String(form_.Text2(0).Text()), this);
        place(input_, {160, 32, 337, 27}, QStringLiteral("Text2(0)"));
        input_->setMaxLength(static_cast<int>(MainForm::kInputMaxLength));
    }

    for (std::size_t j = 0; j < kResultLists.size(); ++j) {
        resultLists_[j] = AddList(kResultLists[j], QStringLiteral("List1(%1)").arg(j), j != 3);
    }
    for (std::size_t k = 0; k < kTableColumns.size(); ++k) {
        tableLists_[k] =
            AddList({kTableColumns[k], 80, 57, 80}, QStringLiteral("List2(%1)").arg(k), true);
    }

    auto button = [&](ControlIndex index, QRect area, const QString& text, QColor face) {
        if (choices_.Omits("buttons")) {
            return;
        }
        auto* control = new QPushButton(text, this);
        place(control, area, QStringLiteral("Command1(%1)").arg(index));
        if (choices_.buttons == "stylesheet") {
            control->setStyleSheet(QStringLiteral("background-color: %1").arg(face.name()));
        } else {
            QPalette colours = control->palette();
            colours.setColor(QPalette::Button, face);
            control->setPalette(colours);
        }
        connect(control, &QPushButton::clicked, this, [this, index] { ButtonClicked(index); });
    };
    button(0, {328, 200, 89, 33}, QStringLiteral("Криптирай"), QColor(0x00, 0xFF, 0x00));
    button(1, {408, 240, 89, 33}, QStringLiteral("Чисти"), QColor(0xFF, 0x00, 0x00));

    auto text = [&](QRect area, const QString& contents, const QString& name,
                    bool visible) -> QPlainTextEdit* {
        if (choices_.Omits("texts")) {
            return nullptr;
        }
        auto* box = new QPlainTextEdit(contents, this);
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
    if (explanation != nullptr) {
        explanation->setFocus();
    }
}
