#include "DisplayLoss.h"

#include <QString>
#include <QtGlobal>

namespace tessaly {
namespace {

std::function<void()> whenLost;
QtMessageHandler previousHandler = nullptr;

// Qt's X11 platform says so, then ends the program at once with exit(1): static objects are
// destroyed while the printing workers may still be using them.
void watchForLoss(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (previousHandler)
        previousHandler(type, context, text);
    else
        qt_message_output(type, context, text);
    if (type == QtWarningMsg && whenLost && text.startsWith(QLatin1String("The X11 connection broke")))
        whenLost();
}

} // namespace

void onDisplayLost(std::function<void()> lost)
{
    whenLost = std::move(lost);
    const QtMessageHandler previous = qInstallMessageHandler(watchForLoss);
    if (previous != watchForLoss)
        previousHandler = previous;
}

} // namespace tessaly
