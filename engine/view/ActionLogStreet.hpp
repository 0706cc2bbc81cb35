#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "rules/Card.hpp"
#include "rules/Street.hpp"
#include "view/ActionLogEntry.hpp"

namespace pellox {

// One section of the action log: a street, or the result of the hand.
struct ActionLogStreet {
    std::string id;  // "preflop", "flop", "turn", "river", "result" or "showdown"
    std::string label;
    std::vector<Card> cards;  // only the cards dealt on that street
    std::vector<ActionLogEntry> entries;

    static const std::map<Street, std::string>& streetTitles();

    // The ticker: the last max(limit, 0) entries joined by " • "; none when nothing is kept.
    static std::optional<std::string> flattenedTexts(const std::vector<ActionLogStreet>& streets,
                                                     std::int64_t limit);
    static std::int64_t totalEntryCount(const std::vector<ActionLogStreet>& streets);
    // The log as far as a table showing `revealedBoardCount` board cards has shown the hand: a street
    // counts once all of its cards are shown, and nothing after a street still partly hidden (so neither
    // the showdown nor the pot's award before the last card).
    static std::vector<ActionLogStreet> revealedUpTo(const std::vector<ActionLogStreet>& streets,
                                                     std::int64_t revealedBoardCount);

    friend bool operator==(const ActionLogStreet&, const ActionLogStreet&) = default;
};

}  // namespace pellox
