#pragma once

#include "ScreenWindow.h"

namespace tessaly {

struct ColourPage;

// One page of the nine-page tutorial: five pages of their own and four colour pages of
// one layout.
class TutorialPage final : public ScreenWindow {
    Q_OBJECT

public:
    TutorialPage(ScreenId id, Shell& shell, ScreenFlow& flow, const PrintParts& printing);

private:
    void buildStepOne();
    void buildStepTwo();
    void buildStepThree();
    void buildStepFour();
    void buildStepFive();
    void buildColourPage(const ColourPage& page);
};

} // namespace tessaly
