#include "Screens.h"

#include "About.h"
#include "Accessibility.h"
#include "Chooser.h"
#include "Description.h"
#include "Intro.h"
#include "Pictures.h"
#include "PrintableColors.h"
#include "Quiz.h"
#include "Splash.h"
#include "StrengthCircle.h"
#include "Style.h"
#include "Tutorial.h"
#include "YourColors.h"

#include <QApplication>

namespace tessaly {

QWidget* createScreen(ScreenId id, Shell& shell)
{
    using enum ScreenId;
    // clang-format off
    switch (id) {
    case frmSplash:
        return new SplashScreen(shell);
    case step1: case step2: case step3: case step4: case step5:
    case Step6: case step7: case step8: case step9:
        return new TutorialPage(id, shell);
    case Intro:
        return new IntroScreen(shell);
    case quiz:
        return new QuizPage(QuizScreen::Quiz, shell);
    case quiz2:
        return new QuizPage(QuizScreen::Quiz2, shell);
    case Graph1:
        return new StrengthCircleScreen(shell);
    case Yourcolor1:
        return new YourColorsScreen(shell);
    case choice1:
        return new ChooserScreen(shell);
    case redyellow: case redgreen: case redblue: case bluered: case bluegreen: case blueyellow:
    case yellowred: case yellowblue: case yellowgreen: case greenred: case greenblue: case greenyellow:
        return new DescriptionScreen(id, shell);
    case frmAbout:
        return new AboutBox(shell);
    case Printcolor:
        return new PrintableColorsSheet(shell);
    case manquiz: case mangraph: case Icon:
        // Sheets that are only ever printed.
        return new ScreenWindow(id, shell);
    }
    // clang-format on
    return nullptr;
}

void prepareApplication(QApplication& app)
{
    applyHouseFonts(app);
    installScreenAccessibility();
    app.setWindowIcon(pictureIcon(QStringLiteral(":/assets/tessaly-icon.png")));
    app.setQuitOnLastWindowClosed(false);
}

} // namespace tessaly
