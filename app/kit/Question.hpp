#pragma once
#include <QString>
#include <functional>

class QColor;
class QMessageBox;
class QWidget;

namespace pellox::app {

// A question the user answers before going on: a window-modal message box over the parent's window, its
// title in bold above its message, its text in the screens' text size (larger text makes it larger).
namespace Question {

QMessageBox* make(QWidget* parent, const QString& title, const QString& message);

// A question that confirms an action that cannot be taken back, opened at once without blocking; it deletes
// itself once answered. It opens on `cancel`, which Return and Escape answer and which does nothing;
// `action`, its text in `danger`, calls `confirmed`, by a click, Space, or Return once it has the keys.
QMessageBox* confirm(QWidget* parent, const QString& title, const QString& message, const QString& action,
                     const QString& cancel, const QColor& danger, std::function<void()> confirmed);

// The box's own font for its text at `size`, the title bold.
void setTextSize(QMessageBox* box, double size);

}  // namespace Question
}  // namespace pellox::app
