#include "kit/AccessibleRole.hpp"

#include <QObject>

namespace pellox::app {

void claimAccessibleRole(QObject* object, QAccessible::InterfaceFactory factory, const char* roleProperty,
                         QAccessible::Role role, bool (*isOurs)(QAccessibleInterface*)) {
    // Qt keeps one copy of a factory however often it is installed, and forgets them all with the
    // application, so installing on every call also serves a later application in the same process.
    QAccessible::installFactory(factory);
    object->setProperty(roleProperty, static_cast<int>(role));
    QAccessibleInterface* cached = QAccessible::queryAccessibleInterface(object);
    if (cached && !isOurs(cached)) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cached));
}

}  // namespace pellox::app
