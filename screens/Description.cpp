#include "Description.h"

#include "Banner.h"
#include "Expect.h"
#include "PainterSurface.h"
#include "Printouts.h"
#include "ScreenFlow.h"
#include "StyleLibrary.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tessaly {
namespace {

// The circles of these screens draw green in its darker shade.
QColor badgeColor(Color c) { return c == Color::Green ? kDarkGreenFill : displayColor(c); }

const char* textBoxName(ScreenId id)
{
    switch (id) {
    case ScreenId::bluered:
    case ScreenId::bluegreen:
        return "Text4";
    case ScreenId::blueyellow:
    case ScreenId::greenred:
    case ScreenId::greenblue:
        return "Text2";
    default:
        return "Text1";
    }
}

} // namespace

DescriptionScreen::DescriptionScreen(ScreenId id, Shell& shell, ScreenFlow& flow, const PrintParts& printing)
    : ScreenWindow(id, shell)
{
    // Only the three blue-first screens print an image of themselves.
    const bool printable = id == ScreenId::bluered || id == ScreenId::bluegreen || id == ScreenId::blueyellow;
    if (printable) {
        addStandardMenus({"mnufile", "File"}, {{"prtform", "Print", [this, printing] {
                                                    printScreen(printing, this->id(), kScreenPrintFailure);
                                                }}});
    } else
        addStandardMenus({"mnufile", "File"});

    const StyleDescription& style =
        expect(StyleLibrary::byScreen(screenInfo(id).name), "a description screen is made only for a library entry");
    Form& f = form();
    const QString times = QStringLiteral("Times New Roman");
    f.label("Label2", QStringLiteral("S T A R T"), pixels(152, 8, 17, 97),
            {.family = times, .points = 12, .text = Qt::white, .back = kRed, .align = Qt::AlignCenter});
    f.label("Label1", QStringLiteral("TO UNDERSTAND ME"), pixels(176, 8, 129, 97),
            {.family = times, .points = 12, .bold = true, .text = kRed});
    f.line("Line1", 152 * 15, 8 * 15, 312 * 15, 8 * 15);
    f.line("Line2", 152 * 15, 104 * 15, 312 * 15, 104 * 15);
    f.line("Line3", 312 * 15, 8 * 15, 312 * 15, 104 * 15);
    f.circle("Shape1", pixels(232, 48, 25, 25), badgeColor(style.first))
        ->setAccessibleName(circleName(Rank::First, style.first));
    f.circle("Shape2", pixels(232, 75, 25, 25), badgeColor(style.second))
        ->setAccessibleName(circleName(Rank::Second, style.second));
    const Look heading{.family = times, .points = 8.25, .bold = true};
    const QString headingText = QString::fromUtf8(style.heading);
    f.label("Label3", headingText, pixels(144, 112, 265, 25), heading);
    // The longer nicknames run on to the right rather than break onto a line the box would cover.
    Look nickname = heading;
    nickname.oneLine = true;
    f.label("Label4", QString::fromUtf8(style.nickname), pixels(192, 128, 105, 25), nickname);

    auto* text = f.add(new QPlainTextEdit(client()), QString::fromLatin1(textBoxName(id)), pixels(16, 152, 441, 161));
    text->setAccessibleName(headingText);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setWordWrapMode(QTextOption::WordWrap);
    // Tab moves on to the buttons; a description never gains tab characters on the way.
    text->setTabChangesFocus(true);
    QString description = QString::fromUtf8(style.screenText);
    description.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (description.endsWith('\n'))
        description.chop(1);
    text->setPlainText(description);

    f.picture("Picture1", Picture::CompanyLogo, pixels(16, 336, 137, 49));
    auto* printText = f.button("Command1", QStringLiteral("Print Text"), pixels(224, 336, 49, 33));
    // The stored print text goes to paper, never what was typed into the box.
    connect(printText, &QPushButton::clicked, this, [this, printing, &style] {
        print(printing,
              {QStringLiteral("Tessaly %1 text.pdf").arg(QString::fromLatin1(screenInfo(this->id()).name)),
               [&style](Printer& printer) { return printDescription(printer, style); }},
              QStringLiteral("You can not Print the text at this time!"));
    });
    auto* back = f.button(id == ScreenId::bluered ? "Command5" : "Command4",
                          QStringLiteral("Back to Color Description"), pixels(360, 336, 89, 33));
    connect(back, &QPushButton::clicked, this, [this, &flow] { flow.navigate(this->id(), ScreenId::choice1); });
}

} // namespace tessaly
