#pragma once
// Pieces of text shared by the action log and the replay captions.
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "rules/Card.hpp"
#include "rules/EngineEvent.hpp"
#include "rules/Street.hpp"

namespace pellox {

constexpr std::string_view blindPhrase(BlindKind kind) noexcept {
    switch (kind) {
        case BlindKind::small:
            return "the small blind";
        case BlindKind::big:
            return "the big blind";
        case BlindKind::ante:
            return "the ante";
    }
    return {};
}

// The street's title from the table, or its raw value when the table has none.
std::string streetTitle(const std::map<Street, std::string>& titles, Street street);

// Each card's symbol text, joined by one space.
std::string cardsText(const std::vector<Card>& cards);

// A bet nobody matched, handed back: the player's own chips, never told as a win.
std::string uncalledBetText(std::string_view amount, std::string_view name);

}  // namespace pellox
