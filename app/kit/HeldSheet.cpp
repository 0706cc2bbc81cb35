#include "kit/HeldSheet.hpp"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QResizeEvent>

namespace pellox::app {

HeldSheet::HeldSheet(QWidget* parent) : QDialog(parent) {
    setWindowModality(Qt::WindowModal);
    if (parent) parent->window()->installEventFilter(this);
    // Every way of quitting (Quit, the last window closing, a signal) passes the application this event
    // before it closes the windows.
    QCoreApplication::instance()->installEventFilter(this);
}

void HeldSheet::fitWithinWindow(QSize ideal, QSize minimum) {
    ideal_ = ideal;
    minimum_ = minimum;
    fitWithin(parentWidget() ? parentWidget()->window()->size() : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

void HeldSheet::fitWithin(QSize room) {
    if (!ideal_.isValid()) return;
    if (minimum_.isValid()) setMinimumSize(minimum_.boundedTo(room));
    resize(ideal_.boundedTo(room));
}

bool HeldSheet::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && parentWidget() && watched == parentWidget()->window())
        fitWithin(static_cast<QResizeEvent*>(event)->size());
    if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit) quitting_ = true;
    return false;
}

// Escape asks a dialog to reject itself.
void HeldSheet::reject() {
    if (!isHeld()) QDialog::reject();
}

void HeldSheet::closeEvent(QCloseEvent* event) {
    if (isHeld())
        event->ignore();
    else
        QDialog::closeEvent(event);
}

}  // namespace pellox::app
