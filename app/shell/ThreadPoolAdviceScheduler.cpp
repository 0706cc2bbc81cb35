#include "shell/ThreadPoolAdviceScheduler.hpp"

#include <algorithm>
#include <exception>
#include <utility>

namespace pellox::app {

ThreadPoolAdviceScheduler::ThreadPoolAdviceScheduler(int maxThreads, QObject* parent) : QObject(parent) {
    pool_.setMaxThreadCount(std::max(1, maxThreads));
}

ThreadPoolAdviceScheduler::~ThreadPoolAdviceScheduler() {
    drain();
    // Publish steps already queued die with this object: Qt discards events posted to a deleted receiver.
}

void ThreadPoolAdviceScheduler::drain() {
    pool_.clear();
    pool_.waitForDone();
    ++generation_;
    pending_ = 0;
}

void ThreadPoolAdviceScheduler::post(Work work) {
    ++pending_;
    const std::uint64_t generation = generation_;
    pool_.start([this, generation, work = std::move(work)]() {
        Publish publish;
        try {
            publish = work();
        } catch (const std::exception&) {
            // An advice that fails to compute is simply never published; the session grades inline then.
            publish = nullptr;
        }
        QMetaObject::invokeMethod(
            this, [this, generation, publish = std::move(publish)]() { deliver(generation, publish); },
            Qt::QueuedConnection);
    });
}

void ThreadPoolAdviceScheduler::deliver(std::uint64_t generation, const Publish& publish) {
    if (generation != generation_) return;
    --pending_;
    if (publish) publish();
}

}  // namespace pellox::app
