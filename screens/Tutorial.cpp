#include "Tutorial.h"

#include "Content.h"
#include "EmbeddedText.h"
#include "Pictures.h"
#include "ScreenFlow.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

namespace tessaly {
namespace {

using enum ScreenId;

const QString kTimes = QStringLiteral("Times New Roman");
const QColor kNavy{0, 0, 128};
const QColor kOlive{128, 128, 0};
const QColor kGrey{128, 128, 128};

Look times(double points, const QColor& color = Qt::black, bool bold = false, bool underline = false)
{
    return {.family = kTimes, .points = points, .bold = bold, .underline = underline, .text = color};
}

// The tutorial's circles draw green in its darker shade.
QColor circleFill(Color c) { return c == Color::Green ? kDarkGreenFill : displayColor(c); }

QString circleName(Color c) { return QString::fromUtf8(colorName(c)) + QStringLiteral(" circle"); }

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

// How far apart rows of traits stand, in pixels.
constexpr int kMinRowGap = 32;
constexpr int kMaxRowGap = 48;

// The colour pages keep their buttons below the last row of traits.
constexpr Place kBack = pixels(472, 432, 49, 41);
constexpr Place kNext = pixels(528, 432, 49, 41);

// clang-format off
constexpr std::array<PageButtons, 9> kPages{{
    {step1, {{{"Command2", "Jump to Tessaly", pixels(16, 416, 89, 41), Intro},
              {"Command1", "Next", pixels(480, 416, 65, 41), step2}}}},
    {step2, {{{"Command2", "Back", pixels(464, 416, 49, 41), step1},
              {"Command1", "Next", pixels(520, 416, 49, 41), step3}}}},
    {step3, {{{"Command2", "Back", pixels(472, 416, 49, 41), step2},
              {"Command1", "Next", pixels(528, 416, 49, 41), step4}}}},
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
// clang-format on

} // namespace

// One page of traits of one colour: a title, the qualities line, the colour's circle and
// rows of a trait word beside a sentence.
// A trait word of a colour page and the width of its label, in pixels.
struct Trait {
    Trait(const char* word, int width = 81) : word(QString::fromLatin1(word)), width(width) {}
    QString word;
    int width;
};

struct ColourPage {
    ScreenId page;
    const char* title;
    QColor text;
    Color circle;
    QPoint titleAt;
    int qualitiesTop;
    QPoint circleAt;
    int wordLeft;
    int sentenceLeft;
    int firstRowTop;
    int lastRowTop;
    std::vector<Trait> words;
    std::string_view sentences;
};

namespace {

std::vector<ColourPage> colourPages()
{
    // clang-format off
    return {
        {Step6, "DIRECTORS [RED]", kRed, Color::Red, {24, 72}, 104, {496, 72}, 40, 128, 144, 416,
         {"Take charge", "Control oriented", "Competitive", "Motivated to be number one", "Task focused", "Achievers",
          "Strong willed", "Impatient", "Busy"},
         embedded::step6Traits()},
        {step7, "THINKERS [GREEN]", kGreenText, Color::Green, {0, 8}, 48, {488, 16}, 16, 104, 88, 384,
         {"Careful", "Precise", "Proper", "Private", "Reserved", "Logical", "Inventive", "Contemplative"},
         embedded::step7Traits()},
        {step8, "RELATERS [BLUE]", kBlue, Color::Blue, {0, 8}, 48, {488, 24}, 8, 104, 96, 344,
         {"Easygoing", "Slower paced", "Diplomatic", "Persevering", "Modest", {"Accommodating", 89}, "Neighborly"},
         embedded::step8Traits()},
        {step9, "SOCIALIZERS [YELLOW]", kYellow, Color::Yellow, {0, 0}, 32, {488, 0}, 16, 104, 64, 408,
         {"Optimistic", "Fast Paced", "Emotional", "Approval seeking", "Fun loving", "Excitable", "Spontaneous",
          "Expressive", "Instinctive"},
         embedded::step9Traits()},
    };
    // clang-format on
}

} // namespace

TutorialPage::TutorialPage(ScreenId id, Shell& shell, ScreenFlow& flow, const PrintParts& printing)
    : ScreenWindow(id, shell)
{
    addStandardMenus(
        {"editform", "Edit"},
        {{"prtform", "Print Form", [this, printing] { printScreen(printing, this->id(), kScreenPrintFailure); }}},
        "exitfrm");
    setWindowIcon(pictureIcon(QStringLiteral(":/assets/tutorial-icon.png")));

    switch (id) {
    case step1:
        buildStepOne();
        break;
    case step2:
        buildStepTwo();
        break;
    case step3:
        buildStepThree();
        break;
    case step4:
        buildStepFour();
        break;
    case step5:
        buildStepFive();
        break;
    default:
        for (const auto& page : colourPages()) {
            if (page.page == id)
                buildColourPage(page);
        }
        break;
    }

    // The buttons are read after the page they lead on from, yet lie on top of its labels.
    for (const auto& page : kPages) {
        if (page.page != id)
            continue;
        for (const auto& b : page.buttons) {
            auto* button = form().button(b.name, QString::fromLatin1(b.caption), b.at);
            button->raise();
            connect(button, &QPushButton::clicked, this,
                    [this, &flow, target = b.target] { flow.navigate(this->id(), target); });
        }
    }
}

void TutorialPage::buildStepOne()
{
    const Color circles[] = {Color::Red, Color::Blue, Color::Yellow, Color::Green};
    const int lefts[] = {40, 176, 336, 472};
    for (int i = 0; i < 4; ++i)
        form()
            .circle(member("Shape1", i), pixels(lefts[i], 24, 41, 41), circleFill(circles[i]))
            ->setAccessibleName(circleName(circles[i]));

    const Look blue = times(9.75, kBlue);
    struct Statement {
        int top;
        int height;
        const char* text;
    };
    // clang-format off
    const Statement statements[] = {
        {80, 32, "Effective communication is known to be the key to success both at home and at work."},
        {112, 48, "By discovering our colors we will be a step closer to achieving our goal of working together as a "
                  "TEAM and moving towards Safety and Operational Excellence."},
        {160, 88, "Your understanding and support of this process is fundamental to your success in life.  Thank you for "
                  "participating and living the Core Values."},
        {248, 40, "1.   You will understand your own style, strengths and improvement opportunities, and how you can "
                  "communicate and interact with others, both at home and at work."},
        {288, 40, "2.  How to identify someone else\u2019s style so that you can treat them the way they want and need to be "
                  "treated."},
        {328, 40, "3.  How to adapt your style so that you make all kinds of people at ease with you and you more at ease "
                  "with them."},
        {368, 40, "4.  Knowing your colors and the colors of others will help you support the core values."},
    };
    // clang-format on
    for (int i = 0; i < std::ssize(statements); ++i) {
        const Statement& s = statements[i];
        form().label(member("Label1", i), QString::fromUtf8(s.text), pixels(16, s.top, 545, s.height), blue);
    }
}

void TutorialPage::buildStepTwo()
{
    Form& f = form();
    f.label("Label1", QStringLiteral("Core Values"), pixels(216, 8, 200, 33), times(20.25, kNavy, true));
    const QStringList values = contentLines(embedded::coreValues());
    for (int i = 0; i < values.size(); ++i) {
        const int top = 48 + 40 * i;
        f.label(member("Label2", i), values[i].left(1), pixels(32, top, 32, 41), times(26.25, kRed, true));
        f.label(member("Label3", i), values[i].mid(1), pixels(64, top, 300, 33), times(20.25, kRed, true));
    }
    f.picture("Picture1", Picture::CompanyLogo, pixels(424, 104, 137, 49));
    f.label("Label4", QStringLiteral("Integrity and Honesty, Respect and Safety"), pixels(32, 296, 352, 25),
            times(14.25, kNavy, true));
    f.label("Label5", QStringLiteral("are all dependent on"), pixels(384, 296, 200, 25), times(12, kNavy, true));
    f.label("Label6", contentLine(embedded::step2Paragraph()), pixels(32, 320, 537, 88), times(12, kNavy, true));
    f.label("Label7", QStringLiteral("Understanding people's colors will help us when using our safety processes."),
            pixels(32, 408, 420, 57), times(12, kNavy, true));
}

void TutorialPage::buildStepThree()
{
    Form& f = form();
    f.label("Label1", QStringLiteral("GOLDEN RULE"), pixels(24, 16, 200, 25), times(14.25, kOlive, true, true));
    f.label("Label2",
            QStringLiteral(
                "Do unto others as you would have done unto you or treat others as you would like to be treated."),
            pixels(24, 48, 545, 81), times(14.25, kNavy));
    f.label("Label3", contentLine(embedded::step3Paragraph()), pixels(24, 136, 545, 81), times(14.25, kNavy));
    f.label("Label4", QStringLiteral("THE PLATINUM RULE"), pixels(192, 224, 260, 25), times(14.25, kGrey, true, true));
    f.label("Label5", QStringLiteral("Treat people as they"), pixels(192, 272, 260, 33), times(18));
    const QColor need[] = {kRed, kYellow, kBlue, kGreenText};
    const QString word = QStringLiteral("NEED");
    for (int i = 0; i < 4; ++i)
        f.label(member("Label6", i), word.mid(i, 1), pixels(184 + 24 * i, 312, 25, 41), times(24, need[i], true, true));
    f.label("Label7", QStringLiteral("to be treated"), pixels(288, 320, 200, 33), times(18));
}

void TutorialPage::buildStepFour()
{
    // The next page's background is a large picture: read it while this page is read.
    readAhead([] { readPictureAhead(Picture::StylesDiagram); });
    Form& f = form();
    f.label("Label1", QStringLiteral("THE PLATINUM RULE"), pixels(192, 8, 260, 25), times(14.25, kGrey, true, true));
    f.label("Label2", QStringLiteral("Treat people as they need / want to be treated."), pixels(24, 88, 545, 25),
            times(14.25, kRed));
    f.label("Label3", contentLine(embedded::step4Paragraph()), pixels(24, 120, 545, 129), times(9.75, kBlue));
    struct Style {
        const char* text;
        QColor color;
        int left;
        int top;
    };
    const Style styles[] = {
        {"RED:   THE DIRECTOR", kRed, 32, 272},
        {"GREEN:    THE THINKER", kGreenText, 304, 272},
        {"BLUE: THE RELATOR", QColor(0, 0, 192), 32, 312},
        {"YELLOW:  THE SOCIALIZER", kYellow, 304, 312},
    };
    for (int i = 0; i < std::ssize(styles); ++i) {
        const Style& s = styles[i];
        Look look = times(14.25, s.color, true);
        look.oneLine = true;
        f.label(member("Label4", i), QString::fromLatin1(s.text), pixels(s.left, s.top, 264, 25), look);
    }
}

void TutorialPage::buildStepFive()
{
    form().label("Label1", QStringLiteral("BEHAVIORAL       STYLES"), pixels(240, 8, 105, 41), times(12));
    // The diagram is the window's background, at its own size from the top-left corner.
    auto* diagram = form().picture("Picture1", Picture::StylesDiagram, pixels(0, 0, 592, 473));
    diagram->lower();
    // The window shows only part of the diagram; a screen reader has all of it.
    diagram->setAccessibleDescription(contentLine(embedded::stylesDiagram()));
}

void TutorialPage::buildColourPage(const ColourPage& page)
{
    Form& f = form();
    if (page.page == Step6)
        f.label("Label1",
                QStringLiteral(
                    "Let's have a look at some of the traits of each color and then we'll take a peek at how the "
                    "two primary colors influence the way we are:"),
                pixels(24, 16, 545, 41), times(12));
    f.label("Label2", QString::fromLatin1(page.title), pixels(page.titleAt.x(), page.titleAt.y(), 300, 25),
            times(12, page.text, true));
    f.label("Label3", QStringLiteral("They generally show some of the following qualities "),
            pixels(page.titleAt.x(), page.qualitiesTop, 420, 25), times(11.25, Qt::black, true));
    f.circle("Shape1", pixels(page.circleAt.x(), page.circleAt.y(), 49, 49), circleFill(page.circle))
        ->setAccessibleName(circleName(page.circle));

    // One row per trait: the word and, to its right, its sentence.
    const QStringList sentences = contentLines(page.sentences);
    std::vector<std::pair<QLabel*, QLabel*>> rows;
    for (int i = 0; i < std::ssize(page.words); ++i) {
        const Trait& trait = page.words[static_cast<std::size_t>(i)];
        QLabel* word = f.label(member("Label4", i), trait.word,
                               pixels(page.wordLeft, page.firstRowTop, trait.width, kMinRowGap), times(9.75, page.text, true));
        // A word a little longer than its place ("Contemplative", "Accommodating" in some faces)
        // takes of the empty room before its sentence rather than lose its last letter; words
        // that wrap onto a second line keep their place.
        int wanted = 0;
        for (const QString& part : trait.word.split(u' '))
            wanted = std::max(wanted, word->fontMetrics().boundingRect(part).right() + 1);
        if (wanted > word->width())
            word->resize(std::min(wanted, page.sentenceLeft - page.wordLeft), word->height());
        rows.emplace_back(word, f.label(member("Label5", i), sentences.value(i),
                                        pixels(page.sentenceLeft, page.firstRowTop, 584 - page.sentenceLeft, kMinRowGap),
                                        times(9.75)));
    }
    const auto needed = [](const std::pair<QLabel*, QLabel*>& row) {
        return std::max(row.first->heightForWidth(row.first->width()), row.second->heightForWidth(row.second->width()));
    };

    // The last sentence stops short of the buttons where it runs down to within a line of them.
    QLabel* lastSentence = rows.back().second;
    if (page.lastRowTop + needed(rows.back()) + lastSentence->fontMetrics().lineSpacing() > unitsToPixels(kBack.top))
        lastSentence->resize(unitsToPixels(kBack.left) - 8 - page.sentenceLeft, lastSentence->height());

    // Rows stand 32 to 48 pixels apart. A row that wraps onto more lines than 32 pixels hold
    // takes the room it needs and, before the others, what is left over; the rest is shared
    // out, so that the last row stands where the table has it.
    std::vector<int> heights;
    for (std::size_t i = 0; i + 1 < rows.size(); ++i)
        heights.push_back(std::max(kMinRowGap, needed(rows[i])));
    int spare = page.lastRowTop - page.firstRowTop - std::accumulate(heights.begin(), heights.end(), 0);
    for (int& height : heights) {
        if (height > kMinRowGap) {
            const int more = std::clamp(kMaxRowGap - height, 0, std::max(spare, 0));
            height += more;
            spare -= more;
        }
    }
    const auto gaps = static_cast<int>(heights.size());
    for (int i = 0; i < gaps; ++i)
        heights[static_cast<std::size_t>(i)] += spare * (i + 1) / gaps - spare * i / gaps;
    heights.push_back(needed(rows.back()));

    int top = page.firstRowTop;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& [word, sentence] = rows[i];
        word->setGeometry(word->x(), top, word->width(), heights[i]);
        sentence->setGeometry(sentence->x(), top, sentence->width(), heights[i]);
        top += heights[i];
    }
}

} // namespace tessaly
