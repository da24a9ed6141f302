#include "DisplayNames.h"

#include <gtest/gtest.h>

using tessaly::wantsXWayland;

TEST(WindowSystem, AWaylandSessionRunsThroughXWaylandUnlessAPlatformWasChosen)
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

TEST(WindowSystem, NoDisplayNamesTheOneItTried)
{
    struct Case {
        const char* platform;
        const char* wayland;
        const char* x11;
        const char* words;
    };
    const Case cases[] = {
        {"", "", ":0", "X11 display \":0\""},
        {"xcb", "wayland-0", "", "X11 display (DISPLAY is not set)"},
        {"wayland", "wayland-1", ":0", "Wayland display \"wayland-1\""},
        {"wayland-egl", "", "", "Wayland display (WAYLAND_DISPLAY is not set)"},
        {"eglfs", "", "", "display of the platform \"eglfs\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tessaly::displayInWords(c.platform, c.wayland, c.x11), c.words) << c.platform;
}
