#include "Program.h"

#include "Screens.h"

namespace tessaly {

Program::Program(const Seams& seams, std::function<void()> end)
    : printing(seams.printSystem, seams.dialogs, Printing::kSilence, Printing::kGraceAtEnd, seams.endNow),
      flow(seams.stacking, std::move(end)), shell(session, flow, seams.dialogs), moves(session, flow, seams.dialogs)
{
    flow.setFactory([this, parts = ScreenParts{shell, moves, session, flow, seams.dialogs, printing, seams.systemInfo}](
                        ScreenId id) { return createScreen(id, parts); });
    printing.setFront([this] { return flow.front(); });
}

} // namespace tessaly
