#include "Form.h"
#include "Harness.h"
#include "Messages.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

using namespace tessaly;
using namespace tessaly::testing;
using enum ScreenId;

namespace {

class Tutorial : public Harness {
protected:
    QStringList labelTexts(ScreenId id, const char* name = nullptr)
    {
        auto labels = screen(id)->findChildren<QLabel*>(name ? arrayNamed(name) : QRegularExpression());
        std::sort(labels.begin(), labels.end(),
                  [](QLabel* a, QLabel* b) { return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x()); });
        QStringList texts;
        for (auto* l : labels)
            texts << l->text();
        return texts;
    }
    int circles(ScreenId id)
    {
        return static_cast<int>(screen(id)->findChildren<QWidget*>(arrayNamed("Shape1")).size());
    }
};

const QString kUnavailable = "System Information Is Unavailable At This Time";

} // namespace

TEST_F(Tutorial, FirstPageHasFourCirclesSevenTextsAndNoBack)
{
    EXPECT_EQ(circles(step1), 4);
    const QStringList texts = labelTexts(step1);
    ASSERT_EQ(texts.size(), 7);
    EXPECT_TRUE(texts[0].startsWith("Effective communication"));
    EXPECT_TRUE(texts[6].startsWith("4.  Knowing your colors"));
    QStringList buttons;
    for (auto* b : screen(step1)->findChildren<QPushButton*>())
        buttons << b->text();
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{"Jump to Tessaly", "Next"}));
    EXPECT_FALSE(screen(step1)->windowIcon().cacheKey() == QIcon().cacheKey());
}

