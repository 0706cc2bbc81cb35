#pragma once

class QColor;
class QWidget;

namespace pellox::app {

// Sets the colour a widget draws its text in, keeping the rest of its palette: labels read WindowText,
// editable and item views read Text.
void setTextColor(QWidget* widget, const QColor& color);

}  // namespace pellox::app
