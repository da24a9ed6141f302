#pragma once

#include "QtColor.h"

#include <QColor>
#include <QRect>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
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

// How a text control looks. Labels wrap at word boundaries within their width.
struct Look {
    QString family = QStringLiteral("MS Sans Serif");
    double points = 8.25;
    bool bold = false;
    bool underline = false;
    QColor text = Qt::black;
    QColor back = Qt::transparent; // the white of the window or panel shows through
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop;
    bool fitText = false; // the control sizes itself to its text
    bool oneLine = false; // never wraps; widens where the text needs more room
};

enum class Picture { CompanyLogo, ProgrammeLogo, StylesDiagram };
enum class PictureFit { NaturalSize, Fill };

// Builds the controls of a screen from its placement table: each call is one row.
// Controls created earlier lie on top of later ones where they overlap.
class Form {
public:
    explicit Form(QWidget* client) : client_(client) {}

    QPushButton* button(const char* name, const QString& caption, Place at, QWidget* in = nullptr);
    QLabel* label(const char* name, const QString& text, Place at, const Look& look = {}, QWidget* in = nullptr);
    QWidget* panel(const char* name, Place at, const QColor& back = Qt::white, QWidget* in = nullptr);
    QGroupBox* frame(const char* name, const QString& caption, Place at, QWidget* in = nullptr);
    // A round option button; the caption stands left of the circle when it has one.
    QRadioButton* radio(const char* name, const QString& caption, Place at, QWidget* in);
    QWidget* picture(const char* name, Picture picture, Place at, PictureFit fit = PictureFit::NaturalSize,
                     QWidget* in = nullptr);
    QWidget* circle(const char* name, Place at, const QColor& fill, QWidget* in = nullptr);
    // A straight line between two points, in layout units.
    QWidget* line(const char* name, int x1, int y1, int x2, int y2, const QColor& color = Qt::black, int width = 1,
                  QWidget* in = nullptr);
    QLineEdit* textField(const char* name, const QString& text, Place at, const Look& look = {}, QWidget* in = nullptr);

private:
    QWidget* parentOr(QWidget* in) const { return in ? in : client_; }
    template <typename W>
    W* add(W* widget, const char* name, const Place& at);

    QWidget* client_;
};

// Gives a window the white background of every screen.
void paintWhite(QWidget& window);

// Fills a circle drawn by Form::circle with another colour.
void setCircleFill(QWidget* circle, const QColor& fill);

} // namespace tessaly
