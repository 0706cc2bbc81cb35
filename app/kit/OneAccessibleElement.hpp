#pragma once
#include <QAccessible>

class QWidget;

namespace pellox::app {

// Makes a composed widget one element for a screen reader: it speaks the widget's accessible name and
// description, and none of its children appear beside it.
void makeOneAccessibleElement(QWidget* widget, QAccessible::Role role = QAccessible::StaticText);

}  // namespace pellox::app
