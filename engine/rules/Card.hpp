#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "rules/JsonFwd.hpp"
#include "rules/RandomSource.hpp"
#include "rules/RawEnum.hpp"

namespace pellox {

enum class Suit : std::uint8_t { clubs, diamonds, hearts, spades };

template <>
struct EnumCases<Suit> {
    static constexpr std::array cases{
        std::pair{Suit::clubs, std::string_view{"c"}}, std::pair{Suit::diamonds, std::string_view{"d"}},
        std::pair{Suit::hearts, std::string_view{"h"}}, std::pair{Suit::spades, std::string_view{"s"}}};
};

enum class Rank : std::int8_t {
    two = 2,
    three,
    four,
    five,
    six,
    seven,
    eight,
    nine,
    ten,
    jack,
    queen,
    king,
    ace
};

constexpr int value(Rank r) noexcept {
    return static_cast<int>(r);
}
// None outside 2...14.
std::optional<Rank> makeRank(std::int64_t rawValue) noexcept;
// The one-character symbol: "2" to "9", "T", "J", "Q", "K", "A".
std::string symbol(Rank r);
char symbolChar(Rank r) noexcept;
// The thirteen ranks, ascending.
const std::vector<Rank>& allRanks();

void to_json(Json& j, Rank r);
void from_json(const Json& j, Rank& r);

struct Card {
    Rank rank{Rank::two};
    Suit suit{Suit::clubs};

    // The rank's symbol and the suit's letter: "Th", "As".
    std::string description() const;
    // The 52 cards: clubs, diamonds, hearts, spades, each from 2 up to the ace.
    static std::vector<Card> standardDeck();
    // 0...51 in standard deck order.
    constexpr int index() const noexcept {
        return static_cast<int>(suit) * 13 + (static_cast<int>(rank) - 2);
    }
    static constexpr Card fromIndex(int i) noexcept {
        return Card{static_cast<Rank>(2 + i % 13), static_cast<Suit>(i / 13)};
    }

    friend bool operator==(const Card&, const Card&) = default;
};

// The rank ("2" to "10", "J", "Q", "K", "A") followed directly by the suit symbol: "10♥", "A♠".
std::string symbolText(const Card& card);

void to_json(Json& j, const Card& c);
void from_json(const Json& j, Card& c);

inline constexpr std::int64_t chipStep = 5;

// The cards in the order of shuffleInPlace (rules/RandomSource.hpp): 51 draws for a whole deck.
std::vector<Card> shuffled(std::vector<Card> cards, RandomSource draw);

// Nearest multiple of 5, halves away from zero. Non-finite amounts give 0; results beyond the 64-bit
// range saturate at the nearest representable multiple of 5.
std::int64_t roundToChipStep(double amount) noexcept;
std::int64_t roundToChipStep(std::int64_t amount) noexcept;

}  // namespace pellox

template <>
struct std::hash<pellox::Card> {
    std::size_t operator()(const pellox::Card& c) const noexcept {
        return static_cast<std::size_t>(c.index());
    }
};
