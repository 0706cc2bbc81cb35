#pragma once
// The table screen's drive: the keyed pacing run that performs one step of the game after its delay, the
// keyed pre-action run, and the three sounds. Session and settings notifications of one turn of the event
// loop are gathered into one refresh, which sets the keys, plays what is due and then tells the views.
// Destroying the task stops every run.
#include <QObject>
#include <functional>
#include <memory>
#include <optional>

#include "store/Observed.hpp"
#include "table/TablePacing.hpp"

namespace pellox {
class GameSession;
class SettingsStore;
struct PlayerAction;
}  // namespace pellox

namespace pellox::app {

class AppContext;
class KeyedTimer;
class RefreshCoalescer;

class TablePacingTask : public QObject {
    Q_OBJECT
  public:
    // The bot think delay's uniform draw from [0, 1]; the platform's generator unless replaced.
    using Jitter = std::function<double()>;

    TablePacingTask(const AppContext& context, GameSession& session, SettingsStore& settings, bool frozen,
                    QObject* parent = nullptr);
    ~TablePacingTask() override;

    const TablePacing& pacing() const noexcept { return pacing_; }
    GameSession& session() const noexcept { return session_; }
    void setJitter(Jitter jitter) { jitter_ = std::move(jitter); }

    // The human's action: the fold sound for a fold, then the session takes it (or refuses it).
    void submit(const PlayerAction& action);
    void foldFromSeat();
    // Shows the rest of the board at once, or starts the next hand when this one is over and shown.
    void advanceOrRevealAll();
    void setShowingSummary(bool showing);

    // Gathers a change made outside the session (the board revealed, the summary shown) into the refresh.
    void notify();
    // Runs a gathered refresh now.
    void flush();

    // Tests: the runs waiting for their delay.
    KeyedTimer& pacingTimer() const noexcept { return *pacingTimer_; }
    KeyedTimer& preActionTimer() const noexcept { return *preActionTimer_; }

  signals:
    // Once per gathered refresh, after the keys and sounds: the views redraw from the session.
    void refreshed();

  private:
    void refresh();
    void schedulePacingRun();
    void perform(PacingAction action);
    void startHand();
    void schedulePreActionRun();
    void firePreAction();
    void play(TablePacing::Sound sound) const;

    const AppContext& context_;
    GameSession& session_;
    SettingsStore& settings_;
    TablePacing pacing_;
    std::optional<TablePacing::PacingKey> pacedKey_;
    Jitter jitter_;
    std::unique_ptr<RefreshCoalescer> coalescer_;
    std::unique_ptr<KeyedTimer> pacingTimer_;
    std::unique_ptr<KeyedTimer> preActionTimer_;
    Subscription sessionWatch_;
    Subscription settingsWatch_;
};

}  // namespace pellox::app
