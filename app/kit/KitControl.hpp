#pragma once
#include <QAccessible>
#include <QColor>
#include <QRectF>

class QAbstractButton;
class QPainter;
class QWidget;

namespace pellox::app {

// What every button of the kit shares, so a screen listening to `clicked` hears every way of pressing it:
// the mouse, Space and Return with keyboard focus (reached with Tab), and a screen reader's press or toggle
// action, which Qt's own button interface answers without a click (a toggle) or only after a delay (a
// press).
namespace KitControl {

// Call in the control's constructor. The role is what a screen reader announces (a switch is a check box, a
// segment a radio button). The accessible name falls back to the button's text.
void install(QAbstractButton* button, QAccessible::Role role = QAccessible::Button);

// Changes what a screen reader announces the control as: a button that stands for one of several choices
// becomes a radio button (checkable, its checked state saying which is chosen).
void setRole(QAbstractButton* button, QAccessible::Role role);

// Whether a key pressed on a focused control presses it (Space is the button's own).
bool pressesOnKey(int key);

// Whether a focused widget shows that it has the keyboard: when the focus came by a key (Tab, Backtab, a
// shortcut) or once a key has been pressed in its window. The focus a window hands out as it opens shows
// nothing until then, as a pointer user expects.
bool showsFocus(const QWidget* widget);

// The keyboard focus ring: a line inside the given shape, in a colour that reads on the control's fill (the
// colour its text is drawn in).
void paintFocusRing(QPainter& painter, const QRectF& shape, qreal cornerRadius, const QColor& color);

}  // namespace KitControl
}  // namespace pellox::app
