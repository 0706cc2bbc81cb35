#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "rules/Card.hpp"
#include "rules/EngineEvent.hpp"
#include "rules/Position.hpp"
#include "rules/TableState.hpp"
#include "strategy/RangeAction.hpp"

namespace pellox {

// Two hole cards, the higher-ranked card of the class first.
using Combo = std::array<Card, 2>;

// One opponent's likely holdings, read from what the opponent did in the current hand.
struct OpponentRange {
    std::vector<Combo> combos;
    // The read sentence: the player's name, what the player did, and since when.
    std::string descriptor;

    friend bool operator==(const OpponentRange&, const OpponentRange&) = default;

    struct ChartRange {
        // Hand classes in chart order.
        std::vector<std::string> classes;
        std::string text;
        friend bool operator==(const ChartRange&, const ChartRange&) = default;
    };

    // The classes that would have taken the player's preflop action from that position, with the read text.
    static ChartRange chartRange(std::int64_t raisesFaced, std::optional<RangeAction> preflopAction,
                                 Position position);
    // The combos of one class text that hold no dead card; none for a text that is not a class.
    static std::vector<Combo> combosOf(std::string_view handClass, std::span<const Card> dead);
    // Keeps the combos that hit the board hardest: about factor of them, at least 12.
    static std::vector<Combo> narrow(std::vector<Combo> combos, std::span<const Card> board, double factor);
    // The range of every live opponent of the hero that can be read, keyed by player identity.
    static std::map<std::string, OpponentRange> estimateAll(const TableState& table,
                                                            const std::vector<EngineEvent>& events,
                                                            std::string_view heroId);
};

}  // namespace pellox
