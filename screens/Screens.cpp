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

QWidget* createScreen(ScreenId id, const ScreenParts& p)
{
    using enum ScreenId;
    const PrintParts printing{p.printing, p.dialogs, p.flow};
    // clang-format off
    switch (id) {
    case frmSplash:
        return new SplashScreen(p.shell, p.moves, p.flow);
    case step1: case step2: case step3: case step4: case step5:
    case Step6: case step7: case step8: case step9:
        return new TutorialPage(id, p.shell, p.flow, printing);
    case Intro:
        return new IntroScreen(p.shell, p.moves, p.session, p.flow, p.dialogs, printing);
    case quiz:
        return new QuizPage(QuizScreen::Quiz, p.shell, p.moves, p.session, p.flow, p.dialogs, printing);
    case quiz2:
        return new QuizPage(QuizScreen::Quiz2, p.shell, p.moves, p.session, p.flow, p.dialogs, printing);
    case Graph1:
        return new StrengthCircleScreen(p.shell, p.session, p.flow, printing);
    case Yourcolor1:
        return new YourColorsScreen(p.shell, p.moves, p.session, p.flow, printing);
    case choice1:
        return new ChooserScreen(p.shell, p.moves, p.flow, printing);
    case redyellow: case redgreen: case redblue: case bluered: case bluegreen: case blueyellow:
    case yellowred: case yellowblue: case yellowgreen: case greenred: case greenblue: case greenyellow:
        return new DescriptionScreen(id, p.shell, p.flow, printing);
    case frmAbout:
        return new AboutBox(p.flow, p.dialogs, p.systemInfo);
    case Printcolor:
        return new PrintableColorsSheet(p.shell, p.session);
    case manquiz: case mangraph: case Icon:
        // Sheets that are only ever printed.
        return new ScreenWindow(id, p.shell);
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
