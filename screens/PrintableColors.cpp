#include "PrintableColors.h"

#include "Banner.h"
#include "Session.h"

#include <QLineEdit>

namespace tessaly {

PrintableColorsSheet::PrintableColorsSheet(Shell& shell, Session& session)
    : ScreenWindow(ScreenId::Printcolor, shell), session_(session)
{
    Form& f = form();
    const Banner banner = buildBanner(f,
                                      {.strip = {0, 0},
                                       .panel = {960, 120, 6615, 3015},
                                       .words = {360, 240},
                                       .firstCircle = {5520, 240},
                                       .secondCircle = {5520, 1560}});
    // On this sheet the white panel lies above the red strip where they meet.
    banner.panel->raise();
    // The name lies over the lower part of "TO UNDERSTAND".
    name_ = f.textField("Text2", {}, {360, 1320, 5055, 1335}, kBannerNameLook, banner.panel);
    name_->raise();
    firstCircle_ = banner.firstCircle;
    secondCircle_ = banner.secondCircle;
    addBannerFrame(f, {0, 0}, {7680, 3240});

    followSession(session_, [this] { showSession(); });
}

void PrintableColorsSheet::showSession()
{
    const auto& group = session_.printableColors();
    name_->setText(group.userName);
    firstCircle_->setFill(circleColor(group.firstCircle));
    secondCircle_->setFill(circleColor(group.secondCircle));
}

} // namespace tessaly
