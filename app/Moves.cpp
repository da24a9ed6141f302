#include "Moves.h"

#include "Completeness.h"
#include "Dialogs.h"
#include "Expect.h"
#include "Messages.h"
#include "Product.h"
#include "Scoring.h"
#include "ScreenFlow.h"
#include "Session.h"
#include "StyleLibrary.h"

namespace tessaly {
namespace {

const QString kNotTakenQuestion = QStringLiteral("You can not go back to Your Colors because you have not taken the "
                                                 "test yet!  Do you want to take the Tessaly now?");
const QString kNamePrompt = QStringLiteral("Please enter your name");
const QString kNameMissing = QStringLiteral("Please Enter Your Name");
const QString kColorsUnknown =
    QStringLiteral("Your Colors are not known yet!  Please complete the Tessaly to discover them.");

} // namespace

Moves::Moves(Session& session, ScreenFlow& flow, Dialogs& dialogs) : session_(session), flow_(flow), dialogs_(dialogs)
{
}

void Moves::start()
{
    flow_.begin();
    flow_.show(ScreenId::frmSplash);
}

void Moves::leaveSplash()
{
    flow_.discard(ScreenId::frmSplash);
    flow_.hide(ScreenId::frmSplash); // a fresh splash screen waits for the next New
    flow_.show(ScreenId::step1);
}

void Moves::startQuestionnaire()
{
    QString name;
    while (name.isEmpty()) {
        name = dialogs_.inputText(flow_.existing(ScreenId::Intro), kNamePrompt, QString::fromUtf8(kCompanyTitle));
        // The program began to end while the box was open.
        if (flow_.ending())
            return;
        if (name.isEmpty())
            dialogs_.inform(flow_.existing(ScreenId::Intro), kNoticeBox, kNameMissing);
    }
    session_.setUserName(name);
    flow_.navigate(ScreenId::Intro, ScreenId::quiz);
}

void Moves::finishPart(QuizScreen screen)
{
    const ScreenId current = screenOf(screen);
    if (const auto missing = findMissingChoice(session_.answers(), screen)) {
        dialogs_.inform(flow_.existing(current), kMissedQuestionBox, missedQuestionMessage(*missing));
        return;
    }
    const ColorValues partRaw = scorePart(session_.answers(), screen);
    if (screen == QuizScreen::Quiz) {
        session_.publishPartOne(partRaw);
        flow_.navigate(ScreenId::quiz, ScreenId::quiz2);
        return;
    }
    const ColorValues& partOne =
        expect(session_.partTwo().partOneTotals, "Part II is reached only through a completed Part I");
    session_.publishScores(scoreResults(partOne, partRaw));
    flow_.navigate(ScreenId::quiz2, ScreenId::Graph1);
}

void Moves::discoverYourColors()
{
    const auto& values = session_.yourColors().values;
    if (!values) {
        dialogs_.inform(flow_.existing(ScreenId::Yourcolor1), kNoticeBox, kColorsUnknown);
        return;
    }
    const auto choice = chooseColors(*values);
    const StyleDescription* style = StyleLibrary::byColors(choice.first, choice.second);
    // Both colours the same (Red and Red) has no description of its own.
    const ScreenId target = expect(screenNamed(style ? style->screen : "redyellow"),
                                   "every description in the library has a screen in the catalogue");
    flow_.navigate(ScreenId::Yourcolor1, target);
}

void Moves::backToYourColors()
{
    if (session_.testTaken()) {
        flow_.navigate(ScreenId::choice1, ScreenId::Yourcolor1);
        return;
    }
    if (dialogs_.ask(flow_.existing(ScreenId::choice1), kNotTakenQuestion))
        flow_.navigate(ScreenId::choice1, ScreenId::Intro);
}

} // namespace tessaly
