#pragma once

#include <QAccessible>

#include <initializer_list>

class QWidget;

namespace tessaly {

// What screen readers (AT-SPI, UI Automation) see of a screen. A screen's table lists its
// controls in the order they lie on top of each other, and the builder stacks them so;
// readers get them in reading order instead, which is the table's order unless the screen
// says otherwise. Lines and frames that only decorate are left out.

// Installs the accessibility of the screens; once, before the first screen is built.
void installScreenAccessibility();

// Gives a control the next place in reading order. The form builder calls it for every
// control it makes, in the order of the table.
void addToReadingOrder(QWidget* control);
// Reads these controls in the order given, in the places they hold in reading order between them.
void readInOrder(std::initializer_list<QWidget*> controls);

// Leaves a control out of what screen readers see.
void markDecoration(QWidget* control);
bool isDecoration(const QWidget* control);

// What a plain widget stands for: a picture, a chart, a group of controls.
void setAccessibleRole(QWidget* widget, QAccessible::Role role);

} // namespace tessaly
