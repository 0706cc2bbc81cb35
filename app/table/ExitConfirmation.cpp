#include "table/ExitConfirmation.hpp"

#include <QMessageBox>
#include <QPushButton>

#include "kit/Question.hpp"

namespace pellox::app {

QMessageBox* ExitConfirmation::open(QWidget* parent, const QColor& danger, std::function<void()> onLeave) {
    QMessageBox* box = Question::make(parent, QObject::tr("Leave this hand?"),
                                      QObject::tr("The hand in progress is forfeited and the session ends."));
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* leave = Question::addDestructive(box, QObject::tr("Leave"), danger);
    Question::addCancel(box, QObject::tr("Keep playing"));
    QObject::connect(box, &QMessageBox::buttonClicked, box,
                     [leave, onLeave = std::move(onLeave)](auto* clicked) {
                         if (clicked == leave && onLeave) onLeave();
                     });
    box->open();
    return box;
}

}  // namespace pellox::app
