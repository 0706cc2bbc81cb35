#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "rules/BlindLevel.hpp"
#include "rules/JsonFwd.hpp"
#include "rules/Player.hpp"
#include "rules/Standing.hpp"

namespace pellox {

struct TournamentConfig {
    static constexpr std::int64_t standardStartingStack = 1500;
    static constexpr std::int64_t standardHandsPerLevel = 10;
    // The ten standard levels, built once on first use.
    static const std::vector<BlindLevel>& standardSchedule();

    std::int64_t startingStack{standardStartingStack};
    // At least 1; the helpers treat anything lower as 1.
    std::int64_t handsPerLevel{standardHandsPerLevel};
    // In playing order; the helpers treat an empty schedule as the standard one.
    std::vector<BlindLevel> blindSchedule{standardSchedule()};

    // The level in force for hand n (1 for the first hand); the last level stays for ever.
    BlindLevel blindLevel(std::int64_t forHand) const;
    // Hands left at hand n's level, hand n included; 0 at the last level.
    std::int64_t handsUntilNextLevel(std::int64_t atHand) const;

    static std::vector<double> payoutFractions(std::int64_t forFieldSize);
    // Winner first, then the eliminated from the last out to the first out.
    static std::vector<Standing> standings(const std::vector<std::string>& field,
                                           const std::vector<std::string>& eliminationOrder,
                                           const std::string& winnerId);
    // Players with no chips who are not yet out become sitting out and eliminated.
    static std::vector<Player> eliminateBustedPlayers(std::vector<Player> players);
    // Fewer than two players not eliminated.
    static bool isFinished(const std::vector<Player>& players);

    friend bool operator==(const TournamentConfig&, const TournamentConfig&) = default;
};

void to_json(Json& j, const TournamentConfig& c);
void from_json(const Json& j, TournamentConfig& c);

}  // namespace pellox
