#include "kit/TextColor.hpp"

#include <QPalette>
#include <QWidget>

namespace pellox::app {

void setTextColor(QWidget* widget, const QColor& color) {
    QPalette colors = widget->palette();
    colors.setColor(QPalette::WindowText, color);
    colors.setColor(QPalette::Text, color);
    widget->setPalette(colors);
}

}  // namespace pellox::app
