#include "Startup.h"

#include "Product.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <cstring>

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

bool wantsXWayland(std::string_view waylandDisplay, std::string_view x11Display, std::string_view chosenPlatform,
                   bool platformOnCommandLine)
{
    return !waylandDisplay.empty() && !x11Display.empty() && chosenPlatform.empty() && !platformOnCommandLine;
}

void preferXWayland(int argc, char* argv[])
{
    bool platformOnCommandLine = false;
    for (int i = 1; i < argc; ++i)
        platformOnCommandLine = platformOnCommandLine || std::strcmp(argv[i], "-platform") == 0;
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    const QByteArray x11 = qgetenv("DISPLAY");
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (wantsXWayland(wayland.toStdString(), x11.toStdString(), platform.toStdString(), platformOnCommandLine))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace tessaly
