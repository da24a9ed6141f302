#include "Accessibility.h"

#include <QAccessibleWidget>
#include <QFocusFrame>
#include <QGroupBox>
#include <QMenu>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace tessaly {
namespace {

constexpr char kReadingPlace[] = "tessalyReadingPlace";
constexpr char kDecoration[] = "tessalyDecoration";
constexpr char kRole[] = "tessalyRole";

// What screen readers are told of a plain widget, a frame or a dialog: the role it was given
// and its children in reading order, decorations left out.
class ScreenPart final : public QAccessibleWidget {
public:
    ScreenPart(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QAccessible::Role role() const override
    {
        const QVariant role = widget()->property(kRole);
        return role.isValid() ? static_cast<QAccessible::Role>(role.toInt()) : QAccessibleWidget::role();
    }

    QString text(QAccessible::Text t) const override
    {
        const QString text = QAccessibleWidget::text(t);
        if (t != QAccessible::Name || !text.isEmpty())
            return text;
        const auto* frame = qobject_cast<const QGroupBox*>(widget());
        return frame ? frame->title() : text;
    }

    int childCount() const override { return static_cast<int>(readableChildren().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const auto children = readableChildren();
        if (index < 0 || index >= std::ssize(children))
            return nullptr;
        return QAccessible::queryAccessibleInterface(children[static_cast<std::size_t>(index)]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child)
            return -1;
        const auto children = readableChildren();
        const auto found = std::find(children.begin(), children.end(), child->object());
        return found == children.end() ? -1 : static_cast<int>(found - children.begin());
    }

    // The control a point falls on is the one on top there, whatever the reading order.
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const auto children = readableChildren();
        const QObjectList& stack = widget()->children();
        for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
            if (std::find(children.begin(), children.end(), *it) == children.end())
                continue;
            QAccessibleInterface* child = QAccessible::queryAccessibleInterface(*it);
            if (child && child->rect().contains(x, y))
                return child;
        }
        return nullptr;
    }

private:
    std::vector<QWidget*> readableChildren() const
    {
        std::vector<QWidget*> children;
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && !w->isWindow() && !w->isHidden() && !isDecoration(w) && !qobject_cast<QMenu*>(w)
                && !qobject_cast<QFocusFrame*>(w))
                children.push_back(w);
        }
        // Controls without a place (made outside a table) keep their order, after the others.
        std::stable_sort(children.begin(), children.end(), [](const QWidget* a, const QWidget* b) {
            const QVariant pa = a->property(kReadingPlace);
            const QVariant pb = b->property(kReadingPlace);
            return pa.isValid() && (!pb.isValid() || pa.toInt() < pb.toInt());
        });
        return children;
    }
};

QAccessibleInterface* screenPartFactory(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("QWidget"))
        return new ScreenPart(widget, QAccessible::Client);
    if (className == QLatin1String("QDialog"))
        return new ScreenPart(widget, QAccessible::Dialog);
    if (className == QLatin1String("QGroupBox"))
        return new ScreenPart(widget, QAccessible::Grouping);
    return nullptr;
}

} // namespace

void installScreenAccessibility() { QAccessible::installFactory(screenPartFactory); }

void addToReadingOrder(QWidget* control)
{
    static int next = 0;
    control->setProperty(kReadingPlace, ++next);
}

void readInOrder(std::initializer_list<QWidget*> controls)
{
    std::vector<int> places;
    for (const QWidget* c : controls)
        places.push_back(c->property(kReadingPlace).toInt());
    std::sort(places.begin(), places.end());
    auto place = places.begin();
    for (QWidget* c : controls)
        c->setProperty(kReadingPlace, *place++);
}

void markDecoration(QWidget* control) { control->setProperty(kDecoration, true); }

bool isDecoration(const QWidget* control) { return control->property(kDecoration).toBool(); }

void setAccessibleRole(QWidget* widget, QAccessible::Role role) { widget->setProperty(kRole, static_cast<int>(role)); }

} // namespace tessaly
