#include "ScreenId.h"

#include "Product.h"

#include <algorithm>
#include <array>

namespace tessaly {
namespace {

using enum ScreenId;
constexpr auto S = FrameKind::Sizable;
constexpr auto C = Placement::Centred;
constexpr std::string_view kTutorialTitle = "Corvane--Treat people as they NEED to be treated!";
constexpr std::string_view kTitle = kCompanyTitle;

constexpr ScreenInfo description(ScreenId id, std::string_view name)
{
    return {id, name, kTitle, 7110, 5955, S, C, true};
}

constexpr std::array<ScreenInfo, 33> kScreens{{
    {frmSplash, "frmSplash", "", 7575, 5355, FrameKind::NoTitle, C, false},
    {step1, "step1", kTutorialTitle, 8880, 7095, S, C, true},
    {step2, "step2", kTutorialTitle, 8880, 7095, S, C, true},
    {step3, "step3", kTutorialTitle, 8880, 7095, S, C, true},
    {step4, "step4", kTutorialTitle, 8880, 7095, S, C, true},
    {step5, "step5", kTutorialTitle, 8880, 7095, S, C, true},
    {Step6, "Step6", kTutorialTitle, 8880, 7095, S, C, true},
    {step7, "step7", kTutorialTitle, 8880, 7095, S, C, true},
    {step8, "step8", kTutorialTitle, 8880, 7095, S, C, true},
    {step9, "step9", kTutorialTitle, 8880, 7095, S, C, true},
    {Intro, "Intro", "Welcome to the Corvane Tessaly", 9765, 7095, S, C, true},
    {quiz, "quiz", kTitle, 10515, 7980, S, Placement::FixedQuiz, true},
    {quiz2, "quiz2", kTitle, 10515, 7980, S, C, true},
    {Graph1, "Graph1", "Corvane Tessaly -- Strength Circle", 7740, 6975, S, C, true},
    {Yourcolor1, "Yourcolor1", "Corvane Colors", 10215, 4635, S, C, true},
    {choice1, "choice1", kTitle, 7470, 5280, S, C, true},
    description(redyellow, "redyellow"),
    description(redgreen, "redgreen"),
    description(redblue, "redblue"),
    description(bluered, "bluered"),
    description(bluegreen, "bluegreen"),
    {blueyellow, "blueyellow", kTitle, 7140, 5985, FrameKind::Fixed, C, true},
    description(yellowred, "yellowred"),
    description(yellowblue, "yellowblue"),
    description(yellowgreen, "yellowgreen"),
    description(greenred, "greenred"),
    description(greenblue, "greenblue"),
    description(greenyellow, "greenyellow"),
    {frmAbout, "frmAbout", "About Corvane Tessaly", 5205, 3075, FrameKind::FixedDialog, Placement::SystemDefault,
     false},
    {Printcolor, "Printcolor", kTitle, 8580, 4830, S, C, false},
    {manquiz, "manquiz", "Manual Quiz", 9645, 7965, S, C, false},
    {mangraph, "mangraph", "mangraph", 4770, 7845, S, C, false},
    {Icon, "Icon", kTitle, 4680, 3195, S, C, false},
}};

constexpr bool catalogueInEnumOrder()
{
    for (std::size_t i = 0; i < kScreens.size(); ++i) {
        if (static_cast<std::size_t>(kScreens[i].id) != i)
            return false;
    }
    return true;
}
static_assert(catalogueInEnumOrder());

} // namespace

const ScreenInfo& screenInfo(ScreenId id) { return kScreens[static_cast<std::size_t>(id)]; }

std::span<const ScreenInfo> allScreens() { return kScreens; }

std::optional<ScreenId> screenNamed(std::string_view name)
{
    const auto it = std::ranges::find(kScreens, name, &ScreenInfo::name);
    if (it == kScreens.end())
        return std::nullopt;
    return it->id;
}

QSize clientSize(ScreenId id)
{
    const auto& info = screenInfo(id);
    return {unitsToPixels(info.clientWidth), unitsToPixels(info.clientHeight)};
}

} // namespace tessaly
