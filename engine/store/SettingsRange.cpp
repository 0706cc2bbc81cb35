#include "store/SettingsRange.hpp"

#include <algorithm>

#include "rules/CashGameConfig.hpp"
#include "rules/TournamentConfig.hpp"

namespace pellox {

bool isWithinSettingsRanges(const CashGameConfig& config) {
    return SettingsRange::bigBlind.contains(config.bigBlind) &&
           SettingsRange::buyIn.contains(config.defaultBuyIn) && config.smallBlind >= 1 &&
           config.smallBlind <= config.bigBlind;
}

bool isWithinSettingsRanges(const TournamentConfig& config) {
    const auto sound = [](const BlindLevel& l) {
        return l.smallBlind >= 0 && l.smallBlind <= l.bigBlind && l.bigBlind <= largestScheduledAmount &&
               l.ante >= 0 && l.ante <= largestScheduledAmount;
    };
    return SettingsRange::tournamentStack.contains(config.startingStack) && config.handsPerLevel >= 1 &&
           config.handsPerLevel <= mostHandsPerLevel &&
           std::all_of(config.blindSchedule.begin(), config.blindSchedule.end(), sound);
}

}  // namespace pellox
