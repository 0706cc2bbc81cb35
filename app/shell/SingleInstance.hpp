#pragma once
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;
class QLockFile;

namespace pellox::app {

inline constexpr const char* notRespondingText = "Pellox Poker is already running but not responding.";

// A message box, for a launch that has no window of its own.
void showNotResponding(const QString& text);

// One running application per settings file: two would each save their whole documents, and the last to
// write would erase the hands the other played. The first launch holds a lock beside the settings file for
// as long as it runs and listens for later launches; a later one asks it to come to the front and ends. The
// running one answers; one that does not (stopped, or hung) is reported to the user. A lock left by a
// process that no longer runs is taken over.
class SingleInstance : public QObject {
    Q_OBJECT
  public:
    enum class Claim {
        // This process holds the lock.
        acquired,
        // Another running process holds it.
        heldElsewhere,
        // The lock cannot be made (a folder that cannot be written): the application runs unguarded, and the
        // settings file reports that it cannot be saved.
        unavailable,
    };

    explicit SingleInstance(const QString& settingsPath, QObject* parent = nullptr);
    ~SingleInstance() override;

    Claim claim();
    // From a launch that found the lock held: asks the running application to come to the front. False when
    // it did not answer within the time.
    bool raiseRunning(int timeoutMs = 2000);
    // What a launch that found the lock held does: 0 when the running application answered; otherwise the
    // user is told (`tell` gets notRespondingText) and the result is 1.
    int handOverToRunning(const std::function<void(const QString&)>& tell, int timeoutMs = 2000);

    QString lockPath() const { return lockPath_; }

  signals:
    // A later launch asked this one to come to the front.
    void raiseRequested();

  private:
    void listen();

    QString lockPath_;
    QString serverName_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
};

}  // namespace pellox::app
