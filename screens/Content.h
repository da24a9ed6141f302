#pragma once

#include <QString>
#include <QStringList>

#include <string_view>

namespace tessaly {

// The lines of a compiled-in text file, without their line ends.
QStringList contentLines(std::string_view text);
// The first line of a compiled-in text file.
QString contentLine(std::string_view text);
// "Version 6.1", as the splash screen and the About box show it.
QString versionText();

} // namespace tessaly
