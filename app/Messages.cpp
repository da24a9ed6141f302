#include "Messages.h"

namespace tessaly {

QString missedQuestionMessage(const MissingChoice& missing)
{
    return QStringLiteral("You have missed a question!  Please decide in Blocknumber %1 which word %2 describes you!")
        .arg(missing.box)
        .arg(missing.column == MarkColumn::Most ? QStringLiteral("Most") : QStringLiteral("Least"));
}

} // namespace tessaly
