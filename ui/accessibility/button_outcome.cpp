#include "ui/accessibility/button_outcome.h"

#include "logic/main_form.h"
#include "ui/widgets/to_qstring.h"

namespace {

QString Joined(const ListBox& list) {
    QString text;
    for (const std::u16string& row : list.Rows()) {
        text += ToQString(row);
    }
    return text;
}

QString Letters(int count) {
    return count == 1 ? QStringLiteral("1 буква") : QStringLiteral("%1 букви").arg(count);
}

}  // namespace

QString ButtonOutcome(const MainForm& form, ControlIndex index) {
    using Group = MainForm::ListGroup;
    if (index == 1) {
        return QStringLiteral("Текстът и резултатът са изчистени.");
    }
    const int count = form.List(Group::Results, 0).ListCount();
    if (count == 0) {
        return QStringLiteral("Нищо не е криптирано: в текста няма латински букви.");
    }
    // After an encryption the input line holds exactly the letters that were enciphered.
    return QStringLiteral("Текстът %1 е криптиран в %2, %3.")
        .arg(ToQString(form.Text2(0).Text()), Joined(form.List(Group::Results, 2)), Letters(count));
}
