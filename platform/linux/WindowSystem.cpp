#include "WindowSystem.h"

#include "DisplayNames.h"

#include <QByteArray>

#include <cstring>

namespace tessaly {

bool wantsXWayland(std::string_view waylandDisplay, std::string_view x11Display, std::string_view chosenPlatform,
                   bool platformOnCommandLine)
{
    return !waylandDisplay.empty() && !x11Display.empty() && chosenPlatform.empty() && !platformOnCommandLine;
}

void chooseWindowSystem(int argc, char* argv[])
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

std::string displayInWords(std::string_view platform, std::string_view waylandDisplay, std::string_view x11Display)
{
    // Built by appending: GCC 12 warns wrongly about a literal added to a temporary string.
    const auto named = [](std::string_view kind, std::string_view variable, std::string_view name) {
        std::string words(kind);
        if (name.empty())
            words.append(" (").append(variable).append(" is not set)");
        else
            words.append(" \"").append(name).append("\"");
        return words;
    };
    if (platform.starts_with("wayland"))
        return named("Wayland display", "WAYLAND_DISPLAY", waylandDisplay);
    if (platform.empty() || platform.starts_with("xcb"))
        return named("X11 display", "DISPLAY", x11Display);
    return named("display of the platform", "QT_QPA_PLATFORM", platform);
}

std::string displayInWords()
{
    return displayInWords(qgetenv("QT_QPA_PLATFORM").toStdString(), qgetenv("WAYLAND_DISPLAY").toStdString(),
                          qgetenv("DISPLAY").toStdString());
}

} // namespace tessaly
