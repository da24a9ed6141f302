#include "Intro.h"

#include "ScreenFlow.h"
#include "Shell.h"

#include <QGroupBox>
#include <QPushButton>

namespace tessaly {

IntroScreen::IntroScreen(Shell& shell) : ScreenWindow(ScreenId::Intro, shell)
{
    addStandardMenus({"mnufile", "File"}, {{"prtform", "Print Form"}});

    QGroupBox* frame1 = form().frame("Frame1", QStringLiteral("Color Combinations"), {240, 3720, 2655, 2415});
    auto* colors = form().button("Command2", QStringLiteral("The Colors"), {720, 1680, 1215, 495}, frame1);
    auto* start = form().button("Command1", QStringLiteral("START the Tessaly"), {7560, 5640, 1815, 855});
    auto* back = form().button("Command3", QStringLiteral("Back"), {1200, 6360, 615, 495});

    connect(start, &QPushButton::clicked, this, [this] { this->shell().startQuestionnaire(); });
    connect(colors, &QPushButton::clicked, this, [this] { this->shell().flow().navigate(ScreenId::Intro, ScreenId::choice1); });
    connect(back, &QPushButton::clicked, this, [this] { this->shell().flow().navigate(ScreenId::Intro, ScreenId::step1); });
}

} // namespace tessaly
