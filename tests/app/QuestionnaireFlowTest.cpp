#include "Harness.h"
#include "Messages.h"

#include <QLineEdit>

using namespace tessaly;
using namespace tessaly::testing;
using enum ScreenId;

namespace {

const QString kPrompt = "Please enter your name";
const QString kMissed = "You have missed a question!  Please decide in Blocknumber %1 which word %2 describes you!";

class Questionnaire : public Harness {
protected:
    // The texts of four fields of a screen, from field Text`first` on.
    QStringList fieldTexts(ScreenId id, int first)
    {
        QStringList texts;
        for (int i = first; i < first + 4; ++i)
            texts << screen(id)->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(i))->text();
        return texts;
    }
};

} // namespace

TEST_F(Questionnaire, TheNameIsAskedForUntilOneIsGivenAndTakenAsTyped)
{
    arriveAt(Intro);
    dialogs.expectInput(kPrompt, "Corvane Tessaly", ""); // Cancel
    dialogs.expectMessage(kNoticeBox, "Please Enter Your Name");
    dialogs.expectInput(kPrompt, "Corvane Tessaly", "");
    dialogs.expectMessage(kNoticeBox, "Please Enter Your Name");
    dialogs.expectInput(kPrompt, "Corvane Tessaly", " ");
    click(Intro, "Command1");
    EXPECT_EQ(visibleScreens(), std::set<ScreenId>{quiz});
    EXPECT_EQ(session.yourColors().userName, " ");
    EXPECT_EQ(session.printableColors().userName, " ");
}

TEST_F(Questionnaire, AScriptThatRunsOutStopsTheNameLoopAtOnce)
{
    arriveAt(Intro);
    // Cancel once, then nothing more in the script: the loop would ask again for ever.
    EXPECT_DEATH(
        {
            dialogs.expectInput(kPrompt, "Corvane Tessaly", "");
            click(Intro, "Command1");
        },
        "Unexpected box 2 after the script ran out: Please Enter Your Name\nBoxes shown before it:\n  input: ");
}

TEST_F(Questionnaire, NamesOfAnyLengthAndScriptAreKept)
{
    // Long, of any script, right to left, with emoji, control characters or a NUL: shown and
    // kept exactly as given, on Your Colors and on the sheet that prints it.
    const QString names[] = {
        QString(100000, QChar(u'ß')),  QStringLiteral("Zoë Ōtani 山田 太郎"),
        QStringLiteral(" "),           QStringLiteral("  A  "),
        QStringLiteral("שרה כהן"),     QStringLiteral("Ann 🎨🙂"),
        QStringLiteral("a\tb\u0007c"), QStringLiteral("Ann") + QChar(u'\0') + QStringLiteral("Lee")};
    for (const auto& name : names) {
        arriveAt(Intro);
        dialogs.expectInput(kPrompt, "Corvane Tessaly", name);
        click(Intro, "Command1");
        EXPECT_TRUE(session.yourColors().userName == name) << name.size();
        EXPECT_TRUE(screen(Yourcolor1)->findChild<QLineEdit*>("Text1")->text() == name) << name.size();
        EXPECT_TRUE(screen(Printcolor)->findChild<QLineEdit*>("Text2")->text() == name) << name.size();
    }
}

TEST_F(Questionnaire, AMissingMarkStopsThePressAndChangesNothing)
{
    arriveAt(quiz);
    dialogs.expectMessage(kMissedQuestionBox, kMissed.arg("1", "Most"));
    click(quiz, "Command74");
    EXPECT_EQ(visibleScreens(), std::set<ScreenId>{quiz});
    EXPECT_EQ(session.partTwo().partOneTotals, std::nullopt);

    markEveryBox();
    session.selectMark(MarkColumn::Most, 28, 4); // takes box 28's Least away
    arriveAt(quiz2);
    for (int i = 0; i < 2; ++i)
        dialogs.expectMessage(kMissedQuestionBox, kMissed.arg("28", "Least"));
    click(quiz2, "Command74");
    click(quiz2, "Command74");
    EXPECT_EQ(visibleScreens(), std::set<ScreenId>{quiz2});
    EXPECT_EQ(session.strengthCircle().values, StrengthValues{});
    EXPECT_EQ(dialogs.lastParent(), screen(quiz2));
}

