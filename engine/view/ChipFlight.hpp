#pragma once
// The chips that one engine event moves across the felt.
#include <cstdint>
#include <optional>
#include <string>

#include "rules/EngineEvent.hpp"
#include "rules/RawEnum.hpp"

namespace pellox {

enum class ChipFlightKind { toPot, toWinner };

template <>
struct EnumCases<ChipFlightKind> {
    static constexpr std::array cases{std::pair{ChipFlightKind::toPot, std::string_view{"toPot"}},
                                      std::pair{ChipFlightKind::toWinner, std::string_view{"toWinner"}}};
};

struct ChipFlight {
    std::string id;  // "blind-", "action-" or "award-" and the event's index: stable and distinct per event
    std::string playerId;
    std::int64_t amount = 0;  // at least 1
    ChipFlightKind kind = ChipFlightKind::toPot;

    // None for events that move no chips (folds, checks, deals, reveals) and for amounts below 1.
    static std::optional<ChipFlight> make(const EngineEvent& event, std::int64_t index);

    friend bool operator==(const ChipFlight&, const ChipFlight&) = default;
};

}  // namespace pellox
