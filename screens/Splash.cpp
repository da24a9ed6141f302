#include "Splash.h"

#include "Content.h"
#include "EmbeddedText.h"
#include "Moves.h"
#include "Product.h"
#include "ScreenFlow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace tessaly {
namespace {

// Only the panel's own uncovered area reacts; its labels and pictures keep their events.
class SplashPanel final : public QWidget {
public:
    SplashPanel(Moves& moves, QWidget* parent) : QWidget(parent), moves_(moves) { setMouseTracking(true); }

protected:
    void mouseMoveEvent(QMouseEvent*) override { leave(); }
    void mousePressEvent(QMouseEvent*) override { leave(); }

private:
    void leave()
    {
        if (left_)
            return;
        left_ = true;
        moves_.leaveSplash();
    }

    Moves& moves_;
    bool left_ = false;
};

} // namespace

SplashScreen::SplashScreen(Shell& shell, Moves& moves, ScreenFlow& flow)
    : ScreenWindow(ScreenId::frmSplash, shell), flow_(flow)
{
    auto* frame = new SplashPanel(moves, client());
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(toPixels({480, 240, 6465, 4755}));
    frame->setAutoFillBackground(true);

    Form f(frame);
    const Look motto{.family = QStringLiteral("Times New Roman"), .points = 18, .bold = true};
    f.picture("Picture1", Picture::ProgrammeLogo, {1200, 120, 3855, 1815});
    f.label("Label1", QStringLiteral("Treat People as they"), {1560, 1920, 3855, 615}, motto);
    const QColor need[] = {kRed, kYellow, kBlue, kGreenText};
    const char* names[] = {"Label3", "Label4", "Label5", "Label6"};
    const int lefts[] = {1320, 1680, 2040, 2400};
    const int widths[] = {495, 495, 615, 375};
    const QString word = QStringLiteral("NEED");
    for (int i = 0; i < 4; ++i)
        f.label(names[i], word.mid(i, 1), {lefts[i], 2280, widths[i], 615},
                {.family = QStringLiteral("Times New Roman"),
                 .points = 24,
                 .bold = true,
                 .underline = true,
                 .text = need[i]});
    f.label("Label2", QStringLiteral("to be treated"), {2880, 2400, 2295, 615}, motto);
    f.picture("imgLogo", Picture::CompanyLogo, {240, 3120, 2415, 915}, PictureFit::Fill);
    auto* product = f.label("lblProductName", {}, {3000, 3120, 2610, 615},
                            {.family = QStringLiteral("Arial"), .points = 26.25, .bold = true, .fitText = true});
    auto* version = f.label("lblVersion", {}, {3720, 3720, 1275, 285},
                            {.family = QStringLiteral("Arial"),
                             .points = 12,
                             .bold = true,
                             .align = Qt::AlignRight | Qt::AlignTop,
                             .fitText = true});
    f.label("lblWarning", contentLine(embedded::legalWarning()), {120, 4200, 6255, 435},
            {.family = QStringLiteral("Arial"), .points = 8.25});

    // Creation fills in the product name and version; the labels fit themselves to them.
    product->setText(QString::fromUtf8(kApplicationTitle));
    product->adjustSize();
    version->setText(versionText());
    version->adjustSize();

    for (QWidget* child : frame->findChildren<QWidget*>()) {
        child->setMouseTracking(true);
        child->setAttribute(Qt::WA_NoMousePropagation);
    }
}

void SplashScreen::keyPressEvent(QKeyEvent* event)
{
    if (event->text().isEmpty()) {
        ScreenWindow::keyPressEvent(event);
        return;
    }
    flow_.show(ScreenId::step1);
}

} // namespace tessaly
