#include "Startup.h"

#include <gtest/gtest.h>

using tessaly::wantsXWayland;

TEST(Startup, AWaylandSessionRunsThroughXWaylandUnlessAPlatformWasChosen)
{
    struct Case {
        const char* wayland;
        const char* x11;
        const char* platform;
        bool onCommandLine;
        bool xwayland;
    };
    const Case cases[] = {
        {"wayland-0", ":0", "", false, true}, // a Wayland session with XWayland
        {"", ":0", "", false, false}, // plain X11: Qt picks xcb by itself
        {"wayland-0", "", "", false, false}, // no XWayland to go to: stay native
        {"wayland-0", ":0", "wayland", false, false}, // the user chose a platform
        {"wayland-0", ":0", "offscreen", false, false},
        {"wayland-0", ":0", "", true, false}, // -platform on the command line
    };
    for (const auto& c : cases)
        EXPECT_EQ(wantsXWayland(c.wayland, c.x11, c.platform, c.onCommandLine), c.xwayland)
            << c.wayland << " " << c.x11 << " " << c.platform << " " << c.onCommandLine;
}
