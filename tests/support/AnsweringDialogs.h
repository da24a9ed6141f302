#pragma once

#include "Dialogs.h"

namespace tessaly::testing {

// Boxes that answer at once, for a run that times the program's own work: every question
// Yes, every name asked for "Pat", no file saved. A message box is not expected and is told
// on standard error.
class AnsweringDialogs final : public Dialogs {
public:
    bool ask(QWidget* parent, const QString& text) override;
    void inform(QWidget* parent, BoxLook look, const QString& text) override;
    QString inputText(QWidget* parent, const QString& prompt, const QString& title) override;
    QString saveFileName(QWidget* parent, const QString& proposedPath) override;
};

} // namespace tessaly::testing
