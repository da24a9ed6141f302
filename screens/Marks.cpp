#include "Marks.h"

#include <QRadioButton>
#include <QSignalBlocker>

namespace tessaly {

void setMarked(QRadioButton* circle, bool marked)
{
    if (circle->isChecked() == marked)
        return;
    const QSignalBlocker quiet(circle);
    circle->setAutoExclusive(false);
    circle->setChecked(marked);
    circle->setAutoExclusive(true);
}

} // namespace tessaly
