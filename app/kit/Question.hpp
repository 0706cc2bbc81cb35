#pragma once
#include <QString>

class QColor;
class QMessageBox;
class QPushButton;
class QWidget;

namespace pellox::app {

// A question the user answers before going on: a window-modal message box over the parent's window, its
// title in bold above its message, its text in the screens' text size (larger text makes it larger).
namespace Question {

QMessageBox* make(QWidget* parent, const QString& title, const QString& message);

// The button that erases or resets: its text in the danger colour, never the default.
QPushButton* addDestructive(QMessageBox* box, const QString& text, const QColor& danger);

// The way out: the question opens on it, and Return and Escape answer it.
QPushButton* addCancel(QMessageBox* box, const QString& text);

// The box's own font for its text at `size`, the title bold.
void setTextSize(QMessageBox* box, double size);

}  // namespace Question
}  // namespace pellox::app
