#include "Program.h"

#include "Screens.h"

namespace tessaly {

Program::Program(const Seams& seams, std::function<void()> end)
    : printing(seams.printSystem, seams.dialogs, Printing::kSilence, Printing::kGraceAtEnd, seams.endNow),
      flow(seams.stacking, std::move(end)), shell(session, flow, seams.dialogs, seams.systemInfo, printing)
{
    flow.setFactory([this](ScreenId id) { return createScreen(id, shell); });
    printing.setFront([this] { return flow.front(); });
}

} // namespace tessaly
