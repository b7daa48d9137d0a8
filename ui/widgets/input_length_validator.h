#pragma once

#include <QValidator>
#include <cstddef>

#include "logic/text_box.h"

class QLineEdit;

// Holds the input line to its text box's rule (TextBox::ReplaceRange). A line edit offers every
// edit here as the text it would then hold; the edit is made again by that rule, which cuts what
// would pass the length limit and never splits the two halves of a character, and the cursor
// never stays between them. It leaves the text box itself unchanged: the window stores the
// edited text once the edit is done. Typing and pasting it cuts before the line edit sees them,
// since the line edit tells assistive technology of an insertion before it validates it.
class InputLengthValidator final : public QValidator {
    Q_OBJECT

  public:
    // Validates the edits of `edit`, which owns the validator.
    InputLengthValidator(const TextBox& model, QLineEdit* edit);

    State validate(QString& input, int& position) const override;

    // Where the limit cuts `text`, inserts what it keeps where the line edit would insert it,
    // tells of the cut and returns true; otherwise leaves the insertion to the caller. So the
    // line edit's own report to assistive technology names only the kept text, and a paste of
    // any size stays within the limit.
    bool insertFitting(const QString& text);

  protected:
    // Cuts typed and pasted text to what fits before the line edit inserts it.
    bool eventFilter(QObject* watched, QEvent* event) override;

  signals:
    // An edit put in characters that the length limit then cut, in part or all.
    void editCut() const;

  private:
    // How many units of `text` the limit keeps where the line edit would insert it.
    std::size_t fitting(const QString& text) const;

    QLineEdit* edit_;
    const TextBox& model_;
    std::size_t editStart_ = 0;  // where the cursor or the selection began before the edit
};
