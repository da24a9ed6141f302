#include "Quiz.h"

#include "Dialogs.h"
#include "Marks.h"
#include "ScreenFlow.h"
#include "Session.h"
#include "Shell.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tessaly {
namespace {

constexpr std::array<int, 4> kCellLefts{480, 3120, 5760, 8400};
constexpr std::array<int, 4> kCellTops{480, 2400, 4320, 6240};
constexpr int kRowStep = 360;

// Which box stands in each cell, column by column; 0 leaves the cell to the buttons or the logo.
constexpr std::array<std::array<int, 4>, 4> kPartOneCells{
    {{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 0}}};
constexpr std::array<std::array<int, 4>, 4> kPartTwoCells{
    {{16, 17, 18, 19}, {20, 21, 22, 0}, {23, 24, 25, 0}, {26, 27, 28, 0}}};

QString boxName(int box) { return QStringLiteral("Box %1").arg(box); }

} // namespace

QuizPage::QuizPage(QuizScreen part, Shell& shell) : ScreenWindow(screenOf(part), shell), part_(part)
{
    addStandardMenus({"mnuedit", "Edit"}, {{"mnuprint", "Print"}});
    onMenu("mnuprint", [this] { printScreen(id(), QStringLiteral("You can not Print the Tessaly at this time!")); });
    const bool partOne = part == QuizScreen::Quiz;

    // Column headings over each column of cells.
    constexpr std::array<int, 4> mostLefts{1440, 4080, 6720, 9240};
    constexpr std::array<int, 4> leastLefts{1920, 4560, 7200, 9720};
    for (std::size_t c = 0; c < 4; ++c) {
        form().label("Label1", QStringLiteral("Most Like"), {mostLefts[c], 0, 375, 615}, {.text = kRed});
        form().label("Label1", QStringLiteral("Least Like"), {leastLefts[c], 0, c == 3 ? 615 : 495, 615},
                     {.text = kBlue});
    }

    const auto& cells = partOne ? kPartOneCells : kPartTwoCells;
    for (std::size_t c = 0; c < 4; ++c) {
        for (std::size_t r = 0; r < 4; ++r) {
            if (cells[c][r] != 0)
                buildBox(WordBank::instance().box(cells[c][r]), kCellLefts[c], kCellTops[r]);
        }
    }

    auto* back =
        form().button("Command73", partOne ? QStringLiteral("Back to Instructions") : QStringLiteral("Back to Part I"),
                      {8640, 6360, 1215, 615});
    auto* next = form().button("Command74",
                               partOne ? QStringLiteral("Next to Part II") : QStringLiteral("Next to Strength Circle"),
                               {8640, 7200, 1215, 615});
    const ScreenId backTo = partOne ? ScreenId::Intro : ScreenId::quiz;
    connect(back, &QPushButton::clicked, this, [this, backTo] { this->shell().flow().navigate(id(), backTo); });
    connect(next, &QPushButton::clicked, this, [this, part] { this->shell().finishPart(part); });

    if (!partOne) {
        form().picture("Picture7", Picture::CompanyLogo, {4920, 6720, 2055, 735});
        // The Part I totals travel in four fields nobody sees.
        for (std::size_t i = 0; i < 4; ++i) {
            const QByteArray name = "Text" + QByteArray::number(static_cast<int>(i) + 1);
            totals_[i] = form().textField(name.constData(), {}, {2640, 6360 + 360 * static_cast<int>(i), 975, 255});
            totals_[i]->hide();
        }
    }

    // Grid lines between the cells.
    for (const int top : {2280, 4200, 6120})
        form().line("Line1", 0, top, 10560, top);
    if (partOne) {
        for (const int left : {2520, 5160, 7800})
            form().line("Line2", left, 0, left, 8040);
    } else {
        form().line("Line2", 2400, 0, 2400, 8040);
        form().line("Line2", 5160, 0, 5160, 6120);
        form().line("Line2", 7800, 0, 7800, 6120);
    }

    followSession([this] {
        showMarks();
        showPartOneTotals();
    });
}

