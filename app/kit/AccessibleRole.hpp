#pragma once
#include <QAccessible>

class QObject;

namespace pellox::app {

// Hands `object` to `factory` as an element of `role`: installs the factory, tags the object with the role
// under `roleProperty` for the factory to read, and evicts an interface Qt already built and cached for the
// object (setting its text or name may have) unless `isOurs` accepts it, so the next query reaches the
// factory.
void claimAccessibleRole(QObject* object, QAccessible::InterfaceFactory factory, const char* roleProperty,
                         QAccessible::Role role, bool (*isOurs)(QAccessibleInterface*));

template <class Ours>
void claimAccessibleRole(QObject* object, QAccessible::InterfaceFactory factory, const char* roleProperty,
                         QAccessible::Role role) {
    claimAccessibleRole(object, factory, roleProperty, role,
                        [](QAccessibleInterface* cached) { return dynamic_cast<Ours*>(cached) != nullptr; });
}

}  // namespace pellox::app
