#pragma once

#include <QString>

class QWidget;

namespace tessaly {

// The kinds of message box the program shows. Each kind fixes the buttons, the icon
// and the title; only the text varies.
enum class MessageKind {
    Question, // Yes and No, Yes the default, no icon, "Corvane Tessaly"
    WordDefinition, // OK, question mark, "Corvane Tessaly"
    MissedQuestion, // OK, no icon, "Corvane Tessaly"
    PrintFailure, // OK, question mark, "Corvane Tessaly"
    Notice, // OK, no icon, titled with the application title "Tessaly"
    SaveFailure, // OK, warning sign, "Corvane Tessaly": a printout kept as a PDF could not be written
};

// Modal boxes, kept behind an interface so the rules can be exercised without a
// person at the keyboard. The parent is the screen the box belongs to: a box with no
// parent could open behind a screen that keeps itself on top.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A Question box; true when the answer is Yes.
    virtual bool ask(QWidget* parent, const QString& text) = 0;
    // Any kind with a single OK button.
    virtual void inform(QWidget* parent, MessageKind kind, const QString& text) = 0;
    // The input box with OK and Cancel; Cancel gives the empty text.
    virtual QString inputText(QWidget* parent, const QString& prompt, const QString& title) = 0;
    // The standard box for saving a file, offering `proposedPath`, for a printout kept as a
    // PDF; the path chosen, or the empty text on Cancel.
    virtual QString saveFileName(QWidget* parent, const QString& proposedPath) = 0;
};

} // namespace tessaly
