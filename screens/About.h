#pragma once

#include <QDialog>

namespace tessaly {

class Shell;

// The About box: modeless, at the window system's default place, closed by OK,
// Enter or Escape, and built afresh by the next About.
class AboutBox final : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(Shell& shell);

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Shell& shell_;
};

} // namespace tessaly
