#include "CupsPrintSystem.h"

namespace tessaly {

std::shared_ptr<PrintSystem> makePrintSystem() { return std::make_shared<CupsPrintSystem>(); }

} // namespace tessaly
