#include "QueuePaper.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tessaly {
namespace {

constexpr double kHundredthsPerInch = 2540.0;
constexpr double kHundredthsPerPoint = kHundredthsPerInch / 72.0;
// Two descriptions of one paper differ by their rounding: a driver's A4 in whole points is
// 209.9 x 297.04 mm.
constexpr int kSameSize = 100;

int hundredths(double value, double perUnit) { return static_cast<int>(std::lround(value * perUnit)); }

std::string lower(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
    return result;
}

std::optional<double> number(std::string_view text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !(value > 0))
        return std::nullopt;
    return value;
}

std::optional<Paper> sized(double width, double length, double perUnit)
{
    Paper paper;
    paper.width = hundredths(width, perUnit);
    paper.length = hundredths(length, perUnit);
    if (paper.width <= 0 || paper.length <= 0)
        return std::nullopt;
    return paper;
}

// "210x297mm", "8.5x11in", and with `points` a bare "595x842" too.
std::optional<Paper> dimensions(std::string_view text, bool points)
{
    double perUnit = kHundredthsPerPoint;
    if (text.ends_with("mm"))
        perUnit = 100.0;
    else if (text.ends_with("cm"))
        perUnit = 1000.0;
    else if (text.ends_with("in"))
        perUnit = kHundredthsPerInch;
    else if (text.ends_with("pt"))
        perUnit = kHundredthsPerPoint;
    else if (!points)
        return std::nullopt;
    if (perUnit != kHundredthsPerPoint || text.ends_with("pt"))
        text.remove_suffix(2);
    const auto by = text.find('x');
    if (by == std::string_view::npos)
        return std::nullopt;
    const auto width = number(text.substr(0, by));
    const auto length = number(text.substr(by + 1));
    if (!width || !length)
        return std::nullopt;
    return sized(*width, *length, perUnit);
}

struct Named {
    std::string_view names; // blank-separated, in lower case
    int width;
    int length;
};

// The older names in use beside the standard ones: a driver's and the print system's earlier.
constexpr std::array kOlderNames{
    Named{"a3 iso-a3", 29700, 42000},
    Named{"a4 iso-a4 a4small", 21000, 29700},
    Named{"a5 iso-a5", 14800, 21000},
    Named{"a6 iso-a6", 10500, 14800},
    Named{"b4 jis-b4", 25700, 36400},
    Named{"b5 jis-b5", 18200, 25700},
    Named{"iso-b4", 25000, 35300},
    Named{"iso-b5", 17600, 25000},
    Named{"letter na-letter lettersmall ansia", 21590, 27940},
    Named{"legal na-legal", 21590, 35560},
    Named{"executive", 18415, 26670},
    Named{"statement", 13970, 21590},
    Named{"tabloid", 27940, 43180},
    Named{"ledger", 43180, 27940},
};

std::optional<Paper> olderName(std::string_view name)
{
    const std::string wanted = lower(name);
    for (const Named& named : kOlderNames) {
        std::string_view rest = named.names;
        while (!rest.empty()) {
            const auto blank = std::min(rest.find(' '), rest.size());
            if (rest.substr(0, blank) == wanted)
                return Paper::ofSize(named.width, named.length);
            rest.remove_prefix(std::min(blank + 1, rest.size()));
        }
    }
    return std::nullopt;
}

bool sameSize(const Paper& a, const Paper& b)
{
    return std::abs(a.width - b.width) <= kSameSize && std::abs(a.length - b.length) <= kSameSize;
}

// The paper of `size` by `name`, with the margins the queue gives that size, the widest where
// it gives several (a borderless variant beside the ordinary one).
Paper withMargins(Paper size, std::string name, const QueueFacts& facts)
{
    size.name = std::move(name);
    auto take = [&size](const Paper& known) {
        size.left = std::max(known.marginsKnown ? known.left : 0, size.marginsKnown ? size.left : 0);
        size.bottom = std::max(known.marginsKnown ? known.bottom : 0, size.marginsKnown ? size.bottom : 0);
        size.right = std::max(known.marginsKnown ? known.right : 0, size.marginsKnown ? size.right : 0);
        size.top = std::max(known.marginsKnown ? known.top : 0, size.marginsKnown ? size.top : 0);
        size.marginsKnown = size.marginsKnown || known.marginsKnown;
    };
    for (const Paper& offered : facts.supported) {
        if (sameSize(offered, size))
            take(offered);
    }
    if (!size.marginsKnown && facts.collectionDefault && sameSize(*facts.collectionDefault, size))
        take(*facts.collectionDefault);
    return size;
}

