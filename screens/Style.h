#pragma once

#include <QString>

class QApplication;

namespace tessaly {

// The screens were drawn for Times New Roman, Arial and MS Sans Serif; where a system lacks
// them, the metric-compatible Liberation faces stand in for them, and MS Sans Serif 8.25 pt is
// every control's default.
void applyHouseFonts(QApplication& app);

// The face to ask for where a screen names `family`: the stand-in when the system lacks it.
// Asking for the stand-in by name spares the font look-up a search that cannot succeed.
QString houseFamily(const QString& family);

} // namespace tessaly
