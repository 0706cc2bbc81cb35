#include "table/ExitConfirmation.hpp"

#include <QMessageBox>
#include <QPushButton>

namespace pellox::app {

QMessageBox* ExitConfirmation::open(QWidget* parent, std::function<void()> onLeave) {
    auto* box = new QMessageBox(parent);
    const QString title = QObject::tr("Leave this hand?");
    box->setWindowTitle(title);
    box->setText(title);
    box->setInformativeText(QObject::tr("The hand in progress is forfeited and the session ends."));
    box->setIcon(QMessageBox::NoIcon);
    box->setWindowModality(Qt::WindowModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* leave = box->addButton(QObject::tr("Leave"), QMessageBox::DestructiveRole);
    QPushButton* keep = box->addButton(QObject::tr("Keep playing"), QMessageBox::RejectRole);
    box->setDefaultButton(keep);
    box->setEscapeButton(keep);
    QObject::connect(box, &QMessageBox::buttonClicked, box,
                     [leave, onLeave = std::move(onLeave)](auto* clicked) {
                         if (clicked == leave && onLeave) onLeave();
                     });
    box->open();
    return box;
}

}  // namespace pellox::app
