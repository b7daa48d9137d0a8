#pragma once

#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <string_view>

#include "logic/main_form.h"

class QLineEdit;

// The program's window as the start-up and click experiments build it: the 29 controls at their
// places, with their texts and colours, made in one of several ways, over a cipher form whose
// buttons it wires to the form's handler. It stands in for the real window in measurements; it
// checks nothing and is not the program.
class ExperimentWindow final : public QWidget {
  public:
    // One choice per kind of control; the first value of each is the default:
    //   lists=view|uniform|widget|painted    QListView + QStringListModel, the same with uniform
    //                                        item sizes, QListWidget, or PaintedList
    //   captions=labels|painted              13 QLabels, or one PaintedCaptions under the rest
    //   buttons=palette|stylesheet           button faces coloured by palette or style sheet
    //   font=each|app                        the font set on every control, or on the application
    //   rows=before|after                    list rows set before show(), or by the event loop
    //   style=default|windows|fusion         the platform's default style, or one picked here
    //   hinting=default|none|full            the font's hinting preference
    //   omit=KIND,...                        leaves out every control of these kinds: lists,
    //                                        captions, input, buttons, texts
    struct Choices {
        std::string_view lists = "view";
        std::string_view captions = "labels";
        std::string_view buttons = "palette";
        std::string_view font = "each";
        std::string_view rows = "before";
        std::string_view style = "default";
        std::string_view hinting = "default";
        std::string_view omit;

        // Reads KEY=VALUE arguments; others are left alone.
        static Choices Parse(int argc, char* argv[]);
        bool Omits(std::string_view kind) const;
    };

    // Call after the application exists; an application-wide style or font is set here.
    explicit ExperimentWindow(const Choices& choices);

    // Shows the form's rows in every list; the constructor does it when rows=before.
    void FillLists();

  private:
    using ShowRows = std::function<void(const QStringList&)>;

    void BuildControls();
    ShowRows AddList(QRect area, const QString& name, bool visible);
    void ButtonClicked(ControlIndex index);

    Choices choices_;
    MainForm form_;
    QLineEdit* input_ = nullptr;
    std::array<ShowRows, MainForm::kResultListCount> resultLists_;
    std::array<ShowRows, MainForm::kTableListCount> tableLists_;
};
