#pragma once

#include "Dialogs.h"
#include "SystemInfo.h"
#include "WindowStacking.h"

#include <memory>

namespace tessaly {

// The seams to the operating system, made for the one the program was built for: linux/ and
// windows/ each make their own.
struct SystemParts {
    std::unique_ptr<Dialogs> dialogs;
    std::unique_ptr<WindowStacking> stacking;
    std::unique_ptr<SystemInfoTool> systemInfo;
};

// Needs the QApplication.
SystemParts makeSystemParts();

} // namespace tessaly
