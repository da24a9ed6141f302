#include "Startup.h"

#include "Product.h"
#include "WindowSystem.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <QList>

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace tessaly {

std::optional<int> answerCommandLine(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCoreApplication::setApplicationName(QStringLiteral("tessaly"));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(kVersion));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("%1: a questionnaire of 28 boxes that shows your four colours and what they say about how "
                       "you work with others.")
            .arg(QString::fromUtf8(kCompanyTitle)));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and quit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and quit."));
    parser.addOption(help);
    parser.addOption(version);
    // Qt's own options (-platform, -display, ...) and anything unknown pass through untouched.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (!parser.parse(arguments))
        return std::nullopt;
    if (parser.isSet(help)) {
        // No application object exists yet to tell the parser the program's name.
        QString text = parser.helpText();
        text.replace(QStringLiteral("<executable_name>"), QCoreApplication::applicationName());
        std::fputs(qPrintable(text), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()), kVersion.data());
        return 0;
    }
    return std::nullopt;
}

namespace {

// A message with its context; the context's strings point into the code that logged, which
// stays loaded.
struct HeldMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

std::mutex heldMutex;
QList<HeldMessage> held;
QtMessageHandler previousHandler = nullptr;

void holdOrGiveUp(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        const std::lock_guard lock(heldMutex);
        held.append({type, context.file, context.line, context.function, context.category, text});
        return;
    }
    const std::string display = displayInWords();
    std::fprintf(stderr, "tessaly: no display could be opened (%s)\n", display.c_str());
    std::fflush(stderr);
    // Qt is half made: nothing of it may run on the way out.
    std::_Exit(1);
}

} // namespace

DisplayCheck::DisplayCheck() { previousHandler = qInstallMessageHandler(holdOrGiveUp); }

DisplayCheck::~DisplayCheck()
{
    qInstallMessageHandler(previousHandler);
    QList<HeldMessage> messages;
    {
        const std::lock_guard lock(heldMutex);
        messages.swap(held);
    }
    for (const auto& message : messages) {
        const QMessageLogContext context(message.file, message.line, message.function, message.category);
        qt_message_output(message.type, context, message.text);
    }
}

} // namespace tessaly
