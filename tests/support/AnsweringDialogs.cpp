#include "AnsweringDialogs.h"

#include <cstdio>

namespace tessaly::testing {

bool AnsweringDialogs::ask(QWidget*, const QString&) { return true; }

void AnsweringDialogs::inform(QWidget*, BoxLook, const QString& text)
{
    std::fprintf(stderr, "unexpected message box: %s\n", qPrintable(text));
}

QString AnsweringDialogs::inputText(QWidget*, const QString&, const QString&) { return QStringLiteral("Pat"); }

QString AnsweringDialogs::saveFileName(QWidget*, const QString&) { return {}; }

} // namespace tessaly::testing
