#pragma once
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace pellox {

// A set of hand-class texts ("AKs", "QQ"), searchable by string_view.
using HandClassSet = std::set<std::string, std::less<>>;

// The range notation of the preflop charts: "22+ ATs+ A5s-A4s KQo".
struct HandRange {
    // Index 0 is the ace, index 12 the deuce.
    static constexpr std::string_view rankCharacters = "AKQJT98765432";

    // The classes of every space-separated token; an empty or blank string gives the empty set.
    static HandClassSet parse(std::string_view range);
    // The classes of one token: "JJ-22", "A5s-A4s", "99+", "ATs+", or a single class. A malformed token gives
    // nothing rather than a guess.
    static std::vector<std::string> expand(std::string_view token);
    // The index of a rank character in rankCharacters.
    static std::optional<std::size_t> rankIndex(char rankCharacter) noexcept;
};

}  // namespace pellox
