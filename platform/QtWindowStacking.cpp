#include "QtWindowStacking.h"

#include <QWidget>

namespace tessaly {

void QtWindowStacking::keepOnTop(QWidget& window)
{
    // The screens carry the stay-on-top hint from their creation: setting it on a shown
    // window would re-create the window. Here it is only re-asserted and raised.
    if (!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (!window.isVisible())
        window.show();
    window.raise();
    raiseOwnBoxes(window);
}

} // namespace tessaly
