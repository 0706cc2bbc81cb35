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

QPushButton* Question::addDestructive(QMessageBox* box, const QString& text, const QColor& danger) {
    QPushButton* button = box->addButton(text, QMessageBox::DestructiveRole);
    button->setAutoDefault(false);
    QPalette colors = button->palette();
    colors.setColor(QPalette::ButtonText, danger);
    button->setPalette(colors);
    return button;
}

QPushButton* Question::addCancel(QMessageBox* box, const QString& text) {
    QPushButton* button = box->addButton(text, QMessageBox::RejectRole);
    box->setDefaultButton(button);
    box->setEscapeButton(button);
    button->setFocus(Qt::OtherFocusReason);
    return button;
}

}  // namespace pellox::app
