#pragma once

#include <QDialog>

namespace tessaly {

class Dialogs;
class ScreenFlow;
class SystemInfoTool;

// The About box: modeless, at the window system's default place, closed by OK,
// Enter or Escape, and built afresh by the next About.
class AboutBox final : public QDialog {
    Q_OBJECT

public:
    AboutBox(ScreenFlow& flow, Dialogs& dialogs, SystemInfoTool& systemInfo);

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    ScreenFlow& flow_;
};

} // namespace tessaly
