#pragma once
#include <cstdint>

namespace pellox {

struct CashGameConfig;
struct TournamentConfig;

// The amounts a settings control offers, from minimum to maximum in steps. Stored configurations are held to
// the same ranges, so a damaged or hand-edited file never starts a game the controls could not set up.
struct SettingsRange {
    std::int64_t minimum;
    std::int64_t maximum;
    std::int64_t step;

    constexpr bool contains(std::int64_t amount) const noexcept {
        return amount >= minimum && amount <= maximum;
    }

    static const SettingsRange bigBlind;
    static const SettingsRange buyIn;
    static const SettingsRange tournamentStack;
};

inline constexpr SettingsRange SettingsRange::bigBlind{2, 100, 2};
inline constexpr SettingsRange SettingsRange::buyIn{100, 10000, 100};
inline constexpr SettingsRange SettingsRange::tournamentStack{500, 50000, 500};

// No control sets the schedule or the hands per level; stored ones are held to these bounds. A blind or ante
// above the largest starting stack would put every player all in from the blinds at once.
inline constexpr std::int64_t largestScheduledAmount = SettingsRange::tournamentStack.maximum;
inline constexpr std::int64_t mostHandsPerLevel = 500;

// The big blind and buy-in within their ranges, the small blind from 1 to the big blind.
bool isWithinSettingsRanges(const CashGameConfig& config);
// The starting stack within its range and the hands per level from 1 to mostHandsPerLevel; every level of the
// schedule with its small blind from 0 to its big blind, and its big blind and ante from 0 to
// largestScheduledAmount.
bool isWithinSettingsRanges(const TournamentConfig& config);

}  // namespace pellox
