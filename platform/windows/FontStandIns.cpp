#include "FontStandIns.h"

namespace tessaly {

// Windows has the faces the screens name; the old bitmap face may be served by its successor.
std::vector<FontStandIn> fontStandIns()
{
    return {{QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif")}};
}

} // namespace tessaly
