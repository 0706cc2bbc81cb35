#pragma once
// The session's background advice on a private thread pool: the work runs on a worker, its publish step
// back on the GUI thread. Destroying the scheduler drops work not yet started, waits for running work, and
// drops every publish step still queued, so nothing reaches a session that is gone.
#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <cstdint>

#include "session/AdviceScheduler.hpp"

namespace pellox::app {

class ThreadPoolAdviceScheduler final : public QObject, public AdviceScheduler {
  public:
    // One worker: one decision's advice at a time is all the table needs.
    explicit ThreadPoolAdviceScheduler(int maxThreads = 1, QObject* parent = nullptr);
    ~ThreadPoolAdviceScheduler() override;

    // Must be called on the thread that owns the scheduler (the session's).
    void post(Work work) override;

    // Drops work not yet started, waits for running work and drops every publish step posted so far: called
    // before the session goes away (the destructor drains too). Later posts run normally.
    void drain();

    // Posted work whose publish step has not run or been dropped yet.
    int pendingCount() const noexcept { return pending_.load(); }

  private:
    void deliver(std::uint64_t generation, const Publish& publish);

    QThreadPool pool_;
    std::atomic<int> pending_{0};
    // Publish steps of an earlier generation were drained and are dropped.
    std::uint64_t generation_ = 0;
};

}  // namespace pellox::app
