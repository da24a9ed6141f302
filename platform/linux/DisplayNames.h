#pragma once

#include <string>
#include <string_view>

namespace tessaly {

// In a Wayland session the program runs through XWayland, where its screens can keep the
// fixed places and the place on top that they need; unless the user chose a platform.
bool wantsXWayland(std::string_view waylandDisplay, std::string_view x11Display, std::string_view chosenPlatform,
                   bool platformOnCommandLine);

// The display Qt's platform `platform` (QT_QPA_PLATFORM, empty where not set) opens, in words.
std::string displayInWords(std::string_view platform, std::string_view waylandDisplay, std::string_view x11Display);

} // namespace tessaly
