#include "Style.h"

#include <QApplication>
#include <QFont>

namespace tessaly {

void applyHouseFonts(QApplication& app)
{
#ifdef Q_OS_WIN
    // Windows has the faces the screens name; the old bitmap face may be served by its successor.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"));
#else
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
#endif
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    app.setFont(font);
}

} // namespace tessaly
