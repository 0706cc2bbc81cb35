#pragma once
// The session's background advice on a private thread pool: the work runs on a worker, its publish step
// back on the GUI thread. Destroying the scheduler drops work not yet started, waits for running work, and
// drops every publish step still queued, so nothing reaches a session that is gone.
#include <QObject>
#include <QThreadPool>
#include <atomic>

#include "session/AdviceScheduler.hpp"

namespace pellox::app {

class ThreadPoolAdviceScheduler final : public QObject, public AdviceScheduler {
  public:
    // One worker: one decision's advice at a time is all the table needs.
    explicit ThreadPoolAdviceScheduler(int maxThreads = 1, QObject* parent = nullptr);
    ~ThreadPoolAdviceScheduler() override;

    // Must be called on the thread that owns the scheduler (the session's).
    void post(Work work) override;

    // Posted work whose publish step has not run yet.
    int pendingCount() const noexcept { return pending_.load(); }

  private:
    void deliver(const Publish& publish);

    QThreadPool pool_;
    std::atomic<int> pending_{0};
};

}  // namespace pellox::app