TEST_F(Questionnaire, TheWorkedExampleIsPublishedIntoEveryResultField)
{
    // Until scored, the hidden fields show the captions they were made with.
    EXPECT_EQ(fieldTexts(quiz2, 1), (QStringList{"Text1", "Text2", "Text3", "Text4"}));
    EXPECT_EQ(fieldTexts(Graph1, 5), (QStringList{"", "", "", ""}));
    EXPECT_EQ(fieldTexts(Yourcolor1, 2), (QStringList{"Text2", "Text3", "Text4", "Text5"}));

    markEveryBox();
    arriveAt(quiz);
    click(quiz, "Command74");
    EXPECT_EQ(visibleScreens(), std::set<ScreenId>{quiz2});
    EXPECT_EQ(session.partTwo().partOneTotals, (ColorValues{-2, 6, -4, 1}));
    EXPECT_EQ(fieldTexts(quiz2, 1), (QStringList{"-2", "6", "-4", "1"}));

    click(quiz2, "Command74");
    EXPECT_EQ(visibleScreens(), std::set<ScreenId>{Graph1});
    EXPECT_EQ(session.strengthCircle().rawTotals, (ColorValues{-1, 10, -7, -1}));
    EXPECT_EQ(fieldTexts(Graph1, 5), (QStringList{"-1", "10", "-7", "-1"}));
    EXPECT_EQ(session.strengthCircle().values,
              (StrengthValues{StrengthValue(20), StrengthValue(27), StrengthValue(3), StrengthValue(16)}));
    EXPECT_EQ(fieldTexts(Graph1, 1), (QStringList{"20", "27", "3", "16"}));
    EXPECT_EQ(session.yourColors().values, (ColorValues{20, 27, 3, 16}));
    EXPECT_EQ(fieldTexts(Yourcolor1, 2), (QStringList{"20", "27", "3", "16"}));
    EXPECT_EQ(session.yourColors().firstCircle, Color::Yellow);
    EXPECT_EQ(session.yourColors().secondCircle, Color::Red);
    EXPECT_EQ(session.printableColors().firstCircle, Color::Yellow);
    EXPECT_EQ(session.printableColors().secondCircle, Color::Red);
}

TEST_F(Questionnaire, PartTwoTakesPartOneAsTheLastPressLeftIt)
{
    markEveryBox();
    arriveAt(quiz);
    click(quiz, "Command74");
    // Back to Part I, change a mark, but go on from Part II without pressing Part I again.
    click(quiz2, "Command73");
    session.selectMark(MarkColumn::Most, 7, 2); // inspiring instead of daring
    flow.navigate(quiz, quiz2);
    click(quiz2, "Command74");
    EXPECT_EQ(session.strengthCircle().rawTotals, (ColorValues{-1, 10, -7, -1}));

    // Pressing Part I again recomputes it.
    arriveAt(quiz);
    click(quiz, "Command74");
    EXPECT_EQ(session.partTwo().partOneTotals, (ColorValues{-3, 7, -4, 1}));
}

TEST_F(Questionnaire, DiscoverOpensTheDescriptionOfTheTwoColours)
{
    struct Case {
        ColorValues values;
        ScreenId expected;
    };
    const Case cases[] = {
        {{20, 12, 8, 5}, redyellow}, {{5, 9, 20, 9}, bluered},
        {{10, 10, 5, 3}, greenred},  {{20, 7, 7, 3}, redyellow}, // red twice has no screen of its own
        {{15, 10, 5, 20}, greenred}, {{20, 27, 3, 16}, yellowred},
    };
    for (const auto& c : cases) {
        ColorScores scores{};
        scores.value = c.values;
        session.publishScores(scores);
        arriveAt(Yourcolor1);
        click(Yourcolor1, "Command3");
        click(Yourcolor1, "Command3"); // a second press from the hidden screen changes nothing
        EXPECT_EQ(visibleScreens(), std::set<ScreenId>{c.expected}) << c.values[0];
    }
}

TEST_F(Questionnaire, DiscoverBeforeTheScoringSaysSoAndStays)
{
    arriveAt(Yourcolor1);
    dialogs.expectMessage(kNoticeBox, "Your Colors are not known yet!  Please complete the Tessaly to discover them.");
    click(Yourcolor1, "Command3");
    EXPECT_EQ(visibleScreens(), std::set<ScreenId>{Yourcolor1});
}
