#pragma once

#include "ScreenId.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>

namespace tessaly {

class WindowStacking;

// Owns the screens: each exists at most once, is created on first touch and is
// afterwards only hidden and shown, until it is discarded.
class ScreenFlow final : public QObject {
    Q_OBJECT

public:
    using Factory = std::function<QWidget*(ScreenId)>;

    ScreenFlow(WindowStacking& stacking, std::function<void()> endProgram);
    ~ScreenFlow() override;

    void setFactory(Factory factory) { factory_ = std::move(factory); }

    // The screen, created hidden if it does not exist yet.
    QWidget* screen(ScreenId id);
    // The screen if it exists, or nullptr.
    QWidget* existing(ScreenId id) const { return screens_[index(id)]; }

    // Makes the screen visible and active, above the others. It hides no other screen: the
    // screens are modeless, and those already on view stay there and stay usable. Nothing is
    // shown once the program is ending.
    void show(ScreenId id);
    void hide(ScreenId id);
    void discard(ScreenId id);
    void navigate(ScreenId from, ScreenId to);
    void discardAll();
    // Ends the program; until the next begin(), ending() is true and no screen is shown, so
    // that a box still open then changes nothing once it is answered.
    void endProgram();
    bool ending() const { return ending_; }
    // The program starts (in the tests, again).
    void begin() { ending_ = false; }
    // The screen on view that was shown last, or any screen on view; nullptr where none is.
    QWidget* front() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static std::size_t index(ScreenId id) { return static_cast<std::size_t>(id); }

    WindowStacking& stacking_;
    std::function<void()> endProgram_;
    Factory factory_;
    std::array<QPointer<QWidget>, 33> screens_;
    QPointer<QWidget> front_;
    Qt::ApplicationState applicationState_ = Qt::ApplicationInactive;
    bool returningFromOutside_ = false;
    bool ending_ = false;
};

} // namespace tessaly