// A name the queue knows for a size it gave without one: its own, or one that says the size.
std::string nameFor(const Paper& paper, const QueueFacts& facts)
{
    for (const Paper& offered : facts.supported) {
        if (sameSize(offered, paper) && !offered.name.empty())
            return offered.name;
    }
    auto millimetres = [](int value) {
        std::array<char, 32> text{};
        const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value / 100.0);
        return error == std::errc() ? std::string(text.data(), end) : std::string();
    };
    return "custom_" + millimetres(paper.width) + "x" + millimetres(paper.length) + "mm";
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// The value of a PPD line "*Keyword Option/Text: value" for `option`, its quotes removed.
std::optional<std::string_view> ppdValue(std::string_view ppd, std::string_view keyword, std::string_view option)
{
    std::string_view rest = ppd;
    while (!rest.empty()) {
        const auto end = std::min(rest.find('\n'), rest.size());
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (!line.starts_with('*') || !line.substr(1).starts_with(keyword))
            continue;
        line.remove_prefix(1 + keyword.size());
        const auto colon = line.find(':');
        if (colon == std::string_view::npos)
            continue;
        std::string_view key = trimmed(line.substr(0, colon));
        key = key.substr(0, std::min(key.find('/'), key.size()));
        if (key != option)
            continue;
        std::string_view value = trimmed(line.substr(colon + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        return value;
    }
    return std::nullopt;
}

// Blank-separated numbers, as a PPD writes sizes and areas.
std::vector<double> numbers(std::string_view text)
{
    std::vector<double> values;
    while (!(text = trimmed(text)).empty()) {
        const auto blank = std::min(text.find_first_of(" \t"), text.size());
        double value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + blank, value);
        if (error != std::errc() || end != text.data() + blank)
            return {};
        values.push_back(value);
        text.remove_prefix(blank);
    }
    return values;
}

} // namespace

std::optional<Paper> paperNamed(std::string_view name)
{
    // A driver's own size: "Custom.WIDTHxLENGTH", in points unless the unit is named.
    if (lower(name.substr(0, 7)) == "custom.")
        return dimensions(name.substr(7), true);
    // A standard name ends in its size, "class_name_WIDTHxLENGTHunit", and the print system may
    // add a variant after it ("_borderless").
    std::optional<Paper> found;
    std::string_view rest = name;
    for (auto underscore = rest.find('_'); underscore != std::string_view::npos; underscore = rest.find('_')) {
        rest.remove_prefix(underscore + 1);
        if (auto size = dimensions(rest.substr(0, std::min(rest.find('_'), rest.size())), false))
            found = size;
    }
    if (found)
        return found;
    // A driver's size for printing to the edge ("A4.Fullbleed") is still that size.
    return olderName(name.substr(0, std::min(name.find('.'), name.size())));
}

std::optional<Paper> ppdDefaultPaper(std::string_view ppd)
{
    const auto name = ppdValue(ppd, "DefaultPageSize", "");
    if (!name || name->empty())
        return std::nullopt;
    std::optional<Paper> paper;
    const auto dimension = ppdValue(ppd, "PaperDimension ", *name);
    if (const auto values = dimension ? numbers(*dimension) : std::vector<double>(); values.size() == 2)
        paper = sized(values[0], values[1], kHundredthsPerPoint);
    else
        paper = paperNamed(*name);
    if (!paper)
        return std::nullopt;
    paper->name = std::string(*name);
    // The area is given as its lower-left and upper-right corners, from the paper's lower left.
    const auto area = ppdValue(ppd, "ImageableArea ", *name);
    if (const auto values = area ? numbers(*area) : std::vector<double>(); values.size() == 4) {
        paper->left = std::max(0, hundredths(values[0], kHundredthsPerPoint));
        paper->bottom = std::max(0, hundredths(values[1], kHundredthsPerPoint));
        paper->right = std::max(0, paper->width - hundredths(values[2], kHundredthsPerPoint));
        paper->top = std::max(0, paper->length - hundredths(values[3], kHundredthsPerPoint));
        paper->marginsKnown = true;
    }
    return paper;
}

std::optional<Paper> queuePaper(const QueueFacts& facts,
                                const std::function<std::optional<Paper>(std::string_view)>& sized)
{
    // A name that says no size the program knows tells nothing: the next source may. A choice
    // may name the paper among other media ("Letter,Tray2"); it is asked for as it was made.
    for (const std::string& name : {facts.chosen, facts.mediaDefault}) {
        for (std::string_view rest = name; !rest.empty();) {
            const auto comma = std::min(rest.find(','), rest.size());
            if (const auto size = sized(rest.substr(0, comma)))
                return withMargins(*size, name, facts);
            rest.remove_prefix(std::min(comma + 1, rest.size()));
        }
    }
    if (facts.collectionDefault && facts.collectionDefault->width > 0 && facts.collectionDefault->length > 0) {
        Paper paper = *facts.collectionDefault;
        paper.name = nameFor(paper, facts);
        return paper;
    }
    if (facts.ppdDefault) {
        if (auto paper = facts.ppdDefault())
            return paper;
    }
    return std::nullopt;
}

} // namespace tessaly
