#pragma once
#include <QObject>
#include <functional>

namespace pellox::app {

// Gathers the notifications of one turn of the event loop into one refresh: the first notify() of a turn
// queues a call, later ones only mark it dirty, and the refresh runs once the current operation is done, so
// nothing reacts to a half-applied change. Destroying the coalescer drops a queued refresh.
class RefreshCoalescer : public QObject {
    Q_OBJECT
  public:
    explicit RefreshCoalescer(std::function<void()> refresh, QObject* parent = nullptr);

    void notify();
    // Runs a pending refresh now (for a caller that needs the result before the loop turns).
    void flush();
    bool isPending() const noexcept { return pending_; }

  private:
    void run();

    std::function<void()> refresh_;
    bool pending_ = false;
};

}  // namespace pellox::app
