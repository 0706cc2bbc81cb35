#pragma once
// Where the session's background advice runs. The work gets only values taken on the session's thread;
// what it returns is the step that publishes its result, run back on the session's thread.
#include <functional>

namespace pellox {

class AdviceScheduler {
  public:
    // Runs on the session's thread once the work is done.
    using Publish = std::function<void()>;
    // Runs on a worker thread; touches nothing but what it owns.
    using Work = std::function<Publish()>;

    virtual ~AdviceScheduler() = default;

    // Returns at once; the work runs later, and its publish step after it on the session's thread.
    virtual void post(Work work) = 0;
};

// Runs the work and its publish step at once, on the caller's thread: the session's default.
class ImmediateAdviceScheduler final : public AdviceScheduler {
  public:
    void post(Work work) override {
        if (auto publish = work()) publish();
    }
};

}  // namespace pellox
