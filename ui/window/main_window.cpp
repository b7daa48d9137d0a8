#include "ui/window/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QStringList>
#include <algorithm>
#include <vector>

#include "form/control_layout.h"
#include "form/form_layout.h"
#include "form/list_group.h"
#include "form/spoken_words.h"
#include "ui/accessibility/accessibility.h"
#include "ui/desktop/caption_fit.h"
#include "ui/desktop/control_font.h"
#include "ui/desktop/cyrillic_serif.h"
#include "ui/desktop/form_scale.h"
#include "ui/desktop/qt_translations.h"
#include "ui/desktop/window_icon.h"
#include "ui/widgets/caption_label.h"
#include "ui/widgets/colour_button.h"
#include "ui/widgets/explanation_box.h"
#include "ui/widgets/input_length_validator.h"
#include "ui/widgets/to_qstring.h"
#include "ui/window/control_object_name.h"

namespace {

QColor Colour(std::uint32_t rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

QRect PixelRect(const ControlLayout& layout, const FormScale& scale) {
    return scale.Rect(layout.left, layout.top, layout.width, layout.height);
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    InstallAccessibleInterfaces();
    setObjectName(QStringLiteral("MainForm"));
    // Title, system menu and close button only: the window can be neither minimised nor
    // maximised, and its fixed size lets no one resize it (under X; Wayland below).
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(ToQString(kFormLayout.webAddress) + u' ' + ToQString(kFormLayout.title));
    setWindowIcon(WindowIcon());
    const FormScale scale(logicalDpiY());
    const QSize size = scale.Size(kFormLayout.clientWidthTwips, kFormLayout.clientHeightTwips);
    if (QGuiApplication::platformName().startsWith(u"wayland")) {
        // A Wayland compositor maximises a window from its own title bar or shortcut and then
        // holds it to the size it chose; Qt 6.4 would keep a fixed window at its own size, and
        // the compositor would end the program's connection. So there the form keeps its size in
        // the top-left corner of whatever size the window is given, on its own background.
        setMinimumSize(size);
        resize(size);
    } else {
        setFixedSize(size);
    }
    setAttribute(Qt::WA_OpaquePaintEvent);

    // The application font is normally the control font already (PrepareApplication); only a
    // substitute for a missing Times New Roman is set on the window itself.
    const QFont font =
        CyrillicSerif(ControlFont(), [&scale](const QFont& f) { return CaptionsFit(f, scale); });
    if (font != QApplication::font()) {
        setFont(font);
    }

    std::array<QWidget*, kControlLayout.size()> controls{};
    std::vector<std::pair<int, QWidget*>> focusOrder;
    for (std::size_t k = 0; k < kControlLayout.size(); ++k) {
        const ControlLayout& layout = kControlLayout[k];
        QWidget* control = createControl(layout);
        controls[k] = control;
        control->setObjectName(ControlObjectName(layout));
        control->setGeometry(PixelRect(layout, scale));
        // Hidden before the window is ever shown, so the control never appears, not even for
        // a moment.
        control->setVisible(layout.visible);
        if (layout.tabPosition) {
            focusOrder.emplace_back(*layout.tabPosition, control);
        }
        // What a screen reader says of the control beyond its caption.
        if (!layout.accessible.name.empty()) {
            control->setAccessibleName(ToQString(layout.accessible.name));
        }
        if (!layout.accessible.description.empty()) {
            control->setAccessibleDescription(ToQString(layout.accessible.description));
        }
    }
    // Each caption is the buddy label of the control it labels, which Qt reads as that control's
    // accessible name (unless the table gives one) and as the relation between the two.
    for (std::size_t k = 0; k < kControlLayout.size(); ++k) {
        if (const ControlLayout* labelled = FindControl(kControlLayout[k].accessible.labelFor)) {
            static_cast<CaptionLabel*>(controls[k])
                ->setBuddy(controls[static_cast<std::size_t>(labelled - kControlLayout.data())]);
        }
    }
    std::sort(focusOrder.begin(), focusOrder.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t k = 1; k < focusOrder.size(); ++k) {
        setTabOrder(focusOrder[k - 1].second, focusOrder[k].second);
    }
    focusOrder.front().second->setFocus(Qt::OtherFocusReason);

    // The controls are in place with their design-time contents; now the form loads, before
    // the user can do anything.
    form_.Form_Load();
    showGroup(MainForm::ListGroup::Table, ListBoxView::Scroll::ToTop);
    showGroup(MainForm::ListGroup::Results, ListBoxView::Scroll::ToTop);
    showInputLine();
    placeOnScreen();
}

MainWindow::~MainWindow() {
    // The controls read the form, which as a member would go before the widget base deletes
    // them; and closing the window still takes the focus from the input line, whose validator
    // then reads the form's text. So the controls go first.
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

void MainWindow::PrepareApplication() {
    // The classic look of the form, and the cheapest style to start. Its sunken frames and scroll
    // bars keep their width when the form's geometry shrinks below 96 dots per inch, and would
    // then cover the longest numbers of the narrow table columns; Fusion's thinner frames leave
    // them room.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const bool shrunk = screen != nullptr && screen->logicalDotsPerInchY() < 96.0;
    QApplication::setStyle(shrunk ? QStringLiteral("fusion") : QStringLiteral("windows"));
    QApplication::setFont(ControlFont());
    InstallQtTranslations();
}

QWidget* MainWindow::createControl(const ControlLayout& layout) {
    switch (layout.kind) {
        case ControlKind::Label:
            return new CaptionLabel(ToQString(layout.caption), Colour(*layout.background), this);
        case ControlKind::List:
            return createList(layout);
        case ControlKind::InputLine:
            return createInputLine();
        case ControlKind::ExplanationBox:
            return new ExplanationBox(ToQString(layout.caption), this);
        case ControlKind::Button: {
            auto* button =
                new ColourButton(ToQString(layout.caption), Colour(*layout.background), this);
            const ControlIndex index = layout.index;
            connect(button, &ColourButton::clicked, this, [this, index] { clickButton(index); });
            return button;
        }
    }
    return nullptr;
}

ListBoxView* MainWindow::createList(const ControlLayout& layout) {
    const MainForm::ListGroup group = ListGroupOf(layout);
    const ControlIndex index = layout.index;
    auto* list = new ListBoxView(form_.List(group, index), this);
    view(group, index) = list;
    connect(list, &ListBoxView::rowChosen, this,
            [this, group, index](int row) { chooseRow(group, index, row); });
    connect(list, &ListBoxView::copyRequested, this,
            [this, group, index] { copyRow(group, index); });
    return list;
}

QLineEdit* MainWindow::createInputLine() {
    text2_ = new QLineEdit(this);
    // The length limit is the text box's, applied by the validator so that a cut never splits a
    // character; QLineEdit's own maximum length would cut between two halves of one.
    auto* rule = new InputLengthValidator(form_.Text2(0), text2_);
    text2_->setValidator(rule);
    text2_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(text2_, &QLineEdit::textEdited, this, &MainWindow::takeEdit);
    // The limit's refusal is told after the edit.
    connect(
        rule, &InputLengthValidator::editCut, this, [this] { Announce(*this, kLimitReached); },
        Qt::QueuedConnection);
    QuietSelectionOnFocus(*text2_);
    KeepClicksBehindKeys(*this);
    return text2_;
}

void MainWindow::placeOnScreen() {
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen != nullptr) {
        // Centred; but a window larger than the screen keeps its title bar and top-left corner
        // on it, where the user can reach them. The position is that of the frame.
        const QRect area = screen->availableGeometry();
        const QPoint centred = area.center() - rect().center();
        move(std::max(centred.x(), area.left()), std::max(centred.y(), area.top()));
    }
}

void MainWindow::paintEvent(QPaintEvent* event) {
    // Painted rather than set in the palette, which the controls would inherit.
    QPainter painter(this);
    painter.fillRect(event->rect(), Colour(kFormLayout.background));
}

void MainWindow::chooseRow(MainForm::ListGroup group, ControlIndex index, int row) {
    form_.UserSelectsRow(group, index, row);
    showGroup(group, ListBoxView::Scroll::SelectionIntoView);
}

void MainWindow::clickButton(ControlIndex index) {
    form_.Command1_Click(index);
    // Both buttons replace the result rows; the table keeps its rows but may lose its selection.
    showGroup(MainForm::ListGroup::Results, ListBoxView::Scroll::ToTop);
    showGroup(MainForm::ListGroup::Table, ListBoxView::Scroll::Keep);
    showInputLine();
    Announce(*this, ButtonOutcome(form_, index));
}

void MainWindow::copyRow(MainForm::ListGroup group, ControlIndex index) {
    const int row = form_.List(group, index).ListIndex();
    if (row < 0) {
        return;
    }
    QStringList cells;
    for (ControlIndex k = 0; k < MainForm::ListCount(group); ++k) {
        if (!view(group, k)->isHidden()) {
            cells << ToQString(form_.List(group, k).List(row));
        }
    }
    QGuiApplication::clipboard()->setText(cells.join(u'\t'));
}

void MainWindow::takeEdit(const QString& text) {
    // The validator has already held the edit to the limit, so the text is stored as it is.
    form_.Text2(0).SetText(text.toStdU16String());
}

ListBoxView*& MainWindow::view(MainForm::ListGroup group, ControlIndex index) {
    const auto slot = static_cast<std::size_t>(index);
    return group == MainForm::ListGroup::Table ? list2_.at(slot) : list1_.at(slot);
}

void MainWindow::showGroup(MainForm::ListGroup group, ListBoxView::Scroll scroll) {
    for (ControlIndex k = 0; k < MainForm::ListCount(group); ++k) {
        view(group, k)->showModel(scroll);
    }
}

void MainWindow::showInputLine() {
    const QString text = ToQString(form_.Text2(0).Text());
    if (text2_->text() != text) {
        text2_->setText(text);
    }
}
