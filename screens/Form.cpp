#include "Form.h"

#include "ScreenId.h"

#include <QGroupBox>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

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
    auto* b = placed(new CaptionButton(caption, parentOr(in)), name, at);
    b->setAutoDefault(false);
    return b;
}

QGroupBox* Form::frame(const char* name, const QString& caption, Place at, QWidget* in)
{
    return placed(new QGroupBox(caption, parentOr(in)), name, at);
}

} // namespace tessaly
