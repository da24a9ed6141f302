#include "Style.h"

#include "FontStandIns.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace tessaly {

void applyHouseFonts(QApplication& app)
{
    // The installed families by their own names; the database's look-up by name would accept
    // a face the system only aliases to another.
    const QStringList installed = QFontDatabase::families();
    for (const auto& [face, standIn] : fontStandIns()) {
        if (!installed.contains(face, Qt::CaseInsensitive))
            QFont::insertSubstitution(face, standIn);
    }
    QFont font(houseFamily(QStringLiteral("MS Sans Serif")));
    font.setPointSizeF(8.25);
    app.setFont(font);
}

QString houseFamily(const QString& family) { return QFont::substitute(family); }

} // namespace tessaly
