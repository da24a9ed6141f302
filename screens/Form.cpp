#include "Form.h"

#include "Pictures.h"
#include "ScreenId.h"
#include "Style.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QtMath>

#include <limits>

namespace tessaly {

QRect toPixels(const Place& place)
{
    return {unitsToPixels(place.left), unitsToPixels(place.top), unitsToPixels(place.width),
            unitsToPixels(place.height)};
}

namespace {

// A push button whose caption wraps onto further lines at word boundaries when it is
// wider than the button, as captions did on the screens this program was drawn for.
class CaptionButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    // Enter presses the focused button, as Space does, on every screen and not only in dialogs.
    void keyPressEvent(QKeyEvent* event) override
    {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }

    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString caption = option.text;
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, caption);
    }
};

// A picture from the resources, compiled in as a PNG at its own size and at twice it. The
// larger one is drawn wherever a picture pixel covers more than one device pixel: on a 2x
// screen, on a printer page, or where the picture is stretched to fill its box.
class PictureBox final : public QWidget {
public:
    PictureBox(const QString& resource, PictureFit fit, QWidget* parent)
        : QWidget(parent), resource_(resource), natural_(pictureSize(resource)), fit_(fit)
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QRectF area = fit_ == PictureFit::Fill ? QRectF(rect()) : QRectF(QPointF(0, 0), natural_);
        const qreal stretch = std::max(area.width() / natural_.width(), area.height() / natural_.height());
        const QPixmap picture =
            loadPicture(painter.deviceTransform().m11() * stretch > 1 ? doubleSizeOf(resource_) : resource_);
        // Drawn pixel for pixel, a picture is copied as it is. Smoothing it anyway changes no pixel
        // but sends it down Qt's general painting path, which starts a pool of threads for it.
        if (painter.deviceTransform().isScaling() || area.size() != QSizeF(picture.size()))
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(area, picture, QRectF(picture.rect()));
    }

private:
    QString resource_;
    QSizeF natural_;
    PictureFit fit_;
};

// A line across or down, as wide as its box is thick and as long, its square ends included:
// the box is filled, so that at any scale the line covers the whole device pixels its box does.
// (A pen down its middle would leave a line of one pixel at 125 % half outside its box, and
// cut off.)
class Line final : public QWidget {
public:
    Line(const QColor& color, QWidget* parent) : QWidget(parent), color_(color)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), color_);
    }

private:
    QColor color_;
};

// What a screen reader calls each picture.
QString nameOf(Picture picture)
{
    switch (picture) {
    case Picture::CompanyLogo:
        return QStringLiteral("Corvane logo");
    case Picture::ProgrammeLogo:
        return QStringLiteral("Tessaly logo");
    case Picture::StylesDiagram:
        return QStringLiteral("Behavioral styles diagram");
    }
    return {};
}

QString resourceOf(Picture picture)
{
    switch (picture) {
    case Picture::CompanyLogo:
        return QStringLiteral(":/assets/corvane-logo.png");
    case Picture::ProgrammeLogo:
        return QStringLiteral(":/assets/tessaly-logo.png");
    case Picture::StylesDiagram:
        return QStringLiteral(":/assets/behavioral-styles.png");
    }
    return {};
}

void applyLook(QWidget* w, const Look& look)
{
    QFont font(houseFamily(look.family));
    font.setPointSizeF(look.points);
    font.setBold(look.bold);
    font.setUnderline(look.underline);
    w->setFont(font);
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, look.text);
    p.setColor(QPalette::Text, look.text);
    p.setColor(QPalette::Window, look.back);
    p.setColor(QPalette::Base, look.back);
    w->setPalette(p);
}

} // namespace

void readPictureAhead(Picture picture)
{
    const QString resource = resourceOf(picture);
    loadPicture(qGuiApp->devicePixelRatio() > 1 ? doubleSizeOf(resource) : resource);
}

QRect CaptionLeftRadio::circleRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const int size = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, this);
    return {width() - size, (height() - size) / 2, size, size};
}

QRect CaptionLeftRadio::captionRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const int spacing = style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option, this);
    // A first letter whose outline reaches left of its place (the hook of a "j") would lose its
    // tip to the control's edge: the word starts that much further in. A reach of less than a
    // tenth of a pixel inks nothing to lose.
    const QString words = text();
    QPainterPath outline;
    if (!words.isEmpty())
        outline.addText(0, 0, font(), words.first(1));
    const qreal reach = -outline.boundingRect().left();
    const int inset = reach > 0.1 ? qCeil(reach) : 0;
    return rect().adjusted(inset, 0, -(width() - circleRect().left()) - spacing, 0);
}

bool CaptionLeftRadio::hitButton(const QPoint& pos) const { return rect().contains(pos); }

