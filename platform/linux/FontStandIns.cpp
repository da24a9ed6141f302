#include "FontStandIns.h"

namespace tessaly {

// The metric-compatible Liberation faces, which Debian and most other systems install.
std::vector<FontStandIn> fontStandIns()
{
    return {
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")},
    };
}

} // namespace tessaly
