#include "shell/ResumeOffer.hpp"

#include "session/GameSession.hpp"
#include "session/SessionSnapshotStore.hpp"
#include "store/HandRecord.hpp"
#include "store/StatsStore.hpp"

namespace pellox::app {

std::string resumeAlertMessage(GameMode mode) {
    const std::string_view word = mode == GameMode::tournament ? "tournament" : "cash game";
    return "A " + std::string(word) + " hand was still in " + "progress when you left.";
}

namespace {

// A stored hand whose record is the newest in the history: the record and the removal of the stored hand
// are written together, but a file from an older build, where a crash came between the two, holds both. Only
// the newest record can be it; an older one with the same id is another game played from the same seed.
bool isRecorded(const SessionSnapshot& snapshot, const std::vector<HandRecord>& history) {
    return !history.empty() && history.front().id == snapshot.handId();
}

}  // namespace

std::optional<SessionSnapshot> offerResume(bool isPlaying, const GameSession& session,
                                           SessionSnapshotStore& snapshots) {
    if (isPlaying || session.table()) return std::nullopt;
    const auto& persisted = SessionSnapshotStore::persisted;
    std::optional<std::string> unreadable;
    auto snapshot = persisted.load(*snapshots.store, unreadable);
    // Kept aside and removed in one write; a hand that cannot be read is still offered only once.
    KeyValueStore::Batch batch(*snapshots.store);
    if (unreadable) persisted.keepAside(std::move(*unreadable), *snapshots.store);
    snapshots.clear();
    // Played again, a finished hand would be recorded twice.
    if (snapshot && isRecorded(*snapshot, session.statsStore().handHistory())) return std::nullopt;
    return snapshot;
}

void saveSnapshotOnQuit(const GameSession& session, SessionSnapshotStore& snapshots,
                        const std::optional<SessionSnapshot>& unanswered) {
    if (auto snapshot = session.makeSnapshot())
        snapshots.save(*snapshot);
    else if (unanswered)
        snapshots.save(*unanswered);
    else
        snapshots.clear();
}

}  // namespace pellox::app
