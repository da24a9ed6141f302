#include "Printouts.h"

#include "Printer.h"
#include "StrengthCircleChart.h"
#include "StyleLibrary.h"

#include <QPainter>
#include <QWidget>

namespace tessaly {

void drawStrengthCircle(const StrengthValues& values, DrawSurface& surface)
{
    StrengthCircleChart({values[0].number(), values[1].number(), values[2].number(), values[3].number()}, surface);
}

QPicture screenImage(QWidget& client)
{
    QPicture image;
    QPainter painter(&image);
    client.render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    painter.end();
    return image;
}

bool PrintScreenImage(Printer& printer, const QPicture& client, const QString& title)
{
    const auto page = printer.StartDoc(title);
    return page && page->PrintScreen(client) && page->EndDoc();
}

bool printValues(Printer& printer, const QString& name, const StrengthValues& values)
{
    const auto page = printer.StartDoc(QStringLiteral("Strength Circle"));
    if (!page)
        return false;
    // The chart fills the top of the page; twenty empty lines bring the text below it.
    for (int i = 0; i < 20; ++i) {
        if (!page->PrintLine({}))
            return false;
    }
    const QString lines[] = {
        QStringLiteral("START to Understand ") + name,
        QStringLiteral("Your Red Value is:  ") + values[0].text(),
        QStringLiteral("Your Yellow Value is:  ") + values[1].text(),
        QStringLiteral("Your Blue Value is:  ") + values[2].text(),
        QStringLiteral("Your Green Value is:  ") + values[3].text(),
    };
    for (const auto& line : lines) {
        if (!page->PrintLine(line))
            return false;
    }
    drawStrengthCircle(values, *page);
    return page->EndDoc();
}

bool printDescription(Printer& printer, const StyleDescription& style)
{
    const auto page = printer.StartDoc(QString::fromUtf8(style.heading));
    if (!page || !page->SetBold(true))
        return false;
    for (const auto line : style.printHeader) {
        if (!page->PrintLine(QString::fromUtf8(line)))
            return false;
    }
    if (!page->SetBold(false))
        return false;
    for (const auto line : style.printLines) {
        if (!page->PrintLine(QString::fromUtf8(line)))
            return false;
    }
    return page->EndDoc();
}

bool printPaperVersion(Printer& printer)
{
    for (const auto& [title, picture] : {std::pair{"Manual Quiz", ":/assets/paper-answer-sheet.png"},
                                         std::pair{"mangraph", ":/assets/paper-graph-sheet.png"}}) {
        const auto page = printer.StartDoc(QString::fromLatin1(title));
        if (!page || !page->PrintPicture(QString::fromLatin1(picture)) || !page->EndDoc())
            return false;
    }
    return true;
}

} // namespace tessaly
