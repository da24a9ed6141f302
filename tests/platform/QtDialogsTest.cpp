#include "QtDialogs.h"
#include "Messages.h"
#include "ModalBoxes.h"

#include <QApplication>
#include <QClipboard>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace tessaly;
using namespace tessaly::testing;

namespace {

struct SeenBox {
    QString title;
    QMessageBox::Icon icon;
    QStringList buttons;
    QString defaultButton;
};

SeenBox seenBox(QWidget* w)
{
    auto* box = qobject_cast<QMessageBox*>(w);
    EXPECT_NE(box, nullptr);
    if (!box)
        return {};
    QStringList buttons;
    for (auto* b : box->buttons())
        buttons << b->text().remove('&');
    return {box->windowTitle(), box->icon(), buttons,
            box->defaultButton() ? box->defaultButton()->text().remove('&') : ""};
}

} // namespace

TEST(QtDialogs, EachPurposesBoxHasItsButtonIconAndTitle)
{
    struct Case {
        BoxLook look;
        QString title;
        QMessageBox::Icon icon;
    };
    const Case cases[] = {
        {kWordDefinitionBox, "Corvane Tessaly", QMessageBox::Question},
        {kMissedQuestionBox, "Corvane Tessaly", QMessageBox::NoIcon},
        {kPrintFailureBox, "Corvane Tessaly", QMessageBox::Question},
        {kNoticeBox, "Tessaly", QMessageBox::NoIcon},
    };
    QtDialogs dialogs;
    for (const auto& c : cases) {
        SeenBox seen;
        QString text;
        whenModal([&](QWidget* w) {
            seen = seenBox(w);
            text = static_cast<QMessageBox*>(w)->text();
            static_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->click();
        });
        dialogs.inform(nullptr, c.look, "Some text");
        EXPECT_EQ(seen.title, c.title);
        EXPECT_EQ(seen.icon, c.icon);
        EXPECT_EQ(seen.buttons, QStringList{"OK"});
        EXPECT_EQ(text, "Some text");
    }
}

TEST(QtDialogs, QuestionsOfferYesAndNoWithYesTheDefault)
{
    QtDialogs dialogs;
    for (const auto answer : {QMessageBox::Yes, QMessageBox::No}) {
        SeenBox seen;
        whenModal([&](QWidget* w) {
            seen = seenBox(w);
            static_cast<QMessageBox*>(w)->button(answer)->click();
        });
        EXPECT_EQ(dialogs.ask(nullptr, "Go on?"), answer == QMessageBox::Yes);
        EXPECT_EQ(seen.title, "Corvane Tessaly");
        EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
        EXPECT_EQ(seen.buttons.size(), 2);
        EXPECT_TRUE(seen.buttons.contains("Yes") && seen.buttons.contains("No"));
        EXPECT_EQ(seen.defaultButton, "Yes");
    }
}

TEST(QtDialogs, InputBoxGivesTheTextOrNothingOnCancel)
{
    QtDialogs dialogs;
    QString title, label;
    whenModal([&](QWidget* w) {
        auto* input = qobject_cast<QInputDialog*>(w);
        ASSERT_NE(input, nullptr);
        title = input->windowTitle();
        label = input->labelText();
        input->setTextValue(" Zoë ");
        input->accept();
    });
    EXPECT_EQ(dialogs.inputText(nullptr, "Please enter your name", "Corvane Tessaly"), " Zoë ");
    EXPECT_EQ(title, "Corvane Tessaly");
    EXPECT_EQ(label, "Please enter your name");

    whenModal([](QWidget* w) {
        static_cast<QInputDialog*>(w)->findChild<QLineEdit*>()->setText("typed");
        static_cast<QInputDialog*>(w)->reject();
    });
    EXPECT_EQ(dialogs.inputText(nullptr, "Please enter your name", "Corvane Tessaly"), "");
}

TEST(QtDialogs, TheInputBoxTakesNamesOfAnyLengthWhole)
{
    // Pasted: 100,000 characters with a NUL among them, one blank, right to left, emoji and
    // control characters all come back as they went in.
    const QString names[] = {QString(60000, QChar(u'x')) + QChar(u'\0') + QString(39999, QChar(u'y')),
                             QStringLiteral(" "), QStringLiteral("שרה כהן"), QStringLiteral("Ann 🎨🙂"),
                             QStringLiteral("a\tb\u0007c\u001b")};
    QtDialogs dialogs;
    for (const auto& name : names) {
        QGuiApplication::clipboard()->setText(name);
        whenModal([&](QWidget* w) {
            QTest::keyClick(w->findChild<QLineEdit*>(), Qt::Key_V, Qt::ControlModifier);
            static_cast<QInputDialog*>(w)->accept();
        });
        const QString given = dialogs.inputText(nullptr, "Please enter your name", "Corvane Tessaly");
        EXPECT_EQ(given.size(), name.size());
        EXPECT_TRUE(given == name) << given.left(40).toStdString();
    }
}
