#pragma once
#include <QObject>
#include <array>
#include <csignal>

class QSocketNotifier;

namespace pellox::app {

// SIGTERM (logout, kill), SIGINT (a terminal's Ctrl+C) and SIGHUP (its terminal or session gone) end the
// application through the same road as the Quit command, so the hand in progress is saved and nothing is cut
// off half-written. The handler only writes a byte to a pipe; the event loop reads it and asks the
// application to quit. One instance at a time; the handlers in place before are put back when it goes.
class QuitOnSignals : public QObject {
    Q_OBJECT
  public:
    explicit QuitOnSignals(QObject* parent = nullptr);
    ~QuitOnSignals() override;

  signals:
    // Emitted on the event loop after one of the signals arrived; connected to QCoreApplication::quit.
    void received(int signal);

  private:
    void readSignal();

    std::array<int, 2> pipe_{-1, -1};
    QSocketNotifier* notifier_ = nullptr;
    struct sigaction previousTerm_ {};
    struct sigaction previousInt_ {};
    struct sigaction previousHup_ {};
};

}  // namespace pellox::app
