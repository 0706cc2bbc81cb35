#include "view/PacingStep.hpp"

namespace pellox {

PacingStep PacingStep::next(const PacingInput& input, const PacingTimings& timings) {
    if (!input.hasTable) return {PacingPhase::idle, std::nullopt};
    if (input.blocked) return {PacingPhase::blocked, std::nullopt};
    // Cards the table already holds are shown one by one before anything else, even after the hand ended.
    if (input.revealedBoardCount < input.boardLength) {
        const double after =
            input.revealedBoardCount == 0 ? timings.firstBoardCardDelay : timings.nextBoardCardDelay;
        return {PacingPhase::revealingBoard, Advance{PacingAction::revealNextCard, after}};
    }
    if (input.isHandInProgress) {
        if (input.actingIsBot)
            return {PacingPhase::botThinking, Advance{PacingAction::playBotTurn, timings.botThinkDelay}};
        if (input.actingIsHuman) return {PacingPhase::awaitingHuman, std::nullopt};
        return {PacingPhase::idle, std::nullopt};
    }
    return {PacingPhase::handOver, Advance{PacingAction::startNextHand, timings.betweenHandsDelay}};
}

}  // namespace pellox
