#pragma once

#include "ScreenWindow.h"

#include <array>

class QLineEdit;

namespace tessaly {

class ChartBox;

// The Strength Circle: the four colour values in editable boxes and their pie chart, drawn
// whenever the mouse moves over the chart box.
class StrengthCircleScreen final : public ScreenWindow {
    Q_OBJECT

public:
    StrengthCircleScreen(Shell& shell, Session& session, ScreenFlow& flow, const PrintParts& printing);

    void Picture1_MouseMove();
    void Print_Click();

private:
    void showValues();

    Session& session_;
    const PrintParts printing_;
    std::array<QLineEdit*, 4> values_{};
    std::array<QLineEdit*, 4> rawTotals_{};
    ChartBox* chart_ = nullptr;
};

} // namespace tessaly
