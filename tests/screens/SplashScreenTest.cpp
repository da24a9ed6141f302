#include "Harness.h"

#include <QLabel>
#include <QMouseEvent>

using namespace tessaly;
using namespace tessaly::testing;
using enum ScreenId;

namespace {

class SplashScreenTest : public Harness {
protected:
    void moveOver(QWidget* w)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(w, &move);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

} // namespace

TEST_F(SplashScreenTest, ShowsTheMottoProductAndVersion)
{
    program.start();
    QWidget* splash = screen(frmSplash);
    auto text = [&](const char* name) { return splash->findChild<QLabel*>(name)->text(); };
    EXPECT_EQ(text("Label1") + " " + text("Label3") + text("Label4") + text("Label5") + text("Label6") + " "
                  + text("Label2"),
              "Treat People as they NEED to be treated");
    EXPECT_EQ(text("lblProductName"), "Tessaly");
    EXPECT_EQ(text("lblVersion"), "Version 6.1");
    EXPECT_FALSE(text("lblWarning").isEmpty());
    EXPECT_FALSE(text("lblWarning").contains('\n'));
    // Labels that size themselves keep their place but fit their text.
    auto* product = splash->findChild<QLabel*>("lblProductName");
    EXPECT_EQ(product->pos(), QPoint(200, 208));
    EXPECT_GE(product->width(), product->fontMetrics().horizontalAdvance("Tessaly"));
}

TEST_F(SplashScreenTest, MovementOverItsLabelsAndPicturesAloneDoesNothing)
{
    program.start();
    QWidget* splash = screen(frmSplash);
    for (const char* name : {"lblProductName", "Label1", "Label4", "imgLogo", "Picture1", "lblWarning"}) {
        auto* w = splash->findChild<QWidget*>(name);
        ASSERT_NE(w, nullptr) << name;
        moveOver(w);
        EXPECT_EQ(visibleScreens(), std::set<ScreenId>{frmSplash}) << name;
    }
    moveOver(splash->findChild<QWidget*>("Frame1"));
    EXPECT_EQ(visibleScreens(), std::set<ScreenId>{step1});
}
