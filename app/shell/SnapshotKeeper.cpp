#include "shell/SnapshotKeeper.hpp"

#include <QTimer>
#include <utility>

#include "session/GameSession.hpp"
#include "session/SessionSnapshotStore.hpp"
#include "store/StatsStore.hpp"

namespace pellox::app {

SnapshotKeeper::SnapshotKeeper(GameSession& session, SessionSnapshotStore& snapshots, QObject* parent)
    : QObject(parent), session_(session), snapshots_(snapshots) {
    // One look per turn of the event loop, after the session has finished applying the change.
    tableSubscription_ = session_.subscribe(GameSession::Property::table, [this](std::string_view) {
        if (std::exchange(pending_, true)) return;
        QTimer::singleShot(0, this, [this] {
            pending_ = false;
            update();
        });
    });
    // At once: the statistics store writes the record and this removal together.
    historySubscription_ =
        session_.statsStore().subscribe(StatsStore::Property::handHistory, [this](std::string_view) {
            if (storedDecision_ && !session_.makeSnapshot()) forget();
        });
}

void SnapshotKeeper::update() {
    if (session_.isHumanTurn()) {
        std::string decision = GameSession::decisionKey(*session_.table());
        if (decision == storedDecision_) return;
        if (auto snapshot = session_.makeSnapshot()) {
            snapshots_.save(*snapshot);
            storedDecision_ = std::move(decision);
        }
    } else if (storedDecision_ && !session_.makeSnapshot()) {
        forget();
    }
}

void SnapshotKeeper::skipCurrentDecision() {
    if (session_.isHumanTurn()) storedDecision_ = GameSession::decisionKey(*session_.table());
}

void SnapshotKeeper::forget() {
    snapshots_.clear();
    storedDecision_.reset();
}

}  // namespace pellox::app
