#include "SystemParts.h"

#include "PathSystemInfoTool.h"
#include "QtDialogs.h"
#include "QtWindowStacking.h"

#include <QSettings>

namespace tessaly {

SystemParts makeSystemParts()
{
    // The save box keeps its history and folders in Qt's own settings file, which the person
    // never chose to have. Pointed below a file, the settings can be neither read nor written:
    // the box keeps what it knows in memory for this run only.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null/tessaly"));
    return {std::make_unique<QtDialogs>(), std::make_unique<QtWindowStacking>(),
            std::make_unique<PathSystemInfoTool>()};
}

} // namespace tessaly
