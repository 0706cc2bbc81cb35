#include "view/ChipFlight.hpp"

namespace pellox {

namespace {

std::optional<ChipFlight> flight(const char* prefix, std::int64_t index, const std::string& playerId,
                                 std::int64_t amount, ChipFlightKind kind) {
    if (amount < 1) return std::nullopt;
    return ChipFlight{prefix + std::to_string(index), playerId, amount, kind};
}

}  // namespace

std::optional<ChipFlight> ChipFlight::make(const EngineEvent& event, std::int64_t index) {
    if (const auto* blind = event.as<EngineEvent::BlindPosted>())
        return flight("blind-", index, blind->playerId, blind->amount, ChipFlightKind::toPot);
    if (const auto* action = event.as<EngineEvent::ActionTaken>())
        return flight("action-", index, action->playerId, action->amountPutIn, ChipFlightKind::toPot);
    if (const auto* award = event.as<EngineEvent::PotAwarded>())
        return flight("award-", index, award->playerId, award->amount, ChipFlightKind::toWinner);
    return std::nullopt;
}

}  // namespace pellox
