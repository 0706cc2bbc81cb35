#include "kit/AccessibleNotice.hpp"

#include <QAccessible>

namespace pellox::app {

namespace {

AccessibleNoticeObserver& observer() {
    static AccessibleNoticeObserver current;
    return current;
}

}  // namespace

void sendAccessibleNotice(QAccessibleEvent& event) {
    if (observer()) observer()(event);
    if (QAccessible::isActive()) QAccessible::updateAccessibility(&event);
}

void observeAccessibleNotices(AccessibleNoticeObserver next) {
    observer() = std::move(next);
}

}  // namespace pellox::app