TEST_F(Tutorial, CoreValuesStandAsInitialsWithTheirRest)
{
    const QStringList initials = labelTexts(step2, "Label2");
    const QStringList rests = labelTexts(step2, "Label3");
    ASSERT_EQ(initials.size(), 5);
    ASSERT_EQ(rests.size(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(initials[i].size(), 1);
        EXPECT_TRUE(initials[i][0].isUpper());
        EXPECT_FALSE(rests[i].isEmpty());
        // Initial and rest share the row's top: 48, 88, 128, 168, 208.
        const int top = 48 + 40 * i;
        EXPECT_EQ(screen(step2)->findChild<QLabel*>(member("Label2", i))->y(), top);
        EXPECT_EQ(screen(step2)->findChild<QLabel*>(member("Label3", i))->geometry(), QRect(64, top, 300, 33));
    }
    const QString paragraph = labelTexts(step2, "Label6").value(0);
    EXPECT_EQ(paragraph.size(), 216);
    EXPECT_TRUE(paragraph.startsWith("Corvane"));
    EXPECT_TRUE(paragraph.contains("greatest asset - PEOPLE."));
    EXPECT_EQ(labelTexts(step4, "Label3").value(0).size(), 636);
    EXPECT_EQ(labelTexts(step3, "Label3").value(0).size(), 176);
}

TEST_F(Tutorial, NeedIsSpeltInFourColouredUnderlinedLetters)
{
    auto letters = screen(step3)->findChildren<QLabel*>(arrayNamed("Label6"));
    std::sort(letters.begin(), letters.end(), [](QLabel* a, QLabel* b) { return a->x() < b->x(); });
    ASSERT_EQ(letters.size(), 4);
    const QColor colours[] = {QColor(255, 0, 0), QColor(255, 255, 0), QColor(0, 0, 255), QColor(0, 128, 0)};
    QString word;
    for (int i = 0; i < 4; ++i) {
        word += letters[i]->text();
        EXPECT_EQ(letters[i]->palette().color(QPalette::WindowText), colours[i]);
        EXPECT_TRUE(letters[i]->font().underline());
        EXPECT_TRUE(letters[i]->font().bold());
    }
    EXPECT_EQ(word, "NEED");
    EXPECT_TRUE(labelTexts(step4).contains("BLUE: THE RELATOR"));
    EXPECT_TRUE(labelTexts(step4).contains("RED:   THE DIRECTOR"));
}

TEST_F(Tutorial, TheDiagramPageHasBackAboveNext)
{
    auto* back = screen(step5)->findChild<QPushButton*>("Command1");
    auto* next = screen(step5)->findChild<QPushButton*>("Command2");
    EXPECT_EQ(back->text(), "Back");
    EXPECT_EQ(next->text(), "Next");
    EXPECT_EQ(back->x(), next->x());
    EXPECT_LT(back->y(), next->y());
    EXPECT_TRUE(labelTexts(step5).contains("BEHAVIORAL       STYLES"));
    EXPECT_NE(screen(step5)->findChild<QWidget*>("Picture1"), nullptr);
}

TEST_F(Tutorial, ColourPagesPairEachTraitWithASentence)
{
    struct Case {
        ScreenId id;
        int rows;
        const char* title;
        const char* firstWord;
        const char* quoted; // the sentence that goes beside a given word
        const char* besideWord;
    };
    const Case cases[] = {
        {Step6, 9, "DIRECTORS [RED]", "Take charge",
         "They naturally seek direct control and want to run things their own way.", "Take charge"},
        {step7, 8, "THINKERS [GREEN]", "Careful", "They are methodical, cautious, and do not jump into things quickly.",
         "Careful"},
        {step8, 7, "RELATERS [BLUE]", "Easygoing", "They show calm, measured, low-key behaviors and outlooks.",
         "Easygoing"},
        {step9, 9, "SOCIALIZERS [YELLOW]", "Optimistic", "They talk, move, and perform most activities quickly.",
         "Fast Paced"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        auto words = screen(c.id)->findChildren<QLabel*>(arrayNamed("Label4"));
        auto sentences = screen(c.id)->findChildren<QLabel*>(arrayNamed("Label5"));
        ASSERT_EQ(words.size(), c.rows);
        ASSERT_EQ(sentences.size(), c.rows);
        EXPECT_EQ(labelTexts(c.id, "Label4").value(0), c.firstWord);
        EXPECT_EQ(labelTexts(c.id, "Label2").value(0), c.title);
        EXPECT_EQ(circles(c.id), 1);
        for (auto* s : sentences) {
            EXPECT_GE(s->text().size(), 17);
            EXPECT_LE(s->text().size(), 132);
            const bool hasItsWord =
                std::any_of(words.begin(), words.end(), [&](QLabel* w) { return w->y() == s->y(); });
            EXPECT_TRUE(hasItsWord) << s->text().toStdString();
        }
        QLabel* quoted =
            *std::find_if(sentences.begin(), sentences.end(), [&](QLabel* s) { return s->text() == c.quoted; });
        QLabel* word = *std::find_if(words.begin(), words.end(), [&](QLabel* w) { return w->text() == c.besideWord; });
        EXPECT_EQ(quoted->y(), word->y());
    }
}

TEST_F(Tutorial, AboutShowsItsTextsAndStartsTheInformationTool)
{
    arriveAt(Graph1);
    shell.about(Graph1);
    QWidget* box = screen(frmAbout);
    auto label = [&](const char* name) { return box->findChild<QLabel*>(name)->text(); };
    EXPECT_EQ(label("lblTitle"), "Corvane Tessaly");
    EXPECT_EQ(label("lblVersion"), "Version 6.1");
    EXPECT_FALSE(label("lblDescription").isEmpty());
    EXPECT_FALSE(label("lblDisclaimer").isEmpty());
    EXPECT_EQ(box->size(), QSize(347, 205));
    auto* sysInfo = box->findChild<QPushButton*>("cmdSysInfo");
    EXPECT_EQ(sysInfo->text(), "&System Info...");
    EXPECT_EQ(sysInfo->shortcut(), QKeySequence("Alt+S"));

    systemInfo.found = "/usr/bin/kinfocenter";
    click(frmAbout, "cmdSysInfo");
    EXPECT_EQ(systemInfo.launched, std::vector<std::string>{"/usr/bin/kinfocenter"});
    EXPECT_TRUE(visible(frmAbout));

    systemInfo.launchSucceeds = false;
    dialogs.expectMessage(kNoticeBox, kUnavailable);
    click(frmAbout, "cmdSysInfo");
    EXPECT_EQ(dialogs.lastParent(), screen(frmAbout));

    systemInfo.found.reset();
    dialogs.expectMessage(kNoticeBox, kUnavailable);
    click(frmAbout, "cmdSysInfo");
    EXPECT_TRUE(visible(frmAbout));
    EXPECT_TRUE(visible(Graph1));

    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &enter);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(flow.existing(frmAbout), nullptr);
}
