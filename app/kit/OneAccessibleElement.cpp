#include "kit/OneAccessibleElement.hpp"

#include <QAccessibleWidget>
#include <QWidget>

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
    static const bool installed = [] {
        QAccessible::installFactory(leafFactory);
        return true;
    }();
    (void)installed;
    widget->setProperty(roleProperty, static_cast<int>(role));
    QAccessibleInterface* existing = QAccessible::queryAccessibleInterface(widget);
    if (existing && !dynamic_cast<LeafAccessible*>(existing))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(existing));
}

}  // namespace pellox::app