void CaptionLeftRadio::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton circle;
    initStyleOption(&circle);
    circle.rect = circleRect();
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, circle);
    const QRect words = captionRect();
    painter.drawItemText(words, kCaptionFlags, palette(), isEnabled(), text(), QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.fontMetrics().boundingRect(words, kCaptionFlags, text()).adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

CircleShape::CircleShape(const QColor& fill, QWidget* parent) : QWidget(parent), fill_(fill) {}

void CircleShape::setFill(const QColor& fill)
{
    fill_ = fill;
    update();
}

void CircleShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(fill_);
    // A circle, not an ellipse: as wide as the narrower side of its box, centred in it.
    const qreal diameter = std::min(width(), height()) - 1.0;
    painter.drawEllipse(
        QRectF(QRectF(rect()).center() - QPointF(diameter / 2, diameter / 2), QSizeF(diameter, diameter)));
}

QPushButton* Form::button(QAnyStringView name, const QString& caption, Place at, QWidget* in)
{
    auto* b = add(new CaptionButton(caption, parentOr(in)), name, at);
    b->setAutoDefault(false);
    return b;
}

QLabel* Form::label(QAnyStringView name, const QString& text, Place at, const Look& look, QWidget* in)
{
    auto* l = add(new QLabel(text, parentOr(in)), name, at);
    applyLook(l, look);
    l->setAutoFillBackground(look.back.alpha() != 0);
    l->setAlignment(look.align);
    l->setWordWrap(!look.fitText && !look.oneLine);
    if (look.fitText)
        l->adjustSize();
    if (look.oneLine && l->sizeHint().width() > l->width())
        l->resize(l->sizeHint().width(), l->height());
    return l;
}

QWidget* Form::panel(QAnyStringView name, Place at, const QColor& back, QWidget* in)
{
    auto* p = add(new QWidget(parentOr(in)), name, at);
    setAccessibleRole(p, QAccessible::Grouping);
    QPalette palette = p->palette();
    palette.setColor(QPalette::Window, back);
    p->setPalette(palette);
    p->setAutoFillBackground(true);
    return p;
}

QGroupBox* Form::frame(QAnyStringView name, const QString& caption, Place at, QWidget* in)
{
    return add(new QGroupBox(caption, parentOr(in)), name, at);
}

QRadioButton* Form::radio(QAnyStringView name, const QString& caption, Place at, QWidget* in)
{
    if (caption.isEmpty())
        return add(new QRadioButton(parentOr(in)), name, at);
    auto* radio = add(new CaptionLeftRadio(caption, parentOr(in)), name, at);
    // A word that wraps gets the lines it needs, the area growing about its middle so that
    // the circle stays level with the row.
    const int needed =
        radio->fontMetrics().boundingRect(radio->captionRect(), CaptionLeftRadio::kCaptionFlags, caption).height();
    if (needed > radio->height())
        radio->setGeometry(radio->x(), radio->y() - (needed - radio->height()) / 2, radio->width(), needed);
    return radio;
}

QWidget* Form::picture(QAnyStringView name, Picture picture, Place at, PictureFit fit, QWidget* in)
{
    auto* box = add(new PictureBox(resourceOf(picture), fit, parentOr(in)), name, at);
    setAccessibleRole(box, QAccessible::Graphic);
    box->setAccessibleName(nameOf(picture));
    return box;
}

CircleShape* Form::circle(QAnyStringView name, Place at, const QColor& fill, QWidget* in)
{
    auto* circle = add(new CircleShape(fill, parentOr(in)), name, at);
    setAccessibleRole(circle, QAccessible::Graphic);
    return circle;
}

void paintBackground(QWidget& window, const QColor& color)
{
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, color);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}

QWidget* Form::line(QAnyStringView name, int x1, int y1, int x2, int y2, const QColor& color, int width, QWidget* in)
{
    const QPoint a(unitsToPixels(x1), unitsToPixels(y1));
    const QPoint b(unitsToPixels(x2), unitsToPixels(y2));
    const QRect box = QRect(a, b).normalized().adjusted(-width / 2, -width / 2, (width - 1) / 2, (width - 1) / 2);
    auto* l = new Line(color, parentOr(in));
    l->setObjectName(name);
    markDecoration(l);
    l->setGeometry(box);
    l->lower();
    return l;
}

QLineEdit* Form::textField(QAnyStringView name, const QString& text, Place at, const Look& look, QWidget* in)
{
    auto* t = add(new QLineEdit(text, parentOr(in)), name, at);
    // A field holds whatever it is given or has pasted into it, without a limit of its own.
    t->setMaxLength(std::numeric_limits<int>::max());
    applyLook(t, look);
    t->setAlignment(look.align);
    return t;
}

} // namespace tessaly
