#include "table/ThreadPoolAdviceScheduler.hpp"

#include <algorithm>
#include <exception>
#include <utility>

namespace pellox::app {

ThreadPoolAdviceScheduler::ThreadPoolAdviceScheduler(int maxThreads, QObject* parent) : QObject(parent) {
    pool_.setMaxThreadCount(std::max(1, maxThreads));
}

ThreadPoolAdviceScheduler::~ThreadPoolAdviceScheduler() {
    pool_.clear();
    pool_.waitForDone();
    // Publish steps already queued die with this object: Qt discards events posted to a deleted receiver.
}

void ThreadPoolAdviceScheduler::post(Work work) {
    ++pending_;
    pool_.start([this, work = std::move(work)]() {
        Publish publish;
        try {
            publish = work();
        } catch (const std::exception&) {
            // An advice that fails to compute is simply never published; the session grades inline then.
            publish = nullptr;
        }
        QMetaObject::invokeMethod(
            this, [this, publish = std::move(publish)]() { deliver(publish); }, Qt::QueuedConnection);
    });
}

void ThreadPoolAdviceScheduler::deliver(const Publish& publish) {
    --pending_;
    if (publish) publish();
}

}  // namespace pellox::app
