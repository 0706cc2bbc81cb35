#include "kit/OneAccessibleElement.hpp"

#include <QAccessibleWidget>
#include <QWidget>

#include "kit/AccessibleRole.hpp"

namespace pellox::app {
namespace {

constexpr const char* roleProperty = "pelloxOneAccessibleElementRole";

class LeafAccessible : public QAccessibleWidget {
  public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
};

QAccessibleInterface* leafFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    const QVariant role = object ? object->property(roleProperty) : QVariant();
    if (!widget || !role.isValid()) return nullptr;
    return new LeafAccessible(widget, static_cast<QAccessible::Role>(role.toInt()));
}

}  // namespace

void makeOneAccessibleElement(QWidget* widget, QAccessible::Role role) {
    claimAccessibleRole<LeafAccessible>(widget, leafFactory, roleProperty, role);
}

}  // namespace pellox::app
