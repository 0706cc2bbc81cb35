#pragma once
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>

namespace pellox::app {

// A keyed view task: one pending run, restarted only when the key's text changes. A different key cancels
// the pending run; the same key leaves it alone, however often it is announced. The run happens after its
// delay on the monotonic clock, once, unless cancelled first. Destroying the timer cancels it.
class KeyedTimer : public QObject {
    Q_OBJECT
  public:
    using Run = std::function<void()>;

    explicit KeyedTimer(QObject* parent = nullptr);

    // True when the key differs from the current one: the pending run is cancelled and the caller arms the
    // next one with schedule(). The same key returns false and changes nothing.
    bool changeKey(const QString& key);
    // Arms `run` after `seconds` (0 or less: on the next turn of the event loop), replacing any pending run.
    void schedule(double seconds, Run run);
    // changeKey(key), then on a change schedule(seconds(), run); `seconds` is only asked on a change.
    bool setKey(const QString& key, const std::function<double()>& seconds, Run run);
    // Cancels the pending run and forgets the key, so the next key of any text starts anew.
    void cancel();

    std::optional<QString> key() const { return key_; }
    bool isPending() const { return static_cast<bool>(run_); }
    // Delay of the pending run in milliseconds, -1 when nothing is pending.
    int pendingMilliseconds() const;
    // Tests: performs the pending run now instead of after its delay; false when nothing was pending.
    bool runPendingNow();
    // Tests: while held, a run with a delay waits for runPendingNow() however long the machine takes; a run
    // due on the next turn of the event loop still runs then.
    void holdDelayedRuns(bool held);

  private:
    void fire();

    std::optional<QString> key_;
    Run run_;
    QTimer timer_;
    bool held_ = false;
};

}  // namespace pellox::app
