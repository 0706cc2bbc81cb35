#pragma once
// The part of the highest bet of a hand that nobody matched. A showdown hands it back as a pot of its own
// (the last pot, one award); a hand won when everybody folds hands it back inside the one award of the
// whole pot. Either way the engine lists its owner among the winners with it; yet it is the owner's own
// money coming back, and no text may call it a win. The engine's winners, events and records stay as they
// are; readers ask here what was won.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "rules/EngineEvent.hpp"
#include "rules/TableState.hpp"
#include "rules/Winner.hpp"

namespace pellox {

struct UncalledBet {
    std::string playerId;
    std::int64_t amount = 0;

    // What one player put into the hand, antes and blinds included.
    struct Stake {
        std::string_view playerId;
        std::int64_t contributed = 0;
        bool folded = false;
    };

    // The award that carries the bet back, and how it divides between the return and a win.
    struct Award {
        std::size_t index = 0;  // in the hand's events
        std::int64_t returned = 0;
        std::int64_t won = 0;  // none at a showdown, where the bet is awarded alone

        friend bool operator==(const Award&, const Award&) = default;
    };

    // The rule, for a settled hand: a single highest contributor who has not folded gets back what he put
    // in beyond the highest contribution of anybody else. None when the top is shared or was folded.
    static std::optional<UncalledBet> fromStakes(std::span<const Stake> stakes);
    // Of a settled table, shown down or won uncontested; none while a hand runs.
    static std::optional<UncalledBet> of(const TableState& table);
    // Of a hand's events: the blinds, the chips put in, the folds; none until the hand has an award.
    static std::optional<UncalledBet> of(std::span<const EngineEvent> events);
    // The hand's last award, when it carries the bet back to its owner; none otherwise.
    static std::optional<Award> award(std::span<const EngineEvent> events);

    // The winners with the bet taken out of its owner's amount, in their order; an owner whose only chips
    // were the bet drops out.
    static std::vector<Winner> winnersAsWon(const std::vector<Winner>& winners,
                                            const std::optional<UncalledBet>& bet);
    // The settled table's winners as won; empty when it has none.
    static std::vector<Winner> winnersAsWon(const TableState& table);

    friend bool operator==(const UncalledBet&, const UncalledBet&) = default;
};

}  // namespace pellox
