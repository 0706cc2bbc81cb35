#pragma once
#include <functional>

class QMessageBox;
class QWidget;

namespace pellox::app {

// "Leave this hand?": "Leave" forfeits the hand in progress and ends the session; "Keep playing" (also
// Escape) does nothing. Window-modal, opened without blocking; it deletes itself once answered.
struct ExitConfirmation {
    static QMessageBox* open(QWidget* parent, std::function<void()> onLeave);
};

}  // namespace pellox::app
