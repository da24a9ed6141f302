#pragma once

class QRadioButton;

namespace tessaly {

// Sets or clears an option button without firing its handlers, which answer only the person
// (a click, a key, or a screen reader's toggle). A group of option buttons never lets its
// filled button be emptied directly, so the group lets go for a moment.
void setMarked(QRadioButton* circle, bool marked);

} // namespace tessaly
