#include "Intro.h"

#include "Dialogs.h"
#include "Marks.h"
#include "Messages.h"
#include "Moves.h"
#include "Printouts.h"
#include "ScreenFlow.h"
#include "Session.h"
#include "WordControls.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <array>

namespace tessaly {
namespace {

const Look kTimes{.family = QStringLiteral("Times New Roman"), .points = 9.75};
const QColor kOlive{192, 192, 0};

// The sample box repeats box 1, its controls named as there: where the Most circle (with the
// word) and the Least circle of each row lie inside the two panels, and the top of its
// definition button.
struct SampleRow {
    Place mostAt;
    Place leastAt;
    int definitionTop;
};

constexpr std::array<SampleRow, 4> kSampleRows{{
    {{0, -30, 1215, 555}, {360, 120, 255, 255}, 3720},
    {{0, 480, 1215, 255}, {360, 480, 255, 255}, 4080},
    {{0, 840, 1215, 255}, {360, 840, 255, 255}, 4440},
    {{0, 1200, 1215, 255}, {360, 1200, 255, 255}, 4800},
}};

const WordControls& sampleControls(std::size_t row) { return controlsOf(1, static_cast<int>(row) + 1); }

} // namespace

IntroScreen::IntroScreen(Shell& shell, Moves& moves, Session& session, ScreenFlow& flow, Dialogs& dialogs,
                         const PrintParts& printing)
    : ScreenWindow(ScreenId::Intro, shell), session_(session), flow_(flow), dialogs_(dialogs), printing_(printing)
{
    addStandardMenus({"mnufile", "File"}, {{"prtform", "Print Form", [this] {
                                                printScreen(printing_, ScreenId::Intro, kScreenPrintFailure);
                                            }}});
    // The questionnaire's first screen, with its fifteen boxes, is built while the person reads.
    readAhead([this] { flow_.screen(ScreenId::quiz); });
    // Built in the order of the screen's table: earlier controls lie on top and come first
    // in the tab order.
    buildHeading();
    const auto [mostPanel, leastPanel] = buildSampleFrame();
    buildColorsFrame();
    Form& f = form();
    f.label(
        "Label6",
        QStringLiteral("Select the one word that you feel is MOST like You.  Click to blacken the circle after that "
                       "particular word in the MOST column."),
        {3240, 3720, 3255, 735});

    buildSampleRows(mostPanel, leastPanel);

    f.label(
        "Label7",
        QStringLiteral("Select only one word that you feel is LEAST like You.  Click to blacken the circle after that "
                       "particular word in the LEAST column."),
        {3240, 4560, 3255, 735});
    f.label("Label8", QStringLiteral("Continue in the same manner, until all boxes are complete."),
            {3240, 5400, 3255, 495});
    auto* start = f.button("Command1", QStringLiteral("START the Tessaly"), {7560, 5640, 1815, 855});
    f.label("Label11", QStringLiteral("Press the button to the left of the descriptive word for the defintion."),
            {3240, 6120, 3255, 495});
    auto* back = f.button("Command3", QStringLiteral("Back"), {1200, 6360, 615, 495});

    connect(start, &QPushButton::clicked, this, [&moves] { moves.startQuestionnaire(); });
    connect(back, &QPushButton::clicked, this, [this] { flow_.navigate(ScreenId::Intro, ScreenId::step1); });

    followSession(session_, [this] { showSampleMarks(); });
}

void IntroScreen::buildHeading()
{
    Form& f = form();
    f.picture(member("Picture1", 1), Picture::ProgrammeLogo, {0, 0, 3855, 1815});
    f.label("Label12", QStringLiteral("The World would be a horrible place with out "), {4080, 240, 4095, 375}, kTimes);
    const std::array<QColor, 5> letterColors{kRed, kBlue, kGreenText, kOlive, kRed};
    const std::array<int, 5> letterLefts{7755, 8040, 8355, 8595, 8880};
    const QString color = QStringLiteral("COLOR");
    for (std::size_t i = 0; i < 5; ++i)
        f.label(member("Label14", static_cast<int>(i)), color.mid(static_cast<qsizetype>(i), 1),
                {letterLefts[i], 120, 255, 495}, {.points = 13.5, .text = letterColors[i]});
    auto* manualNote = f.label(member("Label13", 1), QStringLiteral("Print the Manual Version of the Tessaly."),
                               {4080, 840, 1815, 495}, {.text = kRed});
    // The label reaches under the button beside it; its words keep clear of the button.
    manualNote->setContentsMargins(0, 0, 4, 0);
    auto* manual = f.button("Command4", QStringLiteral("Print Manual Tessaly"), {5880, 720, 975, 735});
    connect(manual, &QPushButton::clicked, this, [this] {
        print(printing_,
              {QStringLiteral("Tessaly paper version.pdf"), [](Printer& printer) { return printPaperVersion(printer); },
               true},
              QStringLiteral("You can not Print the Manual Tessaly at this time!"));
    });
    f.picture(member("Picture1", 0), Picture::CompanyLogo, {7440, 1080, 2055, 975});
    f.label("Label1",
            QStringLiteral(
                "Welcome to the Corvane Tessaly.  By completing this short quiz, you will soon know your true Colors!"),
            {480, 2040, 5775, 1215},
            {.family = QStringLiteral("Times New Roman"), .points = 14.25, .bold = true, .text = kBlue});
}

std::pair<QWidget*, QWidget*> IntroScreen::buildSampleFrame()
{
    Form& f = form();
    f.line("Line1", 7200, 2520, 9600, 2520);
    f.line("Line2", 9600, 2520, 9600, 5520);
    f.line("Line3", 7200, 5520, 9600, 5520);
    f.line("Line4", 7200, 2520, 7200, 5520);
    f.label("Label5",
            QStringLiteral(
                "Read the four words in the box, see bottom right, while thinking about how you act and feel at work."),
            {3240, 2880, 3255, 735});
    f.label("Label9", QStringLiteral("Most Like You"), {8640, 2880, 495, 855}, {.text = kRed});
    f.label("Label10", QStringLiteral("Least Like You"), {9120, 2880, 495, 855}, {.text = kBlue});
    QWidget* mostPanel = f.panel("Picture35", {7680, 3600, 1335, 1575});
    QWidget* leastPanel = f.panel("Picture36", {8760, 3600, 615, 1665});
    mostPanel->setAccessibleName(QStringLiteral("Sample box, Most like me"));
    leastPanel->setAccessibleName(QStringLiteral("Sample box, Least like me"));
    return {mostPanel, leastPanel};
}

void IntroScreen::buildColorsFrame()
{
    Form& f = form();
    QGroupBox* frame1 = f.frame("Frame1", QStringLiteral("Color Combinations"), {240, 3720, 2655, 2415});
    frame1->setAutoFillBackground(true);
    f.label(member("Label13", 0),
            QStringLiteral(
                "To learn more about the Color Combinations and skip taking the Tessaly, press \"The Colors\" button."),
            {240, 600, 2175, 1215}, {}, frame1);
    auto* colors = f.button("Command2", QStringLiteral("The Colors"), {720, 1680, 1215, 495}, frame1);
    connect(colors, &QPushButton::clicked, this, [this] { flow_.navigate(ScreenId::Intro, ScreenId::choice1); });
}

void IntroScreen::buildSampleRows(QWidget* mostPanel, QWidget* leastPanel)
{
    Form& f = form();
    // The definition buttons, then the Most column, then the Least column: Tab goes from
    // one to the next and the arrow keys move within a column.
    const auto& words = WordBank::instance().box(1).words;
    for (std::size_t i = 0; i < kSampleRows.size(); ++i) {
        auto* definition = f.button(sampleControls(i).definition, {}, {7320, kSampleRows[i].definitionTop, 255, 255});
        QPalette grey = definition->palette();
        grey.setColor(QPalette::Button, kLightGrey);
        definition->setPalette(grey);
        definition->setAccessibleName(QStringLiteral("Definition of %1").arg(QString::fromUtf8(words[i].caption)));
        connect(definition, &QPushButton::clicked, this,
                [this, i] { dialogs_.inform(this, kWordDefinitionBox, QString::fromUtf8(sampleDefinitions()[i])); });
    }
    for (const auto column : {MarkColumn::Most, MarkColumn::Least}) {
        for (std::size_t i = 0; i < kSampleRows.size(); ++i) {
            const auto& row = kSampleRows[i];
            const QString word = QString::fromUtf8(words[i].caption);
            QRadioButton* circle = nullptr;
            if (column == MarkColumn::Most) {
                circle = sampleMost_[i] = f.radio(sampleControls(i).most, word, row.mostAt, mostPanel);
                circle->setAccessibleDescription(QStringLiteral("Sample box, Most like me"));
            } else {
                circle = sampleLeast_[i] = f.radio(sampleControls(i).least, {}, row.leastAt, leastPanel);
                circle->setAccessibleName(QStringLiteral("Sample box, %1, Least like me").arg(word));
            }
            connect(circle, &QRadioButton::toggled, this, [this, column, r = static_cast<int>(i) + 1](bool checked) {
                if (checked)
                    session_.selectSampleMark(column, r);
            });
        }
    }
}

void IntroScreen::showSampleMarks()
{
    const BoxMarks& marks = session_.sampleBox();
    for (std::size_t i = 0; i < kSampleRows.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        setMarked(sampleMost_[i], marks.most == row);
        setMarked(sampleLeast_[i], marks.least == row);
    }
}

} // namespace tessaly
