#include "app/display_check.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string_view>
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

void WriteNoDisplayLine() {
    std::fwrite(DisplayCheck::kNoDisplayLine.data(), 1, DisplayCheck::kNoDisplayLine.size(),
                stderr);
    std::fflush(stderr);
}

void HoldOrRefuse(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // Qt would abort next and leave a core dump; the platform plug-in's reasons are in the
        // held warnings, which a user without a display does not need.
        WriteNoDisplayLine();
        std::_Exit(DisplayCheck::kNoDisplayStatus);
    }
    heldMessages.push_back(
        {type, context.file, context.line, context.function, context.category, text});
}

}  // namespace

bool DisplayCheck::NoDisplayNamed(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-platform" || argument == "--platform") {
            return false;
        }
    }
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith(QStringLiteral("xcb"))) {
        return false;
    }
    return qEnvironmentVariableIsEmpty("DISPLAY") &&
           (!platform.isEmpty() || qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"));
}

int DisplayCheck::Refuse() {
    WriteNoDisplayLine();
    return kNoDisplayStatus;
}

DisplayCheck::DisplayCheck() {
    previousHandler = qInstallMessageHandler(HoldOrRefuse);
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
