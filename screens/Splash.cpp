#include "Splash.h"

#include "ScreenFlow.h"
#include "Shell.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace tessaly {
namespace {

// Only the panel's own uncovered area reacts; its labels and pictures take their own events.
class SplashPanel final : public QWidget {
public:
    SplashPanel(Shell& shell, QWidget* parent) : QWidget(parent), shell_(shell) { setMouseTracking(true); }

protected:
    void mouseMoveEvent(QMouseEvent*) override { leave(); }
    void mousePressEvent(QMouseEvent*) override { leave(); }

private:
    void leave()
    {
        if (left_)
            return;
        left_ = true;
        shell_.leaveSplash();
    }

    Shell& shell_;
    bool left_ = false;
};

} // namespace

SplashScreen::SplashScreen(Shell& shell) : ScreenWindow(ScreenId::frmSplash, shell)
{
    auto* frame = new SplashPanel(shell, client());
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(toPixels({480, 240, 6465, 4755}));
    frame->setAutoFillBackground(true);
}

void SplashScreen::keyPressEvent(QKeyEvent* event)
{
    if (event->text().isEmpty()) {
        ScreenWindow::keyPressEvent(event);
        return;
    }
    shell().flow().show(ScreenId::step1);
}

} // namespace tessaly
