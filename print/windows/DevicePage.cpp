#include "DevicePage.h"

#include <QPageSize>
#include <QSizeF>

#include <algorithm>

namespace tessaly {

QPageLayout pageOfDevice(const DeviceCaps& caps)
{
    if (caps.dpiX <= 0 || caps.dpiY <= 0 || caps.printableWidth <= 0 || caps.printableHeight <= 0
        || caps.physicalWidth < caps.printableWidth || caps.physicalHeight < caps.printableHeight)
        return {};
    auto inchesX = [&caps](int dots) { return std::max(dots, 0) / static_cast<double>(caps.dpiX); };
    auto inchesY = [&caps](int dots) { return std::max(dots, 0) / static_cast<double>(caps.dpiY); };
    // A paper a standard one within the rounding to whole dots is that standard paper.
    const QPageSize paper(QSizeF(inchesX(caps.physicalWidth), inchesY(caps.physicalHeight)), QPageSize::Inch, {},
                          QPageSize::FuzzyMatch);
    const QMarginsF margins(inchesX(caps.offsetX), inchesY(caps.offsetY),
                            inchesX(caps.physicalWidth - caps.offsetX - caps.printableWidth),
                            inchesY(caps.physicalHeight - caps.offsetY - caps.printableHeight));
    return QPageLayout(paper, QPageLayout::Portrait, margins, QPageLayout::Inch);
}

} // namespace tessaly
