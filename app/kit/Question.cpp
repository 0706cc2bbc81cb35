#include "kit/Question.hpp"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "kit/Fonts.hpp"

namespace pellox::app {
namespace {

constexpr double questionTextSize = 13;

}  // namespace

QMessageBox* Question::make(QWidget* parent, const QString& title, const QString& message) {
    auto* box = new QMessageBox(parent);
    box->setWindowModality(Qt::WindowModal);
    box->setIcon(QMessageBox::NoIcon);
    box->setWindowTitle(title);
    box->setText(title);
    box->setInformativeText(message);
    setTextSize(box, questionTextSize);
    return box;
}

void Question::setTextSize(QMessageBox* box, double size) {
    // A window does not take its parent's font: the box gets the scaled one itself, and its labels and
    // buttons take it from there.
    box->setFont(scaledFont(size));
    if (auto* title = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        title->setFont(scaledFont(size, FontWeight::bold));
}

QMessageBox* Question::confirm(QWidget* parent, const QString& title, const QString& message,
                               const QString& action, const QString& cancel, const QColor& danger,
                               std::function<void()> confirmed) {
    QMessageBox* box = make(parent, title, message);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // A push button in a dialog is the default while it has the keys (auto-default), so a focused action
    // takes Return; with the keys elsewhere Return goes back to Cancel.
    QPushButton* confirming = box->addButton(action, QMessageBox::DestructiveRole);
    QPalette colors = confirming->palette();
    colors.setColor(QPalette::ButtonText, danger);
    confirming->setPalette(colors);
    QPushButton* cancelling = box->addButton(cancel, QMessageBox::RejectRole);
    box->setDefaultButton(cancelling);
    box->setEscapeButton(cancelling);
    cancelling->setFocus(Qt::OtherFocusReason);
    QObject::connect(box, &QMessageBox::buttonClicked, box,
                     [confirming, confirmed = std::move(confirmed)](QAbstractButton* clicked) {
                         if (clicked == confirming && confirmed) confirmed();
                     });
    box->open();
    return box;
}

}  // namespace pellox::app
