#include "ScreenFlow.h"

#include "WindowStacking.h"

#include <QEvent>
#include <QGuiApplication>

namespace tessaly {

ScreenFlow::ScreenFlow(WindowStacking& stacking, std::function<void()> endProgram)
    : stacking_(stacking), endProgram_(std::move(endProgram))
{
    static_assert(std::tuple_size_v<decltype(screens_)> == static_cast<std::size_t>(ScreenId::Icon) + 1);
    // A screen activated because the user came back from another program does not
    // re-assert its place on top; one activated from another window of ours does.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (applicationState_ == Qt::ApplicationActive && state != Qt::ApplicationActive)
            returningFromOutside_ = true;
        applicationState_ = state;
    });
}

ScreenFlow::~ScreenFlow()
{
    for (auto& s : screens_)
        delete s.data();
}

QWidget* ScreenFlow::screen(ScreenId id)
{
    auto& slot = screens_[index(id)];
    if (!slot) {
        slot = factory_(id);
        slot->setObjectName(QString::fromUtf8(screenInfo(id).name));
        if (screenInfo(id).working)
            slot->installEventFilter(this);
    }
    return slot;
}

void ScreenFlow::show(ScreenId id)
{
    if (ending_)
        return;
    QWidget* w = screen(id);
    front_ = w;
    if (screenInfo(id).working) {
        stacking_.keepOnTop(*w);
    } else {
        w->show();
        w->raise();
    }
    w->activateWindow();
}

void ScreenFlow::hide(ScreenId id) { screen(id)->hide(); }

void ScreenFlow::discard(ScreenId id)
{
    auto& slot = screens_[index(id)];
    if (!slot)
        return;
    QWidget* w = slot;
    slot = nullptr;
    w->hide();
    // The screen may be running the very handler that discards it.
    w->deleteLater();
}

void ScreenFlow::navigate(ScreenId from, ScreenId to)
{
    hide(from);
    show(to);
}

void ScreenFlow::discardAll()
{
    for (const auto& info : allScreens())
        discard(info.id);
}

void ScreenFlow::endProgram()
{
    ending_ = true;
    endProgram_();
}

QWidget* ScreenFlow::front() const
{
    if (front_ && front_->isVisible())
        return front_;
    for (const auto& screen : screens_) {
        if (screen && screen->isVisible())
            return screen;
    }
    return nullptr;
}

bool ScreenFlow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        if (returningFromOutside_)
            returningFromOutside_ = false;
        else if (auto* w = qobject_cast<QWidget*>(watched); w && w->isVisible())
            stacking_.keepOnTop(*w);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tessaly
