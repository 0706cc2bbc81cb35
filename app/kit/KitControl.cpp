#include "kit/KitControl.hpp"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>

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

}  // namespace

void KitControl::install(QAbstractButton* button, QAccessible::Role role) {
    claimAccessibleRole<KitButtonAccessible>(button, kitButtonFactory, roleProperty, role);
    button->setFocusPolicy(Qt::TabFocus);
    button->installEventFilter(new ReturnPresses(button));
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
