#include "Quiz.h"

#include "ScreenFlow.h"
#include "Shell.h"

#include <QPushButton>

namespace tessaly {

QuizPage::QuizPage(QuizScreen part, Shell& shell)
    : ScreenWindow(part == QuizScreen::Quiz ? ScreenId::quiz : ScreenId::quiz2, shell)
{
    addStandardMenus({"mnuedit", "Edit"}, {{"mnuprint", "Print"}});

    const bool partOne = part == QuizScreen::Quiz;
    auto* back = form().button("Command73", partOne ? QStringLiteral("Back to Instructions") : QStringLiteral("Back to Part I"),
                               {8640, 6360, 1215, 615});
    auto* next = form().button("Command74", partOne ? QStringLiteral("Next to Part II") : QStringLiteral("Next to Strength Circle"),
                               {8640, 7200, 1215, 615});
    const ScreenId backTo = partOne ? ScreenId::Intro : ScreenId::quiz;
    connect(back, &QPushButton::clicked, this, [this, backTo] { this->shell().flow().navigate(id(), backTo); });
    connect(next, &QPushButton::clicked, this, [this, part] { this->shell().finishPart(part); });
}

} // namespace tessaly
