#include "kit/RefreshCoalescer.hpp"

#include <utility>

namespace pellox::app {

RefreshCoalescer::RefreshCoalescer(std::function<void()> refresh, QObject* parent)
    : QObject(parent), refresh_(std::move(refresh)) {}

void RefreshCoalescer::notify() {
    if (pending_) return;
    pending_ = true;
    QMetaObject::invokeMethod(this, &RefreshCoalescer::run, Qt::QueuedConnection);
}

void RefreshCoalescer::flush() {
    run();
}

void RefreshCoalescer::run() {
    // A flush may already have done the queued call's work.
    if (!pending_) return;
    pending_ = false;
    if (refresh_) refresh_();
}

}  // namespace pellox::app
