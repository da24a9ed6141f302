#include "About.h"

#include "Content.h"
#include "EmbeddedText.h"
#include "Form.h"
#include "Product.h"
#include "ScreenFlow.h"
#include "ScreenId.h"
#include "Shell.h"
#include "WindowPlacing.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace tessaly {

AboutBox::AboutBox(ScreenFlow& flow, Dialogs& dialogs, SystemInfoTool& systemInfo)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), flow_(flow)
{
    setFixedSize(clientSize(ScreenId::frmAbout));
    paintBackground(*this, Qt::white);

    Form form(this);
    form.picture("picIcon", Picture::CompanyLogo, {240, 360, 2025, 930});
    form.label("lblTitle", QString::fromUtf8(kCompanyTitle), {2400, 360, 2565, 480});
    auto* version = form.label("lblVersion", {}, {2400, 600, 2205, 225});
    form.label("lblDescription", contentLine(embedded::aboutDescription()), {2400, 1200, 2205, 690});
    form.line("Line1", 120, 1920, 5040, 1920, QColor(128, 128, 128));
    auto* ok = form.button("cmdOK", QStringLiteral("OK"), {3720, 2040, 1260, 345});
    form.label("lblDisclaimer", contentLine(embedded::legalWarning()), {255, 2280, 3030, 825});
    auto* sysInfo = form.button("cmdSysInfo", QStringLiteral("&System Info..."), {3720, 2520, 1245, 345});

    // Creation gives the box its title and version.
    setWindowTitle(titleOf(ScreenId::frmAbout));
    version->setText(versionText());

    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(sysInfo, &QPushButton::clicked, this,
            [this, &systemInfo, &dialogs] { StartSysInfo(systemInfo, dialogs, this); });
}

void AboutBox::showEvent(QShowEvent* event)
{
    // A dialog would centre itself over its parent and ask the window system for that place.
    // The box asks for no place at all, so it opens where the window system puts new windows;
    // where the program must ask for that place itself (Qt would centre it on Windows), it does.
    if (!event->spontaneous()) {
        if (const auto at = systemDefaultPosition())
            move(*at);
    }
    QWidget::showEvent(event);
}

void AboutBox::done(int result)
{
    // OK, Enter, Escape and the frame's close button all throw the box away.
    QDialog::done(result);
    flow_.discard(ScreenId::frmAbout);
}

} // namespace tessaly
