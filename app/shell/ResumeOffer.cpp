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
    auto snapshot = snapshots.load();
    snapshots.clear();
    return snapshot;
}

void saveSnapshotOnQuit(const GameSession& session, SessionSnapshotStore& snapshots) {
    if (auto snapshot = session.makeSnapshot())
        snapshots.save(*snapshot);
    else
        snapshots.clear();
}

}  // namespace pellox::app
