#pragma once

#include "ScreenWindow.h"

#include <array>

class QLineEdit;

namespace tessaly {

// Your Colors: the person's name with their first and second colour.
class YourColorsScreen final : public ScreenWindow {
    Q_OBJECT

public:
    explicit YourColorsScreen(Shell& shell);

private:
    void showSession();

    QLineEdit* name_ = nullptr;
    std::array<QLineEdit*, 4> values_{};
    CircleShape* firstCircle_ = nullptr;
    CircleShape* secondCircle_ = nullptr;
};

} // namespace tessaly
