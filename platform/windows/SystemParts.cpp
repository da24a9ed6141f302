#include "SystemParts.h"

#include "QtDialogs.h"
#include "WindowsSystemInfo.h"
#include "WindowsWindowStacking.h"

namespace tessaly {

SystemParts makeSystemParts()
{
    return {std::make_unique<QtDialogs>(), std::make_unique<WindowsWindowStacking>(),
            std::make_unique<WindowsSystemInfoTool>()};
}

} // namespace tessaly
