#include "table/ExitConfirmation.hpp"

#include <QMessageBox>

#include "kit/Question.hpp"

namespace pellox::app {

QMessageBox* ExitConfirmation::open(QWidget* parent, const QColor& danger, std::function<void()> onLeave) {
    return Question::confirm(parent, QObject::tr("Leave this hand?"),
                             QObject::tr("The hand in progress is forfeited and the session ends."),
                             QObject::tr("Leave"), QObject::tr("Keep playing"), danger, std::move(onLeave));
}

}  // namespace pellox::app
