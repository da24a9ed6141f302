#include "YourColors.h"

#include "ScreenFlow.h"
#include "Shell.h"

#include <QPushButton>

namespace tessaly {

YourColorsScreen::YourColorsScreen(Shell& shell) : ScreenWindow(ScreenId::Yourcolor1, shell)
{
    addStandardMenus({"mnuedit", "Edit"});
    auto* back = form().button("Command1", QStringLiteral("Back to Strength Circle"), {8400, 600, 1575, 735});
    auto* discover = form().button("Command3", QStringLiteral("Discover Your Colors"), {8400, 1560, 1575, 735});
    auto* others = form().button("Command4", QStringLiteral("Learn More About Others"), {8400, 2520, 1575, 735});
    auto* exit = form().button("Command2", QStringLiteral("Exit"), {1080, 3840, 1335, 615});
    setTabOrder(back, discover); // "Back to Strength Circle" comes first
    setTabOrder(discover, others);
    setTabOrder(others, exit);

    connect(back, &QPushButton::clicked, this, [this] { this->shell().flow().navigate(ScreenId::Yourcolor1, ScreenId::Graph1); });
    connect(discover, &QPushButton::clicked, this, [this] { this->shell().discoverYourColors(); });
    connect(others, &QPushButton::clicked, this, [this] { this->shell().flow().navigate(ScreenId::Yourcolor1, ScreenId::choice1); });
    connect(exit, &QPushButton::clicked, this, [this] { this->shell().exitProgram(ScreenId::Yourcolor1); });
}

} // namespace tessaly
