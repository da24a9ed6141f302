#include "Quiz.h"

#include "Dialogs.h"
#include "Marks.h"
#include "Messages.h"
#include "Moves.h"
#include "ScreenFlow.h"
#include "Session.h"
#include "WordControls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <span>

namespace tessaly {

// Where one box stands, in layout units: the cell's top-left corner, the width of its Most
// circles (wider where a word needs it), and the place of the "Box N" label below it.
struct QuizCell {
    int box;
    int left;
    int top;
    int mostWidth;
    int labelLeft;
    int labelWidth;
};

namespace {

constexpr int kRowStep = 360;

// Column by column, which is also the order Tab follows from box to box.
// clang-format off
constexpr std::array<QuizCell, 15> kPartOneCells{{
    {1, 480, 480, 1215, 840, 495},
    {2, 480, 2400, 1215, 840, 495},
    {3, 480, 4320, 1215, 840, 495},
    {4, 480, 6240, 1215, 840, 495},
    {5, 3120, 480, 1215, 3600, 495},
    {6, 3120, 2400, 1215, 3600, 495},
    {7, 3120, 4320, 1215, 3600, 495},
    {8, 3120, 6240, 1215, 3600, 495},
    {9, 5760, 480, 1215, 6240, 495},
    {10, 5760, 2400, 1215, 6240, 735},
    {11, 5760, 4320, 1215, 6240, 495},
    {12, 5760, 6240, 1215, 6240, 495},
    {13, 8400, 480, 1215, 8880, 495},
    {14, 8400, 2400, 1215, 8880, 495},
    {15, 8400, 4320, 1215, 8880, 495},
}};

constexpr std::array<QuizCell, 13> kPartTwoCells{{
    {16, 480, 480, 1215, 840, 495},
    {17, 480, 2400, 1215, 840, 495},
    {18, 480, 4320, 1215, 840, 495},
    {19, 480, 6240, 1335, 840, 495},
    {20, 3120, 480, 1215, 3600, 495},
    {21, 3120, 2400, 1215, 3600, 495},
    {22, 3120, 4320, 1215, 3600, 495},
    {23, 5760, 480, 1215, 6240, 495},
    {24, 5760, 2400, 1215, 6240, 735},
    {25, 5760, 4320, 1215, 6240, 495},
    {26, 8400, 480, 1215, 8880, 495},
    {27, 8400, 2400, 1215, 8880, 495},
    {28, 8400, 4320, 1215, 8880, 495},
}};

// The column headings over each column of cells.
struct Heading {
    const char* text;
    int left;
    int width;
    bool most;
};
constexpr std::array<Heading, 8> kHeadings{{
    {"Most Like", 1440, 375, true},   {"Least Like", 1920, 495, false},
    {"Most Like", 4080, 375, true},   {"Least Like", 4560, 495, false},
    {"Most Like", 6720, 375, true},   {"Least Like", 7200, 495, false},
    {"Most Like", 9240, 375, true},   {"Least Like", 9720, 615, false},
}};

// The grid lines between the cells: from (x1, y1) to (x2, y2).
struct GridLine {
    int x1, y1, x2, y2;
};
constexpr std::array<GridLine, 3> kRowLines{{{0, 2280, 10560, 2280}, {0, 4200, 10560, 4200}, {0, 6120, 10560, 6120}}};
constexpr std::array<GridLine, 3> kPartOneColumnLines{{{2520, 0, 2520, 8040}, {5160, 0, 5160, 8040}, {7800, 0, 7800, 8040}}};
// Part II leaves the bottom of the middle columns open for the logo.
constexpr std::array<GridLine, 3> kPartTwoColumnLines{{{2400, 0, 2400, 8040}, {5160, 0, 5160, 6120}, {7800, 0, 7800, 6120}}};
// clang-format on

QString boxName(int box) { return QStringLiteral("Box %1").arg(box); }

} // namespace

QuizPage::QuizPage(QuizScreen part, Shell& shell, Moves& moves, Session& session, ScreenFlow& flow, Dialogs& dialogs,
                   const PrintParts& printing)
    : ScreenWindow(screenOf(part), shell), part_(part), session_(session), dialogs_(dialogs)
{
    addStandardMenus({"mnuedit", "Edit"},
                     {{"mnuprint", "Print", [this, printing] {
                           printScreen(printing, id(), QStringLiteral("You can not Print the Tessaly at this time!"));
                       }}});
    const bool partOne = part == QuizScreen::Quiz;
    // The questionnaire stands on the system's 3D-highlight colour, white in the standard scheme.
    paintBackground(*this, QPalette().color(QPalette::Light));

    for (int i = 0; i < std::ssize(kHeadings); ++i) {
        const Heading& h = kHeadings[static_cast<std::size_t>(i)];
        form().label(member("Label1", i), QString::fromLatin1(h.text), {h.left, 0, h.width, 615},
                     {.text = h.most ? kRed : kBlue});
    }

    const std::span<const QuizCell> cells = partOne ? std::span<const QuizCell>(kPartOneCells) : kPartTwoCells;
    for (int i = 0; i < std::ssize(cells); ++i)
        buildBox(cells[static_cast<std::size_t>(i)], i);

    auto* back =
        form().button("Command73", partOne ? QStringLiteral("Back to Instructions") : QStringLiteral("Back to Part I"),
                      {8640, 6360, 1215, 615});
    auto* next = form().button("Command74",
                               partOne ? QStringLiteral("Next to Part II") : QStringLiteral("Next to Strength Circle"),
                               {8640, 7200, 1215, 615});
    const ScreenId backTo = partOne ? ScreenId::Intro : ScreenId::quiz;
    connect(back, &QPushButton::clicked, this, [this, &flow, backTo] { flow.navigate(id(), backTo); });
    connect(next, &QPushButton::clicked, this, [&moves, part] { moves.finishPart(part); });

    if (!partOne) {
        form().picture("Picture7", Picture::CompanyLogo, {4920, 6720, 2055, 735});
        // The Part I totals travel in four fields nobody sees.
        for (int i = 0; i < std::ssize(totals_); ++i) {
            auto*& total = totals_[static_cast<std::size_t>(i)];
            total = form().textField(QStringLiteral("Text%1").arg(i + 1), {}, {2640, 6360 + 360 * i, 975, 255});
            total->hide();
        }
    }

    const auto& columnLines = partOne ? kPartOneColumnLines : kPartTwoColumnLines;
    for (int i = 0; i < 3; ++i) {
        const GridLine& row = kRowLines[static_cast<std::size_t>(i)];
        const GridLine& column = columnLines[static_cast<std::size_t>(i)];
        form().line(member("Line1", i), row.x1, row.y1, row.x2, row.y2);
        form().line(member("Line2", i), column.x1, column.y1, column.x2, column.y2);
    }

    followSession(session_, [this] {
        showMarks();
        showPartOneTotals();
    });
}

void QuizPage::buildBox(const QuizCell& cell, int labelIndex)
{
    const WordBox& box = WordBank::instance().box(cell.box);
    const QString boxLabel = boxName(box.number);
    const QString panelName = QStringLiteral("Box%1").arg(box.number);
    // The words' panel lies over the Least panel's empty left part.
    QWidget* words = form().panel(panelName + QStringLiteral("Most"), {cell.left, cell.top, 1335, 1575});
    QWidget* least = form().panel(panelName + QStringLiteral("Least"), {cell.left + 1080, cell.top, 615, 1665});
    words->setAccessibleName(QStringLiteral("%1, Most like me").arg(boxLabel));
    least->setAccessibleName(QStringLiteral("%1, Least like me").arg(boxLabel));
    BoxCircles& circles = boxes_.emplace_back(BoxCircles{box.number, {}, {}});
    // Created column by column, so that Tab goes from the Most column to the Least column
    // and on to the definition buttons; the arrow keys move within a column.
    for (const auto column : {MarkColumn::Most, MarkColumn::Least}) {
        for (int row = 1; row <= kRowsPerBox; ++row) {
            const auto index = static_cast<std::size_t>(row - 1);
            const QString caption = QString::fromUtf8(box.words[index].caption);
            const WordControls& controls = controlsOf(box.number, row);
            const int top = 120 + kRowStep * (row - 1);
            QRadioButton* circle = nullptr;
            if (column == MarkColumn::Most) {
                circle = form().radio(controls.most, caption, {0, top, cell.mostWidth, 255}, words);
                circle->setAccessibleDescription(QStringLiteral("%1, Most like me").arg(boxLabel));
                circles.most[index] = circle;
            } else {
                circle = form().radio(controls.least, {}, {360, top, 255, 255}, least);
                circle->setAccessibleName(QStringLiteral("%1, %2, Least like me").arg(boxLabel, caption));
                circles.least[index] = circle;
            }
            connect(circle, &QRadioButton::toggled, this, [this, column, box = box.number, row](bool checked) {
                if (checked)
                    session_.selectMark(column, box, row);
            });
        }
    }
    for (int row = 1; row <= kRowsPerBox; ++row) {
        const BoxWord& word = box.words[static_cast<std::size_t>(row - 1)];
        auto* definition = form().button(controlsOf(box.number, row).definition, {},
                                         {cell.left - 360, cell.top + 120 + kRowStep * (row - 1), 255, 255});
        definition->setAccessibleName(QStringLiteral("Definition of %1").arg(QString::fromUtf8(word.caption)));
        definition->setAccessibleDescription(boxLabel);
        connect(definition, &QPushButton::clicked, this,
                [this, &word] { dialogs_.inform(this, kWordDefinitionBox, QString::fromUtf8(word.definition)); });
    }

    // The label keeps to one line even where the stand-in font runs wider than the original.
    const QPalette system;
    form().label(member("Label2", labelIndex), boxLabel, {cell.labelLeft, cell.top + 1560, cell.labelWidth, 255},
                 {.text = system.color(QPalette::Highlight), .oneLine = true});
}

void QuizPage::showMarks()
{
    const AnswerSheet& sheet = session_.answers();
    for (const BoxCircles& circles : boxes_) {
        const BoxMarks& marks = sheet.marks(circles.box);
        for (int row = 1; row <= kRowsPerBox; ++row) {
            const auto index = static_cast<std::size_t>(row - 1);
            setMarked(circles.most[index], marks.most == row);
            setMarked(circles.least[index], marks.least == row);
        }
    }
}

void QuizPage::showPartOneTotals()
{
    if (part_ != QuizScreen::Quiz2)
        return;
    // Before Part I is scored each field shows its own name, the caption it was made with.
    const auto& totals = session_.partTwo().partOneTotals;
    for (std::size_t i = 0; i < totals_.size(); ++i)
        totals_[i]->setText(totals ? QString::number((*totals)[i]) : totals_[i]->objectName());
}

} // namespace tessaly
