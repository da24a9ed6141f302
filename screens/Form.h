#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace tessaly {

// A placement in layout units of 1/1440 inch: left, top, width, height.
struct Place {
    int left;
    int top;
    int width;
    int height;
};

// Some screens are laid out in pixels at 96 dpi; 15 layout units make one pixel.
constexpr Place pixels(int left, int top, int width, int height)
{
    return {left * 15, top * 15, width * 15, height * 15};
}

QRect toPixels(const Place& place);

// Builds the controls of a screen from its placement table: each call is one row.
class Form {
public:
    explicit Form(QWidget* client) : client_(client) {}

    QPushButton* button(const char* name, const QString& caption, Place at, QWidget* in = nullptr);
    QGroupBox* frame(const char* name, const QString& caption, Place at, QWidget* in = nullptr);

private:
    QWidget* parentOr(QWidget* in) const { return in ? in : client_; }

    QWidget* client_;
};

} // namespace tessaly
