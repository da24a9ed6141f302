#include "WindowsWindowStacking.h"

#include <QDialog>
#include <QWidget>

#include <gtest/gtest.h>

#include <windows.h>

using namespace tessaly;

namespace {

HWND handleOf(QWidget& widget) { return reinterpret_cast<HWND>(widget.winId()); }

// Whether `upper` lies above `lower` in the desktop's stacking order.
bool above(HWND upper, HWND lower)
{
    for (HWND w = GetWindow(upper, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == lower)
            return true;
    }
    return false;
}

} // namespace

TEST(WindowsWindowStacking, AScreenJoinsTheTopmostWindowsWhereItStandsWithItsBoxesAboveIt)
{
    QWidget screen;
    screen.setGeometry(100, 100, 320, 200);
    QWidget other;
    other.setGeometry(150, 150, 320, 200);
    other.show();
    QDialog box(&screen);
    box.setGeometry(120, 120, 200, 100);
    const QRect placed = screen.geometry();

    WindowsWindowStacking stacking;
    stacking.keepOnTop(screen);
    // A hidden screen is shown, among the topmost windows, where it stood.
    EXPECT_TRUE(screen.isVisible());
    EXPECT_TRUE(IsWindowVisible(handleOf(screen)));
    EXPECT_TRUE(GetWindowLongPtrA(handleOf(screen), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(GetWindowLongPtrA(handleOf(other), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(above(handleOf(screen), handleOf(other)));
    EXPECT_EQ(screen.geometry(), placed);

    box.show();
    stacking.keepOnTop(screen);
    EXPECT_TRUE(above(handleOf(box), handleOf(screen)));
}
