#pragma once

#include "WordBank.h"

#include <QSize>
#include <QString>

#include <optional>
#include <span>
#include <string_view>

namespace tessaly {

// Every window of the program. The names are the ones users and tests know them by.
// clang-format off
enum class ScreenId {
    frmSplash,
    step1, step2, step3, step4, step5, Step6, step7, step8, step9,
    Intro, quiz, quiz2, Graph1, Yourcolor1, choice1,
    redyellow, redgreen, redblue, bluered, bluegreen, blueyellow,
    yellowred, yellowblue, yellowgreen, greenred, greenblue, greenyellow,
    frmAbout, Printcolor, manquiz, mangraph, Icon,
};
// clang-format on

enum class FrameKind {
    Sizable,
    Fixed, // fixed single border with a title bar
    NoTitle, // fixed border, no title bar, no window buttons
    FixedDialog, // fixed dialog frame
};

enum class Placement {
    Centred,
    FixedQuiz, // client area at 2145, 1770 layout units from the screen's top-left
    SystemDefault, // wherever the window system puts it
};

struct ScreenInfo {
    ScreenId id;
    std::string_view name;
    std::string_view title;
    int clientWidth; // layout units of 1/1440 inch
    int clientHeight;
    FrameKind frame;
    Placement placement;
    bool working; // a screen the user works with: menu bar, kept on top
};

const ScreenInfo& screenInfo(ScreenId id);
constexpr ScreenId screenOf(QuizScreen part) { return part == QuizScreen::Quiz ? ScreenId::quiz : ScreenId::quiz2; }
std::span<const ScreenInfo> allScreens();
std::optional<ScreenId> screenNamed(std::string_view name);

// Layout units to device-independent pixels: 15 units to the pixel at 96 dpi.
constexpr int unitsToPixels(int units) { return units >= 0 ? (units + 7) / 15 : -((7 - units) / 15); }
QSize clientSize(ScreenId id);

inline QString titleOf(ScreenId id) { return QString::fromUtf8(screenInfo(id).title); }

} // namespace tessaly
