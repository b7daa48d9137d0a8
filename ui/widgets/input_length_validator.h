#pragma once

#include <QValidator>
#include <cstddef>

#include "logic/text_box.h"

class QLineEdit;

// Holds the input line to its text box's rule (TextBox::ReplaceRange). A line edit offers every
// edit here as the text it would then hold; the edit is made again by that rule, which cuts what
// would pass the length limit and never splits the two halves of a character, and the cursor
// never stays between them. It leaves the text box itself unchanged: the window stores the
// edited text once the edit is done.
class InputLengthValidator final : public QValidator {
    Q_OBJECT

  public:
    // Validates the edits of `edit`, which owns the validator.
    InputLengthValidator(const TextBox& model, QLineEdit* edit);

    State validate(QString& input, int& position) const override;

  signals:
    // An edit put in characters that the length limit then cut, in part or all.
    void editCut() const;

  private:
    const TextBox& model_;
    std::size_t editStart_ = 0;  // where the cursor or the selection began before the edit
};
