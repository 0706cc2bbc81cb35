#include "rules/Card.hpp"

#include <array>
#include <cmath>
#include <limits>
#include <utility>

#include "rules/Json.hpp"

namespace pellox {

std::optional<Rank> makeRank(std::int64_t rawValue) noexcept {
    if (rawValue < 2 || rawValue > 14) return std::nullopt;
    return static_cast<Rank>(rawValue);
}

char symbolChar(Rank r) noexcept {
    return "??23456789TJQKA"[value(r)];
}

std::string symbol(Rank r) {
    return std::string(1, symbolChar(r));
}

const std::vector<Rank>& allRanks() {
    static const std::vector<Rank> ranks = [] {
        std::vector<Rank> out;
        for (int v = 2; v <= 14; ++v)
            out.push_back(static_cast<Rank>(v));
        return out;
    }();
    return ranks;
}

void to_json(Json& j, Rank r) {
    j = value(r);
}

void from_json(const Json& j, Rank& r) {
    auto parsed = makeRank(json::asInt64(j));
    if (!parsed) json::fail(j, "rank out of range");
    r = *parsed;
}

std::string Card::description() const {
    return std::string{symbolChar(rank), rawValue(suit)[0]};
}

std::vector<Card> Card::standardDeck() {
    std::vector<Card> deck;
    deck.reserve(52);
    for (int i = 0; i < 52; ++i)
        deck.push_back(fromIndex(i));
    return deck;
}

std::string symbolText(const Card& card) {
    static const std::array<std::string_view, 4> suitSymbols{"\u2663", "\u2666", "\u2665", "\u2660"};
    std::string text;
    switch (card.rank) {
        case Rank::jack:
            text = "J";
            break;
        case Rank::queen:
            text = "Q";
            break;
        case Rank::king:
            text = "K";
            break;
        case Rank::ace:
            text = "A";
            break;
        default:
            text = std::to_string(value(card.rank));
    }
    text += suitSymbols[static_cast<std::size_t>(card.suit)];
    return text;
}

void to_json(Json& j, const Card& c) {
    j = Json{{"rank", value(c.rank)}, {"suit", rawValue(c.suit)}};
}

void from_json(const Json& j, Card& c) {
    c.rank = json::read<Rank>(j, "rank");
    c.suit = json::read<Suit>(j, "suit");
}

std::vector<Card> shuffled(std::vector<Card> cards, RandomSource draw) {
    shuffleInPlace(cards, draw);
    return cards;
}

std::int64_t roundToChipStep(double amount) noexcept {
    if (!std::isfinite(amount)) return 0;
    double steps = std::round(amount / static_cast<double>(chipStep));
    constexpr double limit = static_cast<double>(std::numeric_limits<std::int64_t>::max() / chipStep);
    if (steps >= limit) return std::numeric_limits<std::int64_t>::max() / chipStep * chipStep;
    if (steps <= -limit) return std::numeric_limits<std::int64_t>::min() / chipStep * chipStep;
    return static_cast<std::int64_t>(steps) * chipStep;
}

std::int64_t roundToChipStep(std::int64_t amount) noexcept {
    return roundToChipStep(static_cast<double>(amount));
}

}  // namespace pellox