void QuizPage::buildBox(const WordBox& box, int x, int y)
{
    const QString boxLabel = boxName(box.number);
    const QByteArray panelName = "Box" + QByteArray::number(box.number);
    // The words' panel lies over the Least panel's empty left part.
    QWidget* words = form().panel(panelName + "Most", {x, y, 1335, 1575});
    QWidget* least = form().panel(panelName + "Least", {x + 1080, y, 615, 1665});
    // Created column by column, so that Tab goes from the Most column to the Least column
    // and on to the definition buttons; the arrow keys move within a column.
    for (const auto column : {MarkColumn::Most, MarkColumn::Least}) {
        for (int row = 1; row <= kRowsPerBox; ++row) {
            const auto& word = box.words[static_cast<std::size_t>(row - 1)];
            const QString caption = QString::fromUtf8(word.caption);
            const int top = 120 + kRowStep * (row - 1);
            QRadioButton* circle = nullptr;
            if (column == MarkColumn::Most) {
                circle =
                    form().radio(word.mostOption.data(), caption, {0, top, box.number == 19 ? 1335 : 1215, 255}, words);
                circle->setAccessibleDescription(QStringLiteral("%1, Most like me").arg(boxLabel));
            } else {
                circle = form().radio(word.leastOption.data(), {}, {360, top, 255, 255}, least);
                circle->setAccessibleName(QStringLiteral("%1, %2, Least like me").arg(boxLabel, caption));
            }
            connect(circle, &QRadioButton::clicked, this, [this, circle] { circleClicked(circle); });
        }
    }
    for (int row = 1; row <= kRowsPerBox; ++row) {
        const auto& word = box.words[static_cast<std::size_t>(row - 1)];
        const QString caption = QString::fromUtf8(word.caption);
        auto* definition =
            form().button(word.definitionButton.data(), {}, {x - 360, y + 120 + kRowStep * (row - 1), 255, 255});
        definition->setAccessibleName(QStringLiteral("Definition of %1").arg(caption));
        definition->setAccessibleDescription(boxLabel);
        connect(definition, &QPushButton::clicked, this,
                [this, name = definition->objectName()] { definitionPressed(name); });
    }

    const bool firstColumn = x == kCellLefts[0];
    const int labelWidth = box.number == 10 || box.number == 24 ? 735 : 495;
    // The label keeps to one line even where the stand-in font runs wider than the original.
    const QPalette system;
    form().label("Label2", boxLabel, {firstColumn ? x + 360 : x + 480, y + 1560, labelWidth, 255},
                 {.text = system.color(QPalette::Highlight), .oneLine = true});
}

void QuizPage::circleClicked(QRadioButton* circle)
{
    if (!circle->isChecked())
        return;
    const auto at = WordBank::instance().circleNamed(part_, circle->objectName().toStdString());
    shell().session().selectMark(at->column, at->box, at->row);
}

void QuizPage::definitionPressed(const QString& buttonName)
{
    const auto at = WordBank::instance().definitionButtonNamed(part_, buttonName.toStdString());
    const auto& word = WordBank::instance().word(at->box, at->row);
    shell().dialogs().inform(this, MessageKind::WordDefinition, QString::fromUtf8(word.definition));
}

void QuizPage::showMarks()
{
    const auto& sheet = shell().session().answers();
    for (const auto& box : WordBank::instance().boxesOf(part_)) {
        const auto& marks = sheet.marks(box.number);
        for (int row = 1; row <= kRowsPerBox; ++row) {
            const auto& word = box.words[static_cast<std::size_t>(row - 1)];
            setMarked(findChild<QRadioButton*>(QString::fromUtf8(word.mostOption)), marks.most == row);
            setMarked(findChild<QRadioButton*>(QString::fromUtf8(word.leastOption)), marks.least == row);
        }
    }
}

void QuizPage::showPartOneTotals()
{
    if (part_ != QuizScreen::Quiz2)
        return;
    for (std::size_t i = 0; i < 4; ++i)
        totals_[i]->setText(shell().session().partTwo().partOneTotals[i]);
}

} // namespace tessaly
