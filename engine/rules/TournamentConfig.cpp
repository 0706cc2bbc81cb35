#include "rules/TournamentConfig.hpp"

#include <algorithm>

#include "rules/Json.hpp"
#include "rules/Saturating.hpp"

namespace pellox {

const std::vector<BlindLevel>& TournamentConfig::standardSchedule() {
    static const std::vector<BlindLevel> schedule{
        {1, 10, 20, 0},    {2, 15, 30, 0},    {3, 25, 50, 0},     {4, 50, 100, 25},   {5, 75, 150, 40},
        {6, 100, 200, 50}, {7, 150, 300, 75}, {8, 200, 400, 100}, {9, 300, 600, 150}, {10, 400, 800, 200}};
    return schedule;
}

namespace {

// A configuration outside its limits (hands per level below 1, no levels) is played as the nearest sound
// one rather than dividing by zero or indexing an empty schedule.
std::int64_t safeHandsPerLevel(const TournamentConfig& c) {
    return std::max<std::int64_t>(c.handsPerLevel, 1);
}

const std::vector<BlindLevel>& safeSchedule(const TournamentConfig& c) {
    return c.blindSchedule.empty() ? TournamentConfig::standardSchedule() : c.blindSchedule;
}

std::int64_t levelIndex(const TournamentConfig& c, std::int64_t hand) {
    return hand <= 1 ? 0 : (hand - 1) / safeHandsPerLevel(c);
}

}  // namespace

BlindLevel TournamentConfig::blindLevel(std::int64_t forHand) const {
    const auto& schedule = safeSchedule(*this);
    auto last = static_cast<std::int64_t>(schedule.size()) - 1;
    return schedule[static_cast<std::size_t>(std::min(levelIndex(*this, forHand), last))];
}

std::int64_t TournamentConfig::handsUntilNextLevel(std::int64_t atHand) const {
    auto last = static_cast<std::int64_t>(safeSchedule(*this).size()) - 1;
    std::int64_t k = levelIndex(*this, atHand);
    if (k >= last) return 0;
    const std::int64_t perLevel = safeHandsPerLevel(*this);
    // (k + 1) x perLevel + 1 - n, written so that no step overflows; far below hand 1 it saturates.
    if (atHand >= 1) return perLevel - (atHand - 1) % perLevel;
    return saturatingAdd(saturatingSubtract(perLevel, atHand), 1);
}

std::vector<double> TournamentConfig::payoutFractions(std::int64_t forFieldSize) {
    switch (forFieldSize) {
        case 2:
            return {1.0};
        case 3:
        case 4:
        case 5:
            return {0.65, 0.35};
        default:
            return {0.5, 0.3, 0.2};
    }
}

std::vector<Standing> TournamentConfig::standings(const std::vector<std::string>& field,
                                                  const std::vector<std::string>& eliminationOrder,
                                                  const std::string& winnerId) {
    auto fractions = payoutFractions(static_cast<std::int64_t>(field.size()));
    std::vector<std::string> order{winnerId};
    order.insert(order.end(), eliminationOrder.rbegin(), eliminationOrder.rend());
    std::vector<Standing> out;
    out.reserve(order.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        out.push_back(
            {order[i], static_cast<std::int64_t>(i) + 1, i < fractions.size() ? fractions[i] : 0.0});
    return out;
}

std::vector<Player> TournamentConfig::eliminateBustedPlayers(std::vector<Player> players) {
    for (Player& p : players) {
        if (p.stack > 0 || p.isEliminated) continue;
        p.isSittingOut = true;
        p.isEliminated = true;
    }
    return players;
}

bool TournamentConfig::isFinished(const std::vector<Player>& players) {
    return std::count_if(players.begin(), players.end(), [](const Player& p) { return !p.isEliminated; }) < 2;
}

void to_json(Json& j, const TournamentConfig& c) {
    j = Json{{"startingStack", c.startingStack},
             {"handsPerLevel", c.handsPerLevel},
             {"blindSchedule", c.blindSchedule}};
}

void from_json(const Json& j, TournamentConfig& c) {
    TournamentConfig out;
    out.startingStack = json::read<std::int64_t>(j, "startingStack");
    out.handsPerLevel = json::read<std::int64_t>(j, "handsPerLevel");
    out.blindSchedule = json::read<std::vector<BlindLevel>>(j, "blindSchedule");
    // Such a configuration cannot be played; refusing it lets the stored settings fall back to defaults.
    if (out.handsPerLevel < 1) json::fail(j, "handsPerLevel must be at least 1");
    if (out.blindSchedule.empty()) json::fail(j, "blindSchedule must not be empty");
    c = std::move(out);
}

}  // namespace pellox
