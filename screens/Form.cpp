#include "Form.h"

#include "ScreenId.h"

#include <QGroupBox>
#include <QPushButton>

namespace tessaly {

QRect toPixels(const Place& place)
{
    return {unitsToPixels(place.left), unitsToPixels(place.top), unitsToPixels(place.width),
            unitsToPixels(place.height)};
}

namespace {

template <typename W>
W* placed(W* widget, const char* name, const Place& at)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(toPixels(at));
    return widget;
}

} // namespace

QPushButton* Form::button(const char* name, const QString& caption, Place at, QWidget* in)
{
    auto* b = placed(new QPushButton(caption, parentOr(in)), name, at);
    b->setAutoDefault(false);
    return b;
}

QWidget* Form::panel(const char* name, Place at, QWidget* in)
{
    auto* p = placed(new QWidget(parentOr(in)), name, at);
    p->setAutoFillBackground(true);
    return p;
}

QGroupBox* Form::frame(const char* name, const QString& caption, Place at, QWidget* in)
{
    return placed(new QGroupBox(caption, parentOr(in)), name, at);
}

} // namespace tessaly
