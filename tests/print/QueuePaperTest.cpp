#include "QueuePaper.h"

#include <gtest/gtest.h>

using namespace tessaly;

namespace {

struct Size {
    int width, length;
};

Paper offered(const char* name, Size size, int left, int bottom, int right, int top)
{
    Paper paper = Paper::ofSize(size.width, size.length);
    paper.left = left;
    paper.bottom = bottom;
    paper.right = right;
    paper.top = top;
    paper.marginsKnown = true;
    paper.name = name;
    return paper;
}

constexpr Size kA4{21000, 29700};
constexpr Size kLetter{21590, 27940};

} // namespace

TEST(QueuePaper, EveryWayOfNamingAPaperGivesItsOwnSize)
{
    const struct {
        const char* name;
        int width, length;
    } cases[] = {
        {"iso_a4_210x297mm", 21000, 29700},
        {"na_letter_8.5x11in", 21590, 27940},
        {"na_letter_8.5x11in_borderless", 21590, 27940},
        {"na_legal_8.5x14in", 21590, 35560},
        // The print system's names for a driver's own sizes, with and without a name of their own.
        {"custom_148.52x209.9mm_148.52x209.9mm", 14852, 20990},
        {"custom_148.52x209.9mm", 14852, 20990},
        {"custom_4x6in", 10160, 15240},
        {"A4", 21000, 29700},
        {"a4", 21000, 29700},
        {"Letter", 21590, 27940},
        {"letter", 21590, 27940},
        {"LEGAL", 21590, 35560},
        {"A5", 14800, 21000},
        {"iso-a4", 21000, 29700},
        {"na-letter", 21590, 27940},
        {"A4.Fullbleed", 21000, 29700},
        {"AnsiA", 21590, 27940},
        // A driver's custom size is in points unless it says otherwise.
        {"Custom.595x842", 20990, 29704},
        {"Custom.210x297mm", 21000, 29700},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto paper = paperNamed(c.name);
        ASSERT_TRUE(paper.has_value());
        EXPECT_EQ(paper->width, c.width);
        EXPECT_EQ(paper->length, c.length);
    }
    for (const char* unknown : {"", "Tray1", "custom_axbmm", "iso_a4_0x297mm", "iso_a4_210x297", "Custom.",
                                "Custom.-5x7in", "x4"}) {
        SCOPED_TRACE(unknown);
        EXPECT_FALSE(paperNamed(unknown).has_value());
    }
}

TEST(QueuePaper, TheQueuesSourcesAreAskedInTurnAndTheFirstThatNamesASizeHolds)
{
    QueueFacts facts;
    facts.supported = {offered("iso_a4_210x297mm", kA4, 500, 2000, 1000, 1500),
                       offered("na_letter_8.5x11in", kLetter, 500, 2000, 1000, 1500),
                       offered("na_letter_8.5x11in_borderless", kLetter, 0, 0, 0, 0)};
    facts.collectionDefault = offered("", kA4, 500, 2000, 1000, 1500);
    int ppdAsked = 0;
    facts.ppdDefault = [&ppdAsked] {
        ++ppdAsked;
        return std::optional(offered("Legal", {21590, 35560}, 0, 0, 0, 0));
    };
    const auto paper = [&facts] { return queuePaper(facts, paperNamed); };

    // The person's choice comes first, on the margins the queue gives that size: the widest
    // of its ordinary and its borderless variant.
    facts.chosen = "na_letter_8.5x11in";
    facts.mediaDefault = "iso_a4_210x297mm";
    ASSERT_TRUE(paper());
    EXPECT_EQ(paper()->name, "na_letter_8.5x11in");
    EXPECT_EQ(paper()->width, kLetter.width);
    EXPECT_TRUE(paper()->marginsKnown);
    EXPECT_EQ(paper()->left, 500);
    EXPECT_EQ(paper()->bottom, 2000);

    // A choice that names the paper among other media is read for its paper, and asked for whole.
    facts.chosen = "Tray2,Letter";
    EXPECT_EQ(paper()->width, kLetter.width);
    EXPECT_EQ(paper()->name, "Tray2,Letter");

    // A choice no size can be read from says nothing; the queue's default name follows.
    facts.chosen = "Tray1";
    EXPECT_EQ(paper()->name, "iso_a4_210x297mm");
    EXPECT_EQ(paper()->length, kA4.length);

    // A default the queue cannot name is read from its size, and asked for by the queue's name.
    facts.chosen.clear();
    facts.mediaDefault.clear();
    facts.collectionDefault = offered("", {21590, 27940}, 0, 0, 0, 0);
    EXPECT_EQ(paper()->name, "na_letter_8.5x11in");
    EXPECT_EQ(paper()->left, 0);
    // ... or by a name that says its size, where the queue has none for it.
    facts.collectionDefault = offered("", {14852, 20990}, 0, 0, 0, 0);
    EXPECT_EQ(paper()->name, "custom_148.52x209.9mm");
    ASSERT_TRUE(paperNamed(paper()->name));
    EXPECT_EQ(paperNamed(paper()->name)->width, 14852);
    EXPECT_EQ(ppdAsked, 0);

    // The driver's description only when nothing else told.
    facts.collectionDefault.reset();
    EXPECT_EQ(paper()->name, "Legal");
    EXPECT_EQ(ppdAsked, 1);

    // A queue that says nothing of its paper, and a size named by a queue without a driver.
    facts = QueueFacts();
    EXPECT_FALSE(paper().has_value());
    facts.mediaDefault = "A5";
    ASSERT_TRUE(paper());
    EXPECT_EQ(paper()->width, 14800);
    EXPECT_FALSE(paper()->marginsKnown);
    EXPECT_EQ(paper()->name, "A5");
}

TEST(QueuePaper, ADriversDescriptionGivesItsDefaultPaperAndPrintableArea)
{
    const std::string ppd = "*PPD-Adobe: \"4.3\"\n"
                            "*DefaultPageSize: Letter\n"
                            "*PageSize A4/A4: \"<</PageSize[595.28 841.89]>>setpagedevice\"\n"
                            "*ImageableArea A4/A4: \"14.17 56.69 566.93 799.37\"\n"
                            "*ImageableArea Letter/US Letter: \"14.17 56.69 583.65 749.48\"\r\n"
                            "*DefaultPaperDimension: A4\n"
                            "*PaperDimension A4/A4: \"595.28 841.89\"\n"
                            "*PaperDimension Letter/US Letter: \"612 792\"\n";
    const auto paper = ppdDefaultPaper(ppd);
    ASSERT_TRUE(paper.has_value());
    EXPECT_EQ(paper->name, "Letter");
    EXPECT_EQ(paper->width, 21590);
    EXPECT_EQ(paper->length, 27940);
    ASSERT_TRUE(paper->marginsKnown);
    // Left 5, bottom 20, right 10, top 15 millimetres.
    EXPECT_EQ(paper->left, 500);
    EXPECT_EQ(paper->bottom, 2000);
    EXPECT_EQ(paper->right, 1000);
    EXPECT_EQ(paper->top, 1500);

    // Without a dimension of its own the size comes from the name; without an area the margins
    // stay unknown; without a default there is nothing.
    const auto named = ppdDefaultPaper("*DefaultPageSize: A5\n");
    ASSERT_TRUE(named.has_value());
    EXPECT_EQ(named->width, 14800);
    EXPECT_FALSE(named->marginsKnown);
    EXPECT_FALSE(ppdDefaultPaper("*PaperDimension A4/A4: \"595 842\"\n").has_value());
    EXPECT_FALSE(ppdDefaultPaper("*DefaultPageSize: Tray1\n").has_value());
}
