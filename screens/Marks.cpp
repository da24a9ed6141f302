#include "Marks.h"

#include <QRadioButton>

namespace tessaly {

void setMarked(QRadioButton* circle, bool marked)
{
    if (circle->isChecked() == marked)
        return;
    circle->setAutoExclusive(false);
    circle->setChecked(marked);
    circle->setAutoExclusive(true);
}

} // namespace tessaly
