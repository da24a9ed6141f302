#include "Content.h"

#include "Product.h"

namespace tessaly {

QStringList contentLines(std::string_view text)
{
    QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

QString contentLine(std::string_view text)
{
    const QStringList lines = contentLines(text);
    return lines.isEmpty() ? QString() : lines.front();
}

QString versionText() { return QStringLiteral("Version ") + QString::fromUtf8(kVersion); }

} // namespace tessaly
