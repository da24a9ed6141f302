#pragma once

#include "Dialogs.h"

namespace tessaly {

class QtDialogs final : public Dialogs {
public:
    bool ask(QWidget* parent, const QString& text) override;
    void inform(QWidget* parent, BoxLook look, const QString& text) override;
    QString inputText(QWidget* parent, const QString& prompt, const QString& title) override;
    QString saveFileName(QWidget* parent, const QString& proposedPath) override;
};

} // namespace tessaly
