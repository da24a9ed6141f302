#include "Tutorial.h"

#include "ScreenFlow.h"
#include "Shell.h"

#include <QPushButton>

#include <array>

namespace tessaly {
namespace {

struct PageButton {
    const char* name;
    const char* caption;
    Place at;
    ScreenId target;
};

struct PageButtons {
    ScreenId page;
    std::array<PageButton, 2> buttons;
};

using enum ScreenId;

constexpr Place kBack = pixels(472, 416, 49, 41);
constexpr Place kNext = pixels(528, 416, 49, 41);

constexpr std::array<PageButtons, 9> kPages{{
    {step1, {{{"Command2", "Jump to Tessaly", pixels(16, 416, 89, 41), Intro},
              {"Command1", "Next", pixels(480, 416, 65, 41), step2}}}},
    {step2, {{{"Command2", "Back", pixels(464, 416, 49, 41), step1},
              {"Command1", "Next", pixels(520, 416, 49, 41), step3}}}},
    {step3, {{{"Command2", "Back", kBack, step2}, {"Command1", "Next", kNext, step4}}}},
    {step4, {{{"Command2", "Back", pixels(456, 408, 49, 41), step3},
              {"Command1", "Next", pixels(512, 408, 49, 41), step5}}}},
    // Here "Back" stands above "Next", and the names are the other way round.
    {step5, {{{"Command1", "Back", pixels(544, 376, 41, 41), step4},
              {"Command2", "Next", pixels(544, 424, 41, 44), Step6}}}},
    {Step6, {{{"Command2", "Back", kBack, step5}, {"Command1", "Next", kNext, step7}}}},
    {step7, {{{"Command2", "Back", kBack, Step6}, {"Command1", "Next", kNext, step8}}}},
    {step8, {{{"Command2", "Back", kBack, step7}, {"Command1", "Next", kNext, step9}}}},
    {step9, {{{"Command2", "Back", kBack, step8}, {"Command1", "Next", kNext, Intro}}}},
}};

} // namespace

TutorialPage::TutorialPage(ScreenId id, Shell& shell) : ScreenWindow(id, shell)
{
    addStandardMenus({"editform", "Edit"}, {{"prtform", "Print Form"}}, "exitfrm");
    for (const auto& page : kPages) {
        if (page.page != id)
            continue;
        for (const auto& b : page.buttons) {
            auto* button = form().button(b.name, QString::fromLatin1(b.caption), b.at);
            connect(button, &QPushButton::clicked, this, [this, target = b.target] { this->shell().flow().navigate(this->id(), target); });
        }
    }
}

} // namespace tessaly
