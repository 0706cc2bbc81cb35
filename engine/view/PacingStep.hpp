#pragma once
// What the table does next on its own, and after which delay. The caller asks again after every change.
#include <cstdint>
#include <optional>

#include "rules/RawEnum.hpp"
#include "view/PacingTimings.hpp"

namespace pellox {

enum class PacingPhase { idle, blocked, revealingBoard, botThinking, awaitingHuman, handOver };

template <>
struct EnumCases<PacingPhase> {
    static constexpr std::array cases{
        std::pair{PacingPhase::idle, std::string_view{"idle"}},
        std::pair{PacingPhase::blocked, std::string_view{"blocked"}},
        std::pair{PacingPhase::revealingBoard, std::string_view{"revealing-board"}},
        std::pair{PacingPhase::botThinking, std::string_view{"bot-thinking"}},
        std::pair{PacingPhase::awaitingHuman, std::string_view{"awaiting-human"}},
        std::pair{PacingPhase::handOver, std::string_view{"hand-over"}}};
};

enum class PacingAction { revealNextCard, playBotTurn, startNextHand };

template <>
struct EnumCases<PacingAction> {
    static constexpr std::array cases{
        std::pair{PacingAction::revealNextCard, std::string_view{"reveal-next-card"}},
        std::pair{PacingAction::playBotTurn, std::string_view{"play-bot-turn"}},
        std::pair{PacingAction::startNextHand, std::string_view{"start-next-hand"}}};
};

// The table as the pacing sees it; the screen fills it from the session.
struct PacingInput {
    bool hasTable = false;
    bool isHandInProgress = false;
    std::int64_t boardLength = 0;
    std::int64_t revealedBoardCount = 0;
    bool actingIsBot = false;
    bool actingIsHuman = false;
    bool blocked = false;
};

struct PacingStep {
    struct Advance {
        PacingAction action = PacingAction::revealNextCard;
        double after = 0;  // seconds
        friend bool operator==(const Advance&, const Advance&) = default;
    };

    PacingPhase phase = PacingPhase::idle;
    std::optional<Advance> advance;  // none while the table waits

    static PacingStep next(const PacingInput& input, const PacingTimings& timings);

    friend bool operator==(const PacingStep&, const PacingStep&) = default;
};

}  // namespace pellox
