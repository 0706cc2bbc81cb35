#pragma once
// Sessions for the table screen's tests: stores in memory, synchronous advice, and a few ways to move a
// game along without the screen.
#include <functional>

#include "session/SessionTestSupport.hpp"

namespace pellox::app::testing {

using pellox::testing::SessionRig;

// The human checks or calls, bots play, hands start; stops when the condition holds (true) or the game
// can go no further within the step budget (false).
inline bool playUntil(GameSession& session, const std::function<bool()>& done, int maxSteps = 5000) {
    for (int step = 0; step < maxSteps; ++step) {
        if (done()) return true;
        const auto& table = session.table();
        if (!table || session.tournamentOver() || session.humanBustedInCash()) return false;
        if (!table->isHandInProgress) {
            session.startHand();
        } else if (session.isHumanTurn()) {
            const auto legal = *session.humanLegalActions();
            session.submitHumanAction(legal.canCheck ? PlayerActionType::check : PlayerActionType::call);
        } else if (table->currentPlayer()) {
            session.playBotTurn();
        } else {
            return false;
        }
    }
    return done();
}

inline bool handOver(const GameSession& session) {
    return session.table() && !session.table()->isHandInProgress;
}

}  // namespace pellox::app::testing
