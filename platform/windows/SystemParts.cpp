#include "SystemParts.h"

#include "QtDialogs.h"
#include "WindowsPrintSystem.h"
#include "WindowsSystemInfo.h"
#include "WindowsWindowStacking.h"

namespace tessaly {

SystemParts makeSystemParts()
{
    return {std::make_unique<QtDialogs>(), std::make_unique<WindowsWindowStacking>(),
            std::make_unique<WindowsSystemInfoTool>(), std::make_shared<WindowsPrintSystem>()};
}

} // namespace tessaly
