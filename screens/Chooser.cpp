#include "Chooser.h"

#include "Expect.h"
#include "Moves.h"
#include "ScreenFlow.h"
#include "Shell.h"
#include "StyleLibrary.h"

#include <QPushButton>

#include <array>

namespace tessaly {
namespace {

// Columns by first colour, rows top to bottom, in the library's order.
constexpr std::array<int, 4> kColumnLefts{360, 2160, 3960, 5760};
constexpr std::array<int, 3> kRowTops{1800, 2640, 3480};

} // namespace

ChooserScreen::ChooserScreen(Shell& shell, Moves& moves, ScreenFlow& flow, const PrintParts& printing)
    : ScreenWindow(ScreenId::choice1, shell)
{
    addStandardMenus({"mnuedit", "Edit"}, {{"prtform", "Print Form", [this, printing] {
                                                printScreen(printing, ScreenId::choice1, kScreenPrintFailure);
                                            }}});
    form().picture("Picture1", Picture::CompanyLogo, {2640, 120, 2175, 855});
    form().label("Label1", QStringLiteral("Choose the color combination that you whould like to learn more about"),
                 {1080, 1080, 5535, 495}, {.back = Qt::white});

    const auto styles = StyleLibrary::all();
    for (std::size_t i = 0; i < styles.size(); ++i) {
        const auto& style = styles[i];
        const QString caption = QStringLiteral("%1 / %2").arg(QString::fromUtf8(colorName(style.first)),
                                                              QString::fromUtf8(colorName(style.second)));
        const QByteArray name = "Command" + QByteArray::number(static_cast<int>(i) + 1);
        auto* button = form().button(name.constData(), caption, {kColumnLefts[i / 3], kRowTops[i % 3], 1335, 495});
        const ScreenId target =
            expect(screenNamed(style.screen), "every description in the library has a screen in the catalogue");
        connect(button, &QPushButton::clicked, this, [&flow, target] { flow.navigate(ScreenId::choice1, target); });
    }
    auto* back = form().button("Command13", QStringLiteral("Back to Your Colors"), {4800, 4320, 1335, 495});
    auto* exit = form().button("Command15", QStringLiteral("Exit"), {1320, 4320, 1335, 495});
    connect(back, &QPushButton::clicked, this, [&moves] { moves.backToYourColors(); });
    connect(exit, &QPushButton::clicked, this, [&shell] { shell.exitProgram(ScreenId::choice1); });
}

} // namespace tessaly
