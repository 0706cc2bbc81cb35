#include "shell/DialogSupport.hpp"

#include <QApplication>
#include <QDialog>
#include <QEvent>

namespace pellox::app {

DialogSupport::DialogSupport(QList<QAction*> commands, QObject* parent)
    : QObject(parent), commands_(std::move(commands)) {
    qApp->installEventFilter(this);
}

bool DialogSupport::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::Hide) return false;
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (!dialog || !dialog->isWindow()) return false;
    if (type == QEvent::Show) {
        dialog->addActions(commands_);
        return false;
    }
    // The screen under it takes the focus it had; a screen that is going away gets none.
    QWidget* screen = dialog->parentWidget();
    if (screen && screen->isVisible() && screen->isEnabled()) {
        QWidget* keep = screen->focusWidget();
        (keep && keep->isVisible() ? keep : screen)->setFocus(Qt::OtherFocusReason);
    }
    return false;
}

}  // namespace pellox::app
