#pragma once

#include "Dialogs.h"

namespace tessaly {

// The boxes with a single OK button that the shell and the screens show, by purpose.
inline constexpr BoxLook kWordDefinitionBox{BoxSign::Question, BoxTitle::Company};
inline constexpr BoxLook kMissedQuestionBox{BoxSign::None, BoxTitle::Company};
inline constexpr BoxLook kPrintFailureBox{BoxSign::Question, BoxTitle::Company};
inline constexpr BoxLook kNoticeBox{BoxSign::None, BoxTitle::Application};

} // namespace tessaly
