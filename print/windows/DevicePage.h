#pragma once

#include <QPageLayout>

namespace tessaly {

// What a printer's device context says of its paper, in its own dots: the whole sheet, where
// the printable area begins on it and how large that area is, and the dots per inch.
struct DeviceCaps {
    int physicalWidth = 0;
    int physicalHeight = 0;
    int offsetX = 0;
    int offsetY = 0;
    int printableWidth = 0;
    int printableHeight = 0;
    int dpiX = 0;
    int dpiY = 0;
};

// The sheet with the edges the printer cannot print on as margins; invalid when the device
// gave no usable measures.
QPageLayout pageOfDevice(const DeviceCaps& caps);

} // namespace tessaly
