#pragma once
#include <functional>

class QColor;
class QMessageBox;
class QWidget;

namespace pellox::app {

// "Leave this hand?": "Leave" forfeits the hand in progress and ends the session; "Keep playing" (also
// Escape, and Return unless "Leave" has the keys) does nothing. Window-modal, opened without blocking; it
// deletes itself once answered. Its text follows the screens' text size; "Leave" is drawn in `danger`.
struct ExitConfirmation {
    static QMessageBox* open(QWidget* parent, const QColor& danger, std::function<void()> onLeave);
};

}  // namespace pellox::app
