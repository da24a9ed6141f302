#pragma once

#include "Dialogs.h"

#include <QString>
#include <QStringList>

#include <deque>

namespace tessaly::testing {

// Stands in for the message and input boxes: answers from a script and fails the test
// on a box it was not told to expect. Call verify() to catch boxes that never came.
class ScriptedDialogs final : public Dialogs {
public:
    void expectQuestion(const QString& text, bool yes);
    void expectMessage(BoxLook look, const QString& text);
    void expectInput(const QString& prompt, const QString& title, const QString& answer);
    // The save box, proposing a file of this name; `path` is the answer ("" for Cancel).
    void expectSaveFile(const QString& fileName, const QString& path);
    void verify();

    bool ask(QWidget* parent, const QString& text) override;
    void inform(QWidget* parent, BoxLook look, const QString& text) override;
    QString inputText(QWidget* parent, const QString& prompt, const QString& title) override;
    QString saveFileName(QWidget* parent, const QString& proposedPath) override;

    // Every box shown, in order, as "kind: text".
    const QStringList& shown() const { return shown_; }
    QWidget* lastParent() const { return lastParent_; }

private:
    enum class Type { Question, Message, Input, SaveFile };
    struct Expected {
        Type type;
        BoxLook look;
        QString text;
        QString title;
        QString answer;
        bool yes;
    };
    Expected next(Type type, const QString& text);

    std::deque<Expected> script_;
    QStringList shown_;
    QWidget* lastParent_ = nullptr;
};

} // namespace tessaly::testing
