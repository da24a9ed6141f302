#include "StrengthCircleChart.h"

#include <charconv>
#include <cmath>

namespace tessaly {
namespace {

constexpr double kPi = 3.14159; // the chart's own pi, so that 2 pi is 6.28318
constexpr double kStart = -0.00001;

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

} // namespace

std::optional<float> chartValue(std::string_view text)
{
    text = trimmed(text);
    float value = 0.0F;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)
        || value < 0.0F)
        return std::nullopt;
    return value;
}

void StrengthCircleChart(const std::array<std::optional<float>, 4>& numbers, DrawSurface& surface)
{
    std::array<float, 4> values{};
    double total = 0.0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = numbers[i].value_or(0.0F);
        total += values[i];
    }
    if (total <= 0.0)
        return;

    double s = kStart;
    for (const auto color : kColors) {
        const float value = values[indexOf(color)];
        double e = s - 2.0 * (static_cast<double>(value) / total) * kPi;
        if (e < -2.0 * kPi)
            e = -2.0 * kPi;
        if (value > 0.0F)
            surface.FillSector(kChartCentreX, kChartCentreY, kChartRadius, static_cast<float>(std::abs(s)),
                               static_cast<float>(std::abs(e)), color);
        s = e;
    }
}

} // namespace tessaly
