#pragma once

#include <QWidget>
#include <array>

#include "logic/main_form.h"
#include "ui/widgets/list_box_view.h"

class QLineEdit;
struct ControlLayout;

// The program's one window: every control of the cipher form, placed from the control layout
// table, over the form model that it owns. It hands the user's gestures to the model's handlers
// and then shows what the model holds; what the gestures mean is the model's business.
class MainWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Sets what the window is drawn with for the whole application: the classic Windows style,
    // or Fusion where the screen has fewer than 96 logical dots per inch (both built into Qt
    // Widgets, so no style plug-in is looked for), and the font of every control, so that no
    // widget resolves or loads Qt's default font first; and Qt's own texts in Bulgarian. Called
    // once, after the application object exists and before the window is built.
    static void PrepareApplication();

    const MainForm& form() const { return form_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QWidget* createControl(const ControlLayout& layout);
    ListBoxView* createList(const ControlLayout& layout);
    QLineEdit* createInputLine();
    void placeOnScreen();

    void chooseRow(MainForm::ListGroup group, ControlIndex index, int row);
    void clickButton(ControlIndex index);
    void copyRow(MainForm::ListGroup group, ControlIndex index);
    void takeEdit(const QString& text);

    // The one place that tells which array holds the view of a list: List1 or List2.
    ListBoxView*& view(MainForm::ListGroup group, ControlIndex index);
    void showGroup(MainForm::ListGroup group, ListBoxView::Scroll scroll);
    void showInputLine();

    MainForm form_;
    std::array<ListBoxView*, MainForm::kResultListCount> list1_{};
    std::array<ListBoxView*, MainForm::kTableListCount> list2_{};
    QLineEdit* text2_ = nullptr;
};
