#pragma once

#include <QValidator>

#include "logic/text_box.h"

// Holds the input line to its text box's length limit. A line edit offers every edit here as
// the text it would then hold; an edit that would pass the limit is cut by the text box's own
// rule (TextBox::ReplaceRange), which never splits the two halves of a character. It leaves the
// text box itself unchanged: the window stores the edited text once the edit is done.
class InputLengthValidator final : public QValidator {
    Q_OBJECT

  public:
    InputLengthValidator(const TextBox& model, QObject* parent);

    State validate(QString& input, int& position) const override;

  private:
    const TextBox& model_;
};
