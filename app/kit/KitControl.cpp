#include "kit/KitControl.hpp"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>

#include "kit/AccessibleRole.hpp"
#include "kit/Painting.hpp"

namespace pellox::app {
namespace {

constexpr const char* roleProperty = "pelloxKitControlRole";
constexpr qreal ringWidth = 2;
constexpr qreal ringInset = 1;

class KitButtonAccessible : public QAccessibleWidget {
  public:
    KitButtonAccessible(QAbstractButton* button, QAccessible::Role role) : QAccessibleWidget(button, role) {}

    QString text(QAccessible::Text t) const override {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty()) text = button()->text();
        return text;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = button()->isCheckable();
        state.checked = button()->isChecked();
        state.pressed = button()->isDown();
        return state;
    }

    QStringList actionNames() const override {
        QStringList names;
        if (button()->isEnabled()) names << (button()->isCheckable() ? toggleAction() : pressAction());
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action != pressAction() && action != toggleAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (button()->isEnabled()) button()->click();
    }

    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == pressAction() || action == toggleAction()) return {QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

  private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* kitButtonFactory(const QString&, QObject* object) {
    auto* button = qobject_cast<QAbstractButton*>(object);
    if (!button) return nullptr;
    const QVariant role = button->property(roleProperty);
    if (!role.isValid()) return nullptr;
    return new KitButtonAccessible(button, static_cast<QAccessible::Role>(role.toInt()));
}

// Return and Enter press a focused control as Space does; a dialog's default button answers only when no
// control took the key.
class ReturnPresses : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        auto* button = static_cast<QAbstractButton*>(watched);
        if (key->modifiers() & ~Qt::KeypadModifier || !KitControl::pressesOnKey(key->key())) return false;
        if (button->isEnabled()) button->click();
        return true;
    }
};

constexpr const char* keyboardFocusProperty = "pelloxKeyboardFocus";
constexpr const char* keyPressedProperty = "pelloxKeyPressed";

// Watches the whole application for what makes focus worth showing: focus moved by a key, and any key
// pressed in a window, after which the window's focused control repaints with its ring.
class FocusVisibility : public QObject {
  public:
    static void watch() {
        static QPointer<FocusVisibility> watcher;
        if (!watcher && qApp) watcher = new FocusVisibility(qApp);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType()) return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            widget->setProperty(keyboardFocusProperty, reason == Qt::TabFocusReason ||
                                                           reason == Qt::BacktabFocusReason ||
                                                           reason == Qt::ShortcutFocusReason);
        } else if (event->type() == QEvent::KeyPress) {
            QWidget* window = widget->window();
            if (!window->property(keyPressedProperty).toBool()) {
                window->setProperty(keyPressedProperty, true);
                if (QWidget* focused = window->focusWidget()) focused->update();
            }
        }
        return false;
    }

  private:
    explicit FocusVisibility(QObject* parent) : QObject(parent) { parent->installEventFilter(this); }
};

}  // namespace

bool KitControl::showsFocus(const QWidget* widget) {
    FocusVisibility::watch();
    if (!widget->hasFocus()) return false;
    return widget->property(keyboardFocusProperty).toBool() ||
           widget->window()->property(keyPressedProperty).toBool();
}

void KitControl::install(QAbstractButton* button, QAccessible::Role role) {
    FocusVisibility::watch();
    claimAccessibleRole<KitButtonAccessible>(button, kitButtonFactory, roleProperty, role);
    button->setFocusPolicy(Qt::TabFocus);
    button->installEventFilter(new ReturnPresses(button));
}

void KitControl::setRole(QAbstractButton* button, QAccessible::Role role) {
    // The interface already built keeps the role it was made with: it goes, the next query makes another.
    claimAccessibleRole(button, kitButtonFactory, roleProperty, role,
                        [](QAccessibleInterface*) { return false; });
}

bool KitControl::pressesOnKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

void KitControl::paintFocusRing(QPainter& painter, const QRectF& shape, qreal cornerRadius,
                                const QColor& color) {
    const QRectF ring = shape.adjusted(ringInset, ringInset, -ringInset, -ringInset);
    strokeRoundedRectInside(painter, ring, std::max<qreal>(0, cornerRadius - ringInset), color, ringWidth);
}

}  // namespace pellox::app
