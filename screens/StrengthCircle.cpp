#include "StrengthCircle.h"

#include "ScreenFlow.h"
#include "Shell.h"

#include <QPushButton>

namespace tessaly {

StrengthCircleScreen::StrengthCircleScreen(Shell& shell) : ScreenWindow(ScreenId::Graph1, shell)
{
    addStandardMenus({"mnufile", "File"}, {{"Print", "Print"}});
    auto* back = form().button("Command1", QStringLiteral("Back To the Tessaly"), {5160, 120, 1455, 615});
    auto* onward = form().button("Command2", QStringLiteral("START to Understand Me"), {5160, 960, 1455, 615});
    connect(back, &QPushButton::clicked, this, [this] { this->shell().flow().navigate(ScreenId::Graph1, ScreenId::quiz); });
    connect(onward, &QPushButton::clicked, this, [this] { this->shell().flow().navigate(ScreenId::Graph1, ScreenId::Yourcolor1); });
}

} // namespace tessaly
