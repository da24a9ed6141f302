#include "About.h"

#include "Form.h"
#include "ScreenFlow.h"
#include "ScreenId.h"
#include "Shell.h"

#include <QPushButton>

namespace tessaly {

AboutBox::AboutBox(Shell& shell) : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), shell_(shell)
{
    setWindowTitle(titleOf(ScreenId::frmAbout));
    setFixedSize(clientSize(ScreenId::frmAbout));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    Form form(this);
    auto* ok = form.button("cmdOK", QStringLiteral("OK"), {3720, 2040, 1260, 345});
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutBox::done(int result)
{
    // OK, Enter, Escape and the frame's close button all throw the box away.
    QDialog::done(result);
    shell_.flow().discard(ScreenId::frmAbout);
}

} // namespace tessaly
