#pragma once

#include "Accessibility.h"
#include "Palette.h"

#include <QAnyStringView>
#include <QColor>
#include <QRadioButton>
#include <QRect>
#include <QString>
#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
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

// A circle outlined in black and filled with one colour.
class CircleShape final : public QWidget {
public:
    CircleShape(const QColor& fill, QWidget* parent);
    void setFill(const QColor& fill);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor fill_;
};

// An option button with its word on the left and its circle at the right edge. A word too
// wide for one line wraps at word boundaries.
class CaptionLeftRadio final : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

    static constexpr int kCaptionFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;

    QRect circleRect() const;
    // Where the word stands: left of the circle, the platform's spacing away from it.
    QRect captionRect() const;

protected:
    // The whole control takes the click: the word, the circle at the far end and the space
    // between, not only the area where a plain option button draws its circle and caption.
    bool hitButton(const QPoint& pos) const override;
    void paintEvent(QPaintEvent*) override;
};

enum class Picture { CompanyLogo, ProgrammeLogo, StylesDiagram };
enum class PictureFit { NaturalSize, Fill };

// Reads a picture as the screens will draw it here, ahead of the screen that shows it.
void readPictureAhead(Picture picture);

// The name of one member of a control array: "Label1_0", "Label1_1", ...
inline QString member(QAnyStringView array, int index) { return array.toString() + u'_' + QString::number(index); }

// Builds the controls of a screen from its placement table: each call is one row.
// Controls created earlier lie on top of later ones where they overlap.
class Form {
public:
    explicit Form(QWidget* client) : client_(client) {}

    QPushButton* button(QAnyStringView name, const QString& caption, Place at, QWidget* in = nullptr);
    QLabel* label(QAnyStringView name, const QString& text, Place at, const Look& look = {}, QWidget* in = nullptr);
    QWidget* panel(QAnyStringView name, Place at, const QColor& back = Qt::white, QWidget* in = nullptr);
    QGroupBox* frame(QAnyStringView name, const QString& caption, Place at, QWidget* in = nullptr);
    // A round option button; the caption stands left of the circle when it has one.
    QRadioButton* radio(QAnyStringView name, const QString& caption, Place at, QWidget* in);
    QWidget* picture(QAnyStringView name, Picture picture, Place at, PictureFit fit = PictureFit::NaturalSize,
                     QWidget* in = nullptr);
    CircleShape* circle(QAnyStringView name, Place at, const QColor& fill, QWidget* in = nullptr);
    // A line across or down between two points, in layout units, `width` pixels thick.
    QWidget* line(QAnyStringView name, int x1, int y1, int x2, int y2, const QColor& color = Qt::black, int width = 1,
                  QWidget* in = nullptr);
    QLineEdit* textField(QAnyStringView name, const QString& text, Place at, const Look& look = {},
                         QWidget* in = nullptr);

    // Places a control the screen made itself, as a row of the table.
    template <typename W>
    W* add(W* widget, QAnyStringView name, const Place& at)
    {
        widget->setObjectName(name);
        addToReadingOrder(widget);
        widget->setGeometry(toPixels(at));
        // Earlier rows lie on top: each new control goes underneath its siblings.
        widget->lower();
        return widget;
    }

private:
    QWidget* parentOr(QWidget* in) const { return in ? in : client_; }

    QWidget* client_;
};

// Gives a window its background colour: white on most screens.
void paintBackground(QWidget& window, const QColor& color);

} // namespace tessaly
