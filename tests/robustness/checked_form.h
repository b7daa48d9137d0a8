#pragma once

#include <array>
#include <string>

#include "logic/main_form.h"
#include "tests/robustness/form_event.h"

// A loaded cipher form together with the state it ought to be in, worked out event by event from
// the cipher's formulas and the form's rules and never read back from the form's lists. After
// every event it checks the form against that state and against invariants that hold in any
// state. Choosing the events is left to the caller.
class CheckedForm final {
  public:
    // How often a run met the cases most likely to go wrong, so that a test can show it got there.
    struct Reached final {
        long longEncryptions = 0;     // more letters than the number list has rows
        long rowsPastNumberList = 0;  // a result row of 26 or more selected
        long editsInsidePairs = 0;    // an edit whose range starts or ends inside a surrogate pair
        long cutInsertions = 0;       // an edit that kept only part of the inserted text
    };

    // Creates the form and runs its load sequence.
    CheckedForm();

    const MainForm& Form() const { return form_; }
    // For the checker's own tests, which spoil the form on purpose.
    MainForm& FormToSpoil() { return form_; }
    const Reached& Coverage() const { return reached_; }

    // Applies the event and checks the form; returns the first fault found, or an empty text.
    std::string Apply(const FormEvent& event);

    // Writes the input line as the program (not the user) does, with no length limit.
    std::string PlaceInput(std::u16string text);

    // Checks the form in its present state; returns the first fault found, or an empty text.
    std::string Check() const { return Check(form_); }
    // Checks another form that met the same events, such as the one behind a window, against
    // the state this one ought to be in.
    std::string Check(const MainForm& form) const;

  private:
    using Group = MainForm::ListGroup;

    std::string Run(const FormEvent& event);
    std::string CheckEdit(const std::u16string& before, const FormEvent& event,
                          std::size_t kept) const;
    static std::string CheckTable(const MainForm& form);
    std::string CheckResults(const MainForm& form) const;
    std::string CheckSelections(const MainForm& form) const;
    int ExpectedRows(Group group, int index) const;
    bool ExpectedHasRow(Group group, int index, int row) const;
    void Link(Group group, int row);
    int& ExpectedSelection(Group group, int index);
    int ExpectedSelection(Group group, int index) const;

    MainForm form_;
    std::u16string input_ = u"AFFINECIPHER";
    std::u16string letters_;  // the text of the last encryption
    bool buttonClicked_ = false;
    bool justEncrypted_ = false;
    std::array<int, 4> resultSelection_{-1, -1, -1, -1};
    std::array<int, 7> tableSelection_{-1, -1, -1, -1, -1, -1, -1};
    Reached reached_;
};
