#include "strategy/StrategyAdvisor.hpp"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <utility>

#include <fmt/format.h>

#include "rules/PokerEngine.hpp"
#include "strategy/AdviceComputation.hpp"
#include "strategy/DrawOdds.hpp"
#include "strategy/MadeHandAssessment.hpp"
#include "strategy/PreflopDecision.hpp"
#include "strategy/RaiseAmount.hpp"

namespace pellox {
namespace {

// The guide's tuning. The value threshold lies this share of the way from a fair share of the pot to
// certainty.
constexpr double valueMargin = 0.2;
// A bet or raise for value puts in the minimum fraction of the pot at the threshold, growing by the growth
// to the whole pot at certainty.
constexpr double minimumValueFraction = 0.45;
constexpr double valueFractionGrowth = 0.55;
// Facing a bet, a raise for value also needs the price plus this cushion.
constexpr double raiseCushion = 0.2;
// A big draw calls a bet of at most this share of the pot when its equity falls short of the price by no
// more than the shortfall.
constexpr double smallBetPotShare = 0.5;
constexpr double drawCallShortfall = 0.08;
// A semi-bluff bets this fraction of the pot.
constexpr double semiBluffPotFraction = 0.5;

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::string pct(double fraction) {
    return StrategyAdvisor::percentText(fraction);
}

StrategyAdvice preflopAction(const PreflopDecision& decision, const LegalActions& legal) {
    StrategyAdvice advice;
    std::string reason = decision.reason;
    if (decision.action == RangeAction::raise && (legal.canBet || legal.canRaise)) {
        advice.recommendedAction = legal.canBet ? PlayerActionType::bet : PlayerActionType::raise;
        // The legal minimum, on the chip step like every advised amount.
        advice.recommendedAmount = roundAndClampRaise(static_cast<double>(legal.minRaiseTo), legal);
    } else if (decision.action == RangeAction::raise && legal.canCall) {
        // The chart wants a raise that the table does not allow (an all-in covers the player, or a short
        // all-in closed the raising): continue as cheaply as the table allows.
        advice.recommendedAction = PlayerActionType::call;
    } else if (legal.canCheck) {
        advice.recommendedAction = PlayerActionType::check;
        reason = fmt::format("Nothing to call, so see the flop for free with {}.", decision.handLabel);
    } else {
        advice.recommendedAction =
            decision.action == RangeAction::call ? PlayerActionType::call : PlayerActionType::fold;
    }
    advice.headline = fmt::format("{}: {}", decision.handLabel, upper(rawValue(advice.recommendedAction)));
    advice.explanation = fmt::format("{} Chen Formula strength: {}.", reason, displayName(decision.tier));
    advice.preflopStrengthTier = decision.tier;
    advice.chartReason = std::move(reason);
    return advice;
}

struct Spot {
    std::int64_t pot;
    std::int64_t toCall;
    // At least one, also when nobody else is counted at the table.
    std::int64_t opponents;
    double threshold;
    std::int64_t outs;
    std::string label;
    std::int64_t streetContribution;
    LegalActions legal;
};

void nothingToCall(const Spot& s, double e, StrategyAdvice& advice) {
    if (e >= s.threshold) {
        advice.recommendedAction = PlayerActionType::bet;
        advice.recommendedAmount = roundAndClampRaise(
            StrategyAdvisor::valueSizeFraction(e, s.threshold) * static_cast<double>(s.pot), s.legal);
        advice.headline = s.label + ": BET for value";
        advice.explanation = fmt::format(
            "~{} equity against {} opponent{} beats the {} needed to bet for value, so build the pot.",
            pct(e), s.opponents, s.opponents > 1 ? "s" : "", pct(s.threshold));
    } else if (s.outs < bigDrawOuts) {
        advice.recommendedAction = PlayerActionType::check;
        advice.headline = s.label + ": CHECK";
        advice.explanation = fmt::format(
            "~{} equity is short of the {} needed to bet for value, "
            "and there is no big draw to semi-bluff with, so take a free card.",
            pct(e), pct(s.threshold));
    } else {
        advice.recommendedAction = PlayerActionType::bet;
        advice.recommendedAmount =
            roundAndClampRaise(semiBluffPotFraction * static_cast<double>(s.pot), s.legal);
        advice.headline = s.label + ": SEMI-BLUFF";
        advice.explanation = fmt::format(
            "Only ~{} equity right now, "
            "but {} outs mean betting can win the pot immediately or make the best hand later.",
            pct(e), s.outs);
    }
}

void facingBet(const Spot& s, double e, StrategyAdvice& advice) {
    const auto pot = static_cast<double>(s.pot);
    const auto toCall = static_cast<double>(s.toCall);
    const double price = StrategyAdvisor::potOdds(s.toCall, s.pot);
    advice.requiredEquity = price;
    if (e >= std::max(s.threshold, price + raiseCushion) && s.legal.canRaise) {
        const double target = static_cast<double>(s.streetContribution + s.toCall) +
                              StrategyAdvisor::valueSizeFraction(e, s.threshold) * (pot + toCall);
        advice.recommendedAction = PlayerActionType::raise;
        advice.recommendedAmount = roundAndClampRaise(target, s.legal);
        advice.headline = s.label + ": RAISE for value";
        advice.explanation = fmt::format(
            "~{} equity clears the {} the pot odds demand with room to spare, "
            "so raise to charge worse hands and draws.",
            pct(e), pct(price));
    } else if (e >= price) {
        advice.recommendedAction = PlayerActionType::call;
        advice.headline = s.label + ": CALL";
        advice.explanation = fmt::format(
            "~{} equity beats the {} the pot odds require, so calling shows a profit.", pct(e), pct(price));
    } else if (s.outs >= bigDrawOuts && smallBetPotShare * pot >= toCall && e + drawCallShortfall >= price) {
        advice.recommendedAction = PlayerActionType::call;
        advice.headline = s.label + ": CALL";
        advice.explanation = fmt::format(
            "~{} equity is just short of the {} required, "
            "but {} outs and a small bet make the money you win on later streets worth the call.",
            pct(e), pct(price), s.outs);
    } else {
        advice.recommendedAction = PlayerActionType::fold;
        advice.headline = s.label + ": FOLD";
        advice.explanation =
            fmt::format("~{} equity is below the {} the pot odds require, so calling loses money over time.",
                        pct(e), pct(price));
    }
}

}  // namespace

std::string StrategyAdvisor::percentText(double fraction) {
    // Written from the rounded double: a fraction read from a corrupted document cannot overflow an integer.
    // Adding zero turns a rounded -0 into 0.
    return fmt::format("{:.0f}%", std::round(fraction * 100) + 0.0);
}

double StrategyAdvisor::valueThreshold(std::int64_t opponents) {
    const double fair = 1.0 / static_cast<double>(std::max<std::int64_t>(1, opponents) + 1);
    return fair + (1 - fair) * valueMargin;
}

double StrategyAdvisor::valueSizeFraction(double equity, double threshold) {
    if (!(1 - threshold > 0) || equity < threshold) return minimumValueFraction;
    return minimumValueFraction + valueFractionGrowth * std::min(1.0, (equity - threshold) / (1 - threshold));
}

double StrategyAdvisor::potOdds(std::int64_t toCall, std::int64_t pot) {
    if (toCall < 1) return 0;
    return static_cast<double>(toCall) / static_cast<double>(pot + toCall);
}

std::optional<StrategyAdvice> StrategyAdvisor::preflopAdvice(std::string_view playerId,
                                                             const TableState& table) {
    const Player* player = table.player(playerId);
    if (player == nullptr || player->holeCards.size() != 2) return std::nullopt;
    const PreflopDecision decision({player->holeCards[0], player->holeCards[1]}, player->position,
                                   table.raisesThisStreet);
    return preflopAction(decision, PokerEngine::legalActions(playerId, table));
}

std::optional<StrategyAdvice> StrategyAdvisor::postflopAdvice(std::string_view playerId,
                                                              const TableState& table,
                                                              std::vector<std::string> opponentReads,
                                                              double equity) {
    const Player* player = table.player(playerId);
    if (player == nullptr) return std::nullopt;
    Spot spot;
    spot.legal = PokerEngine::legalActions(playerId, table);
    spot.pot = table.potTotal(playerId);
    spot.toCall = spot.legal.callAmount;
    spot.opponents = std::max<std::int64_t>(1, table.opponentCount(playerId));
    spot.threshold = StrategyAdvisor::valueThreshold(spot.opponents);
    spot.outs = drawOuts(player->holeCards, table.board, table.street);
    spot.label = MadeHandAssessment::label(player->holeCards, table.board).value_or("Your hand");
    spot.streetContribution = player->streetContribution;

    StrategyAdvice advice;
    if (spot.toCall < 1)
        nothingToCall(spot, equity, advice);
    else
        facingBet(spot, equity, advice);
    advice.equity = equity;
    advice.opponentReads = std::move(opponentReads);
    return advice;
}

std::vector<OpponentRange> StrategyAdvisor::opponentRanges(std::string_view heroId, const TableState& table,
                                                           const std::vector<EngineEvent>& events) {
    std::vector<OpponentRange> ranges;
    if (events.empty()) return ranges;
    auto byPlayer = OpponentRange::estimateAll(table, events, heroId);
    std::vector<const Player*> seated;
    for (const Player& p : table.players)
        seated.push_back(&p);
    std::stable_sort(seated.begin(), seated.end(),
                     [](const Player* a, const Player* b) { return a->seatIndex < b->seatIndex; });
    for (const Player* p : seated) {
        auto found = byPlayer.find(p->id);
        if (found == byPlayer.end()) continue;
        ranges.push_back(std::move(found->second));
        byPlayer.erase(found);
    }
    return ranges;
}

std::optional<StrategyAdvice> StrategyAdvisor::advice(std::string_view playerId, const TableState& table,
                                                      const StrategyToggles& toggles,
                                                      const std::vector<EngineEvent>& events,
                                                      RandomSource rng, std::int64_t samples) {
    AdviceComputation computation(std::string(playerId), table, toggles, events, rng, samples);
    return computation.finish();
}

}  // namespace pellox
