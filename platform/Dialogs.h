#pragma once

#include <QString>

class QWidget;

namespace tessaly {

// How a box with a single OK button looks: its sign, and whose name is its title. Each
// layer names the boxes it shows by their purpose.
enum class BoxSign { None, Question, Warning };
enum class BoxTitle {
    Company, // "Corvane Tessaly"
    Application, // "Tessaly"
};
struct BoxLook {
    BoxSign sign;
    BoxTitle title;
    friend bool operator==(const BoxLook&, const BoxLook&) = default;
};

// Modal boxes, kept behind an interface so the rules can be exercised without a
// person at the keyboard. The parent is the screen the box belongs to: a box with no
// parent could open behind a screen that keeps itself on top.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A question with Yes and No, Yes the default, no sign, the company's title; true for Yes.
    virtual bool ask(QWidget* parent, const QString& text) = 0;
    // A box with a single OK button.
    virtual void inform(QWidget* parent, BoxLook look, const QString& text) = 0;
    // The input box with OK and Cancel; Cancel gives the empty text.
    virtual QString inputText(QWidget* parent, const QString& prompt, const QString& title) = 0;
    // The standard box for saving a file, offering `proposedPath`, for a printout kept as a
    // PDF; the path chosen, or the empty text on Cancel.
    virtual QString saveFileName(QWidget* parent, const QString& proposedPath) = 0;
};

} // namespace tessaly
