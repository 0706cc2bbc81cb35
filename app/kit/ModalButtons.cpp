#include "kit/ModalButtons.hpp"

#include <QHBoxLayout>

namespace pellox::app {

ModalButtons::ModalButtons(std::initializer_list<QWidget*> buttons, QWidget* parent)
    : QWidget(parent), layout_(new QHBoxLayout(this)) {
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(spacing);
    layout_->addStretch(1);
    for (QWidget* button : buttons)
        addButton(button);
}

void ModalButtons::addButton(QWidget* button) {
    layout_->addWidget(button, 0, Qt::AlignVCenter);
}

}  // namespace pellox::app
