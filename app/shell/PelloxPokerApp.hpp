#pragma once
#include <QObject>
#include <QPointer>
#include <memory>
#include <optional>

#include "session/SessionSnapshot.hpp"

class QMessageBox;

namespace pellox {
class GameSession;
class KeyValueStore;
class SettingsStore;
class StatsStore;
struct SessionSnapshotStore;
}  // namespace pellox

namespace pellox::app {

class AppContext;
class Feedback;
class MacNavigation;
class MacRootView;
class MainWindow;
class PelloxCommands;
class QuitOnSignals;
class RangesWindow;
class SnapshotKeeper;
class ThreadPoolAdviceScheduler;

// The application: creates the long-lived objects once, in a fixed order, and keeps them until the process
// ends; holds the main window and the single ranges window; quits when the last window closes. Whichever
// window is open, the hand in progress is stored (or the stored one removed) when the application quits,
// also when it is told to by SIGTERM, SIGINT or SIGHUP; in between, the hand is stored each time the human
// comes to act, so a crash loses no more than that decision. Nothing is written during start-up. When the
// settings file cannot be written the player is told once and plays on.
class PelloxPokerApp : public QObject {
    Q_OBJECT
  public:
    // Over the user's settings file.
    PelloxPokerApp();
    // Over any store standing for the user's defaults (tests: a temporary settings file).
    explicit PelloxPokerApp(std::shared_ptr<KeyValueStore> defaults);
    ~PelloxPokerApp() override;

    // Shows the main window at its default size.
    void show();
    // Shows the main window and brings it to the front (a second launch asks for this).
    void raiseMainWindow();
    // "Preflop Ranges": builds the window on first use, then shows it or brings it to the front.
    void openRanges();
    // Stores the hand in progress, or one offered for resumption and not yet answered; else removes the
    // stored one.
    void saveSnapshotOnQuit();

    MacNavigation& navigation() const noexcept { return *navigation_; }
    SettingsStore& settings() const noexcept { return *settings_; }
    StatsStore& stats() const noexcept { return *stats_; }
    GameSession& session() const noexcept { return *session_; }
    Feedback& feedback() const noexcept { return *feedback_; }
    SessionSnapshotStore& snapshots() const noexcept { return *snapshots_; }
    PelloxCommands& commands() const noexcept { return *commands_; }
    MainWindow& mainWindow() const noexcept { return *mainWindow_; }
    MacRootView& rootView() const noexcept;
    // None until "Preflop Ranges" was first chosen.
    RangesWindow* rangesWindow() const noexcept { return rangesWindow_.get(); }
    AppContext& mainContext() const noexcept { return *mainContext_; }
    // The warning that progress cannot be saved, while it is open.
    QMessageBox* saveFailureAlert() const noexcept;

  private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void buildScenes();
    void tellSavingFailed(const QString& path);

    std::unique_ptr<MacNavigation> navigation_;
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<StatsStore> stats_;
    std::shared_ptr<KeyValueStore> defaults_;
    // Outlives the session: its destruction waits for advice still being computed.
    std::shared_ptr<ThreadPoolAdviceScheduler> scheduler_;
    std::unique_ptr<GameSession> session_;
    std::unique_ptr<Feedback> feedback_;
    std::unique_ptr<SessionSnapshotStore> snapshots_;
    std::unique_ptr<SnapshotKeeper> snapshotKeeper_;
    std::unique_ptr<AppContext> mainContext_;
    std::unique_ptr<PelloxCommands> commands_;
    std::unique_ptr<MainWindow> mainWindow_;
    std::unique_ptr<RangesWindow> rangesWindow_;
    std::unique_ptr<QuitOnSignals> quitOnSignals_;
    QPointer<QMessageBox> saveFailureAlert_;
    // The hand offered for resumption and not answered when the quit began.
    std::optional<SessionSnapshot> unansweredAtQuit_;
};

}  // namespace pellox::app
