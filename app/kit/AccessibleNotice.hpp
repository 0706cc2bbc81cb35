#pragma once
#include <functional>

class QAccessibleEvent;

namespace pellox::app {

// Tells screen readers of a change to an accessible element, when one listens.
void sendAccessibleNotice(QAccessibleEvent& event);

// Hears every notice sent, whether or not a screen reader listens (Qt forwards nothing while none does), so
// what a reader would be told can be checked where none runs. One at a time; an empty function stops it.
using AccessibleNoticeObserver = std::function<void(QAccessibleEvent&)>;
void observeAccessibleNotices(AccessibleNoticeObserver observer);

}  // namespace pellox::app
