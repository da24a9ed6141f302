#pragma once

#include <QString>

#include <vector>

namespace tessaly {

// A face the screens name, and the one this system draws in its place where it lacks it.
struct FontStandIn {
    QString face;
    QString standIn;
};

// The stand-ins of the system the program was built for.
std::vector<FontStandIn> fontStandIns();

} // namespace tessaly
