#include "Style.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace tessaly {

void applyHouseFonts(QApplication& app)
{
    struct StandIn {
        QString face;
        QString standIn;
    };
#ifdef Q_OS_WIN
    // Windows has the faces the screens name; the old bitmap face may be served by its successor.
    const StandIn standIns[] = {{QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif")}};
#else
    const StandIn standIns[] = {
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")},
    };
#endif
    // The installed families by their own names; the database's look-up by name would accept
    // a face the system only aliases to another.
    const QStringList installed = QFontDatabase::families();
    for (const auto& [face, standIn] : standIns) {
        if (!installed.contains(face, Qt::CaseInsensitive))
            QFont::insertSubstitution(face, standIn);
    }
    QFont font(houseFamily(QStringLiteral("MS Sans Serif")));
    font.setPointSizeF(8.25);
    app.setFont(font);
}

QString houseFamily(const QString& family) { return QFont::substitute(family); }

} // namespace tessaly
