#pragma once
#include <QObject>
#include <optional>
#include <string>

#include "store/Observed.hpp"

namespace pellox {
class GameSession;
struct SessionSnapshotStore;
}  // namespace pellox

namespace pellox::app {

// Keeps the stored unfinished hand in step with the game, so a crash, a kill or a lost display loses no
// more than the decision in front of the player: the hand is stored each time the human comes to act, and
// the stored one is removed once the hand it holds is over or abandoned. A hand that ends with a record is
// removed in the same write as its record, so it is never both recorded and offered again. A quit still
// stores the hand as it stands then (saveSnapshotOnQuit).
class SnapshotKeeper : public QObject {
    Q_OBJECT
  public:
    SnapshotKeeper(GameSession& session, SessionSnapshotStore& snapshots, QObject* parent = nullptr);

    // Brings the stored snapshot in line with the session; runs by itself after each change of the table.
    void update();
    // A resumed hand is stored again only from its next decision on: were the decision it was left at to
    // crash the application, storing it again would offer it after every crash.
    void skipCurrentDecision();

  private:
    // Removes the stored hand; the next decision is stored whatever its key.
    void forget();

    GameSession& session_;
    SessionSnapshotStore& snapshots_;
    // The decision last stored; none while nothing of this run is stored.
    std::optional<std::string> storedDecision_;
    bool pending_ = false;
    Subscription tableSubscription_;
    Subscription historySubscription_;
};

}  // namespace pellox::app
