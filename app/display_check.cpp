#include "app/display_check.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace {

// A message as Qt logged it. The context's strings point into the program's static data, so
// keeping the pointers is enough.
struct HeldMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage> heldMessages;

// A held message on one line, with its category in front as Qt's default format shows it.
QString OneLine(const char* category, const QString& text) {
    const QString line = text.simplified();
    if (category == nullptr || std::strcmp(category, "default") == 0) {
        return line;
    }
    return QString::fromUtf8(category) + QStringLiteral(": ") + line;
}

void HoldOrExplain(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        heldMessages.push_back(
            {type, context.file, context.line, context.function, context.category, text});
        return;
    }
    // Qt would abort next and leave a core dump. Its fatal message only says that no platform
    // plug-in could be initialised, and suggests reinstalling; the reasons are in the messages
    // before it.
    QStringList reasons;
    for (const HeldMessage& message : heldMessages) {
        reasons << OneLine(message.category, message.text);
    }
    if (reasons.isEmpty()) {
        reasons << OneLine(context.category, text.section(u'\n', 0, 0));
    }
    const QByteArray line = QByteArray(DisplayCheck::kNoDisplayStart.data(),
                                       qsizetype(DisplayCheck::kNoDisplayStart.size())) +
                            reasons.join(QStringLiteral("; ")).toUtf8() + '\n';
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stderr);
    std::fflush(stderr);
    std::_Exit(DisplayCheck::kNoDisplayStatus);
}

}  // namespace

DisplayCheck::DisplayCheck() {
    previousHandler = qInstallMessageHandler(HoldOrExplain);
}

DisplayCheck::~DisplayCheck() {
    qInstallMessageHandler(previousHandler);
    const std::vector<HeldMessage> held = std::exchange(heldMessages, {});
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(message.file, message.line, message.function,
                                         message.category);
        qt_message_output(message.type, context, message.text);
    }
}
