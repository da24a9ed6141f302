#include "YourColors.h"

#include "Banner.h"
#include "Moves.h"
#include "ScreenFlow.h"
#include "Session.h"
#include "Shell.h"

#include <QLineEdit>
#include <QPushButton>

namespace tessaly {

YourColorsScreen::YourColorsScreen(Shell& shell, Moves& moves, Session& session, ScreenFlow& flow,
                                   const PrintParts& printing)
    : ScreenWindow(ScreenId::Yourcolor1, shell), session_(session)
{
    addStandardMenus({"mnuedit", "Edit"});
    Form& f = form();

    auto* print = f.button("Command5", QStringLiteral("Print Your Colors"), {2880, 3840, 1215, 615});
    connect(print, &QPushButton::clicked, this, [this, printing] {
        printScreen(printing, ScreenId::Printcolor, QStringLiteral("You can not Print the Your Colors at this time!"));
    });
    for (std::size_t i = 0; i < values_.size(); ++i) {
        const QByteArray name = "Text" + QByteArray::number(static_cast<int>(i) + 2);
        values_[i] = f.textField(name.constData(), {}, {4320 + 600 * static_cast<int>(i), 3840, 495, 285});
        values_[i]->hide();
    }
    auto* others = f.button("Command4", QStringLiteral("Learn More About Others"), {8400, 2520, 1575, 735});
    auto* discover = f.button("Command3", QStringLiteral("Discover Your Colors"), {8400, 1560, 1575, 735});
    name_ = f.textField("Text1", {}, {1800, 2160, 5055, 1335}, kBannerNameLook);
    name_->setAccessibleName(QStringLiteral("Your name"));
    const Banner banner = buildBanner(f,
                                      {.strip = {600, 360},
                                       .panel = {1560, 480, 6375, 3015},
                                       .words = {240, 480},
                                       .firstCircle = {5400, 240},
                                       .secondCircle = {5400, 1560}});
    firstCircle_ = banner.firstCircle;
    secondCircle_ = banner.secondCircle;
    auto* exit = f.button("Command2", QStringLiteral("Exit"), {1080, 3840, 1335, 615});
    auto* back = f.button("Command1", QStringLiteral("Back to Strength Circle"), {8400, 600, 1575, 735});
    addBannerFrame(f, {600, 360}, {8040, 3600});

    // The table lists the controls as they lie on top of each other; they are read as seen:
    // the banner with the name, then the buttons down the right and along the bottom.
    readInOrder({banner.strip, banner.panel, name_, back, discover, others, exit, print});

    // "Back to Strength Circle" comes first in the tab order and has the focus when the
    // screen opens; printing is never one key press away.
    setTabOrder(back, discover);
    setTabOrder(discover, others);
    setTabOrder(others, exit);
    setTabOrder(exit, print);
    setTabOrder(print, name_);
    back->setFocus();

    connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) { session_.setYourColorsName(text); });
    connect(back, &QPushButton::clicked, this, [&flow] { flow.navigate(ScreenId::Yourcolor1, ScreenId::Graph1); });
    connect(discover, &QPushButton::clicked, this, [&moves] { moves.discoverYourColors(); });
    connect(others, &QPushButton::clicked, this, [&flow] { flow.navigate(ScreenId::Yourcolor1, ScreenId::choice1); });
    connect(exit, &QPushButton::clicked, this, [&shell] { shell.exitProgram(ScreenId::Yourcolor1); });
    followSession(session_, [this] { showSession(); });
}

void YourColorsScreen::showSession()
{
    const auto& group = session_.yourColors();
    if (name_->text() != group.userName)
        name_->setText(group.userName);
    // Before the scoring each value field shows its own name, the caption it was made with.
    for (std::size_t i = 0; i < values_.size(); ++i)
        values_[i]->setText(group.values ? QString::number((*group.values)[i]) : values_[i]->objectName());
    firstCircle_->setFill(circleColor(group.firstCircle));
    secondCircle_->setFill(circleColor(group.secondCircle));
    firstCircle_->setAccessibleName(circleName(Rank::First, group.firstCircle));
    secondCircle_->setAccessibleName(circleName(Rank::Second, group.secondCircle));
}

} // namespace tessaly
