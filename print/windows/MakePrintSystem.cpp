#include "WindowsPrintSystem.h"

namespace tessaly {

std::shared_ptr<PrintSystem> makePrintSystem() { return std::make_shared<WindowsPrintSystem>(); }

} // namespace tessaly
