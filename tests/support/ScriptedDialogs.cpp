#include "ScriptedDialogs.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace tessaly::testing {

void ScriptedDialogs::expectQuestion(const QString& text, bool yes)
{
    script_.push_back({Type::Question, {}, text, {}, {}, yes});
}

void ScriptedDialogs::expectMessage(BoxLook look, const QString& text)
{
    script_.push_back({Type::Message, look, text, {}, {}, false});
}

void ScriptedDialogs::expectInput(const QString& prompt, const QString& title, const QString& answer)
{
    script_.push_back({Type::Input, {}, prompt, title, answer, false});
}

void ScriptedDialogs::expectSaveFile(const QString& fileName, const QString& path)
{
    script_.push_back({Type::SaveFile, {}, fileName, {}, path, false});
}

void ScriptedDialogs::verify()
{
    for (const auto& e : script_)
        ADD_FAILURE() << "expected a box that never came: " << e.text.toStdString();
    script_.clear();
}

ScriptedDialogs::Expected ScriptedDialogs::next(Type type, const QString& text)
{
    if (script_.empty()) {
        // Answering on would only let a loop that waits for the right answer spin forever:
        // stop here, naming the box and what came before it.
        std::fprintf(stderr, "Unexpected box %lld after the script ran out: %s\nBoxes shown before it:\n",
                     static_cast<long long>(shown_.size()), qPrintable(text));
        for (const QString& box : shown_.mid(0, shown_.size() - 1))
            std::fprintf(stderr, "  %s\n", qPrintable(box));
        std::fflush(stderr);
        std::abort();
    }
    Expected e = script_.front();
    script_.pop_front();
    EXPECT_EQ(static_cast<int>(e.type), static_cast<int>(type)) << text.toStdString();
    EXPECT_EQ(e.text.toStdString(), text.toStdString());
    return e;
}

bool ScriptedDialogs::ask(QWidget* parent, const QString& text)
{
    lastParent_ = parent;
    shown_ << QStringLiteral("question: ") + text;
    return next(Type::Question, text).yes;
}

void ScriptedDialogs::inform(QWidget* parent, BoxLook look, const QString& text)
{
    lastParent_ = parent;
    shown_ << QStringLiteral("message: ") + text;
    const auto e = next(Type::Message, text);
    EXPECT_TRUE(e.look == look) << "the box for " << text.toStdString() << " looks otherwise";
}

QString ScriptedDialogs::inputText(QWidget* parent, const QString& prompt, const QString& title)
{
    lastParent_ = parent;
    shown_ << QStringLiteral("input: ") + prompt;
    const auto e = next(Type::Input, prompt);
    EXPECT_EQ(e.title.toStdString(), title.toStdString());
    return e.answer;
}

QString ScriptedDialogs::saveFileName(QWidget* parent, const QString& proposedPath)
{
    lastParent_ = parent;
    const QString fileName = QFileInfo(proposedPath).fileName();
    shown_ << QStringLiteral("save: ") + proposedPath;
    return next(Type::SaveFile, fileName).answer;
}

} // namespace tessaly::testing
