#pragma once
// The unfinished hand across launches: stored or cleared when the application quits, read once at the
// next launch and offered for resumption.
#include <optional>
#include <string>
#include <string_view>

#include "rules/GameMode.hpp"
#include "session/SessionSnapshot.hpp"

namespace pellox {
class GameSession;
struct SessionSnapshotStore;
}  // namespace pellox

namespace pellox::app {

inline constexpr std::string_view resumeAlertTitle = "Resume your hand?";
inline constexpr std::string_view resumeButtonTitle = "Resume";
inline constexpr std::string_view startFreshButtonTitle = "Start fresh";

// "A cash game hand was still in progress when you left." or the same with "tournament".
std::string resumeAlertMessage(GameMode mode);

// While no game runs, the stored snapshot is read and its key removed, whether or not it could be read;
// a snapshot that is unreadable or could not be played on is none, its text kept aside under the key
// followed by ".unreadable" (or ".unreadable-2", ... when that is taken). A hand that is already the newest
// record of the history is none too. With a game running nothing is touched.
std::optional<SessionSnapshot> offerResume(bool isPlaying, const GameSession& session,
                                           SessionSnapshotStore& snapshots);

// The hand in progress is stored; with none in progress, a hand offered for resumption whose question was not
// answered (`unanswered`) is stored back for the next launch; otherwise the stored one is removed. A crash
// while the question is open stores nothing back, so a hand is offered only once after a crash.
void saveSnapshotOnQuit(const GameSession& session, SessionSnapshotStore& snapshots,
                        const std::optional<SessionSnapshot>& unanswered = std::nullopt);

}  // namespace pellox::app
