#include "view/HandReport.hpp"

#include <algorithm>

#include "rules/HumanPlayer.hpp"

namespace pellox {

namespace {

bool describesAShowdown(const std::optional<std::string>& description) {
    return description && *description != Winner::opponentsFoldedDescription;
}

std::string wonLine(const std::string& name, const Winner& winner) {
    return describesAShowdown(winner.handDescription) ? name + " won with " + *winner.handDescription
                                                      : name + " won the pot";
}

std::string resultLineFor(const std::vector<Winner>& winners, const PlayerNameSource& playerName) {
    const auto human = std::find_if(winners.begin(), winners.end(),
                                    [](const Winner& w) { return w.playerId == humanPlayerId; });
    if (human != winners.end()) return wonLine(std::string(humanPlayerName), *human);
    if (winners.empty()) return "Hand complete";
    return wonLine(playerName(winners.front().playerId), winners.front());
}

}  // namespace

HandReport::HandReport(std::vector<GradedDecision> decisionList, std::int64_t net,
                       const std::vector<Winner>& winners, const PlayerNameSource& playerName)
    : netChips(net), decisions(std::move(decisionList)) {
    const auto n = static_cast<std::int64_t>(decisions.size());
    agreedCount =
        std::count_if(decisions.begin(), decisions.end(), [](const GradedDecision& d) { return d.agreed; });
    if (n == 0)
        verdict = HandVerdict::ungraded;
    else if (agreedCount == n)
        verdict = HandVerdict::clean;
    else if (agreedCount == 0)
        verdict = HandVerdict::off;
    else
        verdict = HandVerdict::mixed;
    accuracy = handAccuracy(decisions);
    const auto miss =
        std::find_if(decisions.begin(), decisions.end(), [](const GradedDecision& d) { return !d.agreed; });
    if (miss != decisions.end()) firstMisstep = *miss;
    resultLine = resultLineFor(winners, playerName);
}

std::string letterGrade(double accuracy) {
    if (accuracy >= 0.95) return "A+";
    if (accuracy >= 0.85) return "A";
    if (accuracy >= 0.70) return "B";
    if (accuracy >= 0.50) return "C";
    return "F";
}

}  // namespace pellox
