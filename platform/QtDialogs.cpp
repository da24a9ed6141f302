#include "QtDialogs.h"

#include "Product.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include <limits>

namespace tessaly {
namespace {

QMessageBox::Icon iconOf(BoxSign sign)
{
    switch (sign) {
    case BoxSign::Question:
        return QMessageBox::Question;
    case BoxSign::Warning:
        return QMessageBox::Warning;
    case BoxSign::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QString titleOf(BoxTitle title)
{
    return QString::fromUtf8(title == BoxTitle::Application ? kApplicationTitle : kCompanyTitle);
}

} // namespace

bool QtDialogs::ask(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kCompanyTitle), text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtDialogs::inform(QWidget* parent, BoxLook look, const QString& text)
{
    QMessageBox box(iconOf(look.sign), titleOf(look.title), text, QMessageBox::Ok, parent);
    box.exec();
}

QString QtDialogs::inputText(QWidget* parent, const QString& prompt, const QString& title)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Cancel"));
    // A name is taken whole, however long: the line's own limit would cut it at 32,767 without a word.
    if (auto* line = dialog.findChild<QLineEdit*>())
        line->setMaxLength(std::numeric_limits<int>::max());
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}

QString QtDialogs::saveFileName(QWidget* parent, const QString& proposedPath)
{
    QFileDialog dialog(parent, QStringLiteral("No printer: save the printout as a PDF"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("PDF documents (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    // The folder and the name apart: the native Windows box opens in the folder it is given,
    // not in the folder of a path selected whole.
    const QFileInfo proposed(proposedPath);
    dialog.setDirectory(proposed.absolutePath());
    dialog.selectFile(proposed.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace tessaly
