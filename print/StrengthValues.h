#pragma once

#include "StrengthCircleChart.h"

#include <QString>

#include <array>
#include <optional>

namespace tessaly {

// What one of the coloured value boxes holds: its text, exactly as the scoring or the person
// left it, and the number the text stands for, read once as it entered the box.
class StrengthValue {
public:
    // An empty box.
    StrengthValue() = default;
    // The value the scoring gave.
    explicit StrengthValue(int score) : text_(QString::number(score)), number_(static_cast<float>(score)) {}
    // What the person left in the box.
    static StrengthValue typed(const QString& text)
    {
        StrengthValue value;
        value.text_ = text;
        value.number_ = chartValue(text.toStdString());
        return value;
    }

    const QString& text() const { return text_; }
    // None where the text is not a number the chart can draw.
    std::optional<float> number() const { return number_; }

    friend bool operator==(const StrengthValue&, const StrengthValue&) = default;

private:
    QString text_;
    std::optional<float> number_;
};

// The four values, one per colour in Color order.
using StrengthValues = std::array<StrengthValue, 4>;

} // namespace tessaly
