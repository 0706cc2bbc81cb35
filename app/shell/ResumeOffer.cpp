#include "shell/ResumeOffer.hpp"

#include "session/GameSession.hpp"
#include "session/SessionSnapshotStore.hpp"

namespace pellox::app {

std::string resumeAlertMessage(GameMode mode) {
    const std::string_view word = mode == GameMode::tournament ? "tournament" : "cash game";
    return "A " + std::string(word) + " hand was still in " + "progress when you left.";
}

std::optional<SessionSnapshot> offerResume(bool isPlaying, const GameSession& session,
                                           SessionSnapshotStore& snapshots) {
    if (isPlaying || session.table()) return std::nullopt;
    std::optional<std::string> unreadable;
    auto snapshot = SessionSnapshotStore::persisted.load(*snapshots.store, unreadable);
    // A hand that cannot be read is kept aside rather than lost; it is still offered only once.
    if (unreadable)
        snapshots.store->set(std::move(*unreadable), SessionSnapshotStore::persisted.unreadableKey());
    snapshots.clear();
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
