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

QByteArray Utf8(std::string_view text) {
    return QByteArray(text.data(), qsizetype(text.size()));
}

// Writes the line and ends the program at once: Qt's own exit would follow, or its abort.
[[noreturn]] void SayAndExit(const QByteArray& line) {
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
    std::_Exit(DisplayCheck::kNoDisplayStatus);
}

// A held message on one line, with its category in front as Qt's default format shows it.
QString OneLine(const char* category, const QString& text) {
    const QString line = text.simplified();
    if (category == nullptr || std::strcmp(category, "default") == 0) {
        return line;
    }
    return QString::fromUtf8(category) + QStringLiteral(": ") + line;
}

// The line: its start, then the held messages and the last one.
[[noreturn]] void Explain(std::string_view start, const QString& last) {
    QStringList reasons;
    for (const HeldMessage& message : heldMessages) {
        reasons << OneLine(message.category, message.text);
    }
    if (!last.isEmpty()) {
        reasons << last;
    }
    SayAndExit(Utf8(start) + reasons.join(QStringLiteral("; ")).toUtf8());
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
    Explain(
        DisplayCheck::kNoDisplayStart,
        heldMessages.empty() ? OneLine(context.category, text.section(u'\n', 0, 0)) : QString());
}

// Qt reads QT_SCALE_FACTOR with QString::toDouble and takes whatever number it gets: at 0, at
// infinity or at not-a-number it shows no window and waits for ever, at a negative factor it makes
// a window of 65,376 pixels. What is no number it ignores.
void RefuseScaleFactorQtCannotUse() {
    static const char kName[] = "QT_SCALE_FACTOR";
    if (qEnvironmentVariableIsEmpty(kName)) {
        return;
    }
    const QString value = qEnvironmentVariable(kName);
    bool isNumber = false;
    const double factor = value.toDouble(&isNumber);
    // Not-a-number fails both comparisons.
    if (isNumber && factor >= DisplayCheck::kLeastScaleFactor &&
        factor <= DisplayCheck::kGreatestScaleFactor) {
        return;
    }
    // The value as given, on one line and not too long to read.
    constexpr qsizetype kShown = 40;
    QString shown = value.left(kShown);
    for (QChar& character : shown) {
        if (!character.isPrint()) {
            character = u'?';
        }
    }
    if (value.size() > kShown) {
        shown += QStringLiteral("...");
    }
    const QString range = QStringLiteral("the window is drawn at factors from %1 to %2")
                              .arg(DisplayCheck::kLeastScaleFactor)
                              .arg(DisplayCheck::kGreatestScaleFactor);
    SayAndExit(Utf8(DisplayCheck::kScaleFactorStart) + shown.toUtf8() +
               " is not a scale factor Qt can use: " +
               (isNumber ? range : QStringLiteral("it is no number; ") + range).toUtf8());
}

}  // namespace

DisplayCheck::DisplayCheck() {
    RefuseScaleFactorQtCannotUse();
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
