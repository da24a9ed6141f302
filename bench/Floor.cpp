// The floor that the program's start-up is measured against: one frameless window of the
// splash screen's size, centred, with the splash screen's words in its faces and colours
// and one of its pictures, built from plain Qt widgets and nothing else.
#include "EmbeddedText.h"
#include "Product.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

namespace {

// The splash screen's panel stands 32 by 16 pixels into the window; places are in its
// layout units of 1/1440 inch, 15 to a pixel.
QRect place(int left, int top, int width, int height)
{
    const auto px = [](int units) { return (units + 7) / 15; };
    return {32 + px(left), 16 + px(top), px(width), px(height)};
}

QLabel* label(QWidget* window, const QString& text, QRect at, const QString& family, double points, bool bold,
              QColor color = Qt::black, bool underline = false)
{
    auto* l = new QLabel(text, window);
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    l->setFont(font);
    QPalette palette = l->palette();
    palette.setColor(QPalette::WindowText, color);
    l->setPalette(palette);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setWordWrap(true);
    l->setGeometry(at);
    return l;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setFixedSize(505, 357);
    QPalette white = window.palette();
    white.setColor(QPalette::Window, Qt::white);
    window.setPalette(white);
    window.setAutoFillBackground(true);

    const QString serif = QStringLiteral("Liberation Serif");
    const QString sans = QStringLiteral("Liberation Sans");
    auto* logo = new QLabel(&window);
    logo->setPixmap(QPixmap(QStringLiteral(":/assets/tessaly-logo.png")));
    logo->move(place(1200, 120, 0, 0).topLeft());
    logo->adjustSize();
    label(&window, QStringLiteral("Treat People as they"), place(1560, 1920, 3855, 615), serif, 18, true);
    // The splash screen's red, yellow, blue and text green.
    const QColor need[] = {QColor(255, 0, 0), QColor(255, 255, 0), QColor(0, 0, 255), QColor(0, 128, 0)};
    const int lefts[] = {1320, 1680, 2040, 2400};
    const int widths[] = {495, 495, 615, 375};
    for (int i = 0; i < 4; ++i)
        label(&window, QStringLiteral("NEED").mid(i, 1), place(lefts[i], 2280, widths[i], 615), serif, 24, true,
              need[i], true);
    label(&window, QStringLiteral("to be treated"), place(2880, 2400, 2295, 615), serif, 18, true);
    QLabel* product =
        label(&window, QString::fromUtf8(tessaly::kApplicationTitle), place(3000, 3120, 2610, 615), sans, 26.25, true);
    product->setWordWrap(false);
    product->adjustSize();
    QLabel* version = label(&window, QStringLiteral("Version ") + QString::fromUtf8(tessaly::kVersion),
                            place(3720, 3720, 1275, 285), sans, 12, true);
    version->setWordWrap(false);
    version->setAlignment(Qt::AlignRight | Qt::AlignTop);
    version->adjustSize();
    const std::string_view warning = embedded::legalWarning();
    label(&window, QString::fromUtf8(warning.substr(0, warning.find('\n'))), place(120, 4200, 6255, 435), sans, 8.25,
          false);

    window.move(window.screen()->availableGeometry().center() - QPoint(505 / 2, 357 / 2));
    window.show();
    return app.exec();
}
