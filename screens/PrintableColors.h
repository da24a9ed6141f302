#pragma once

#include "ScreenWindow.h"

class QLineEdit;

namespace tessaly {

// The Your Colors sheet: the banner with the name and the two circles, never shown, only
// printed.
class PrintableColorsSheet final : public ScreenWindow {
    Q_OBJECT

public:
    PrintableColorsSheet(Shell& shell, Session& session);

private:
    void showSession();

    Session& session_;
    QLineEdit* name_ = nullptr;
    CircleShape* firstCircle_ = nullptr;
    CircleShape* secondCircle_ = nullptr;
};

} // namespace tessaly
