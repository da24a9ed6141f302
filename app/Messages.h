#pragma once

#include "Completeness.h"
#include "Dialogs.h"

#include <QString>

namespace tessaly {

// The boxes with a single OK button that the shell and the screens show, by purpose.
inline constexpr BoxLook kWordDefinitionBox{BoxSign::Question, BoxTitle::Company};
inline constexpr BoxLook kMissedQuestionBox{BoxSign::None, BoxTitle::Company};
inline constexpr BoxLook kPrintFailureBox{BoxSign::Question, BoxTitle::Company};
inline constexpr BoxLook kNoticeBox{BoxSign::None, BoxTitle::Application};

// What the missed-question box says of the first mark missing.
QString missedQuestionMessage(const MissingChoice& missing);

} // namespace tessaly
