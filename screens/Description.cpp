#include "Description.h"

#include "ScreenFlow.h"
#include "Shell.h"

#include <QPushButton>

namespace tessaly {

DescriptionScreen::DescriptionScreen(ScreenId id, Shell& shell) : ScreenWindow(id, shell)
{
    // Only the three blue-first screens print an image of themselves.
    const bool printable = id == ScreenId::bluered || id == ScreenId::bluegreen || id == ScreenId::blueyellow;
    if (printable)
        addStandardMenus({"mnufile", "File"}, {{"prtform", "Print"}});
    else
        addStandardMenus({"mnufile", "File"});

    auto* back = form().button(id == ScreenId::bluered ? "Command5" : "Command4", QStringLiteral("Back to Color Description"),
                               pixels(360, 336, 89, 33));
    connect(back, &QPushButton::clicked, this, [this] { this->shell().flow().navigate(this->id(), ScreenId::choice1); });
}

} // namespace tessaly
