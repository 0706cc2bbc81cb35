// Saving an unfinished hand and picking it up again exactly where it stopped.
#include "session/GameSession.hpp"

namespace pellox {

std::optional<SessionSnapshot> GameSession::makeSnapshot() const {
    if (!table() || !mode() || !table()->isHandInProgress) return std::nullopt;
    SessionSnapshot s;
    s.table = *table();
    s.mode = *mode();
    s.botProfiles = botProfiles();
    s.currentHandEvents = currentHandEvents();
    s.handSeatsSnapshot = handSeatsSnapshot();
    s.humanStackAtHandStart = humanStackAtHandStart();
    s.eliminationOrder = eliminationOrder();
    s.sessionSeed = sessionSeed();
    s.gameRngState = toStoredSeed(gameRng_.s);
    // During the human's decision, the state before that decision's fork: the restore forks it again.
    const bool refork = humanAdviceKey_ && humanFacesDecision() && *humanAdviceKey_ == decisionKey(*table());
    s.adviceRngState = toStoredSeed(refork ? adviceForkState_ : adviceRng_.s);
    s.currentHandSeed = currentHandSeed();
    s.sessionSummary = sessionSummary();
    return s;
}

void GameSession::restore(const SessionSnapshot& s) {
    if (s.inconsistency()) return;
    resetGameOutcome();
    mode_.set(s.mode);
    table_.set(s.table);
    botProfiles_.set(s.botProfiles);
    sessionSeed_.set(s.sessionSeed);
    gameRng_.s = fromStoredSeed(s.gameRngState);
    adviceRng_.s = fromStoredSeed(s.adviceRngState);
    currentHandSeed_.set(s.currentHandSeed);
    eliminationOrder_.set(s.eliminationOrder);
    currentHandEvents_.set(s.currentHandEvents);
    handSeatsSnapshot_.set(s.handSeatsSnapshot);
    humanStackAtHandStart_.set(s.humanStackAtHandStart);
    sessionSummary_.set(s.sessionSummary);
    refreshHumanAdvice();
}

}  // namespace pellox
