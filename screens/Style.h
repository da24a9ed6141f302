#pragma once

class QApplication;

namespace tessaly {

// The screens were drawn for Times New Roman, Arial and MS Sans Serif; the metric-compatible
// Liberation faces stand in for them, and MS Sans Serif 8.25 pt is every control's default.
void applyHouseFonts(QApplication& app);

} // namespace tessaly
