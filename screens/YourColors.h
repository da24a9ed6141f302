#pragma once

#include "ScreenWindow.h"

#include <array>

class QLineEdit;

namespace tessaly {

class Moves;

// Your Colors: the person's name with their first and second colour.
class YourColorsScreen final : public ScreenWindow {
    Q_OBJECT

public:
    YourColorsScreen(Shell& shell, Moves& moves, Session& session, ScreenFlow& flow, const PrintParts& printing);

private:
    void showSession();

    Session& session_;
    QLineEdit* name_ = nullptr;
    std::array<QLineEdit*, 4> values_{};
    CircleShape* firstCircle_ = nullptr;
    CircleShape* secondCircle_ = nullptr;
};

} // namespace tessaly
