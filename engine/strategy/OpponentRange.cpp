#include "strategy/OpponentRange.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

#include "rules/HandEvaluator.hpp"
#include "strategy/CardMask.hpp"
#include "strategy/HandClass.hpp"
#include "strategy/PlayerActionHistory.hpp"
#include "strategy/PositionBucket.hpp"
#include "strategy/PreflopChart.hpp"
#include "strategy/PreflopContext.hpp"

namespace pellox {
namespace {

// The share of its combos a range keeps after the flop: for a player who has only called since, for one who
// has been betting, and never fewer than the minimum.
constexpr double calledSinceShare = 0.75;
constexpr double bettingSinceShare = 0.5;
constexpr std::size_t minimumNarrowedCombos = 12;

std::optional<Rank> rankOfSymbol(char symbol) noexcept {
    for (Rank r : allRanks())
        if (symbolChar(r) == symbol) return r;
    return std::nullopt;
}

// Clubs, diamonds, hearts, spades: the order in which combos are listed.
constexpr auto suitOrder = allCases<Suit>();

void addLive(std::vector<Combo>& out, Combo combo, CardMask dead) {
    if (((cardBit(combo[0]) | cardBit(combo[1])) & dead) == 0) out.push_back(combo);
}

// Appends the live combos of one class text; nothing for a text that is not a class.
void appendCombos(std::vector<Combo>& out, std::string_view handClass, CardMask dead) {
    if (handClass.size() < 2 || handClass.size() > 3) return;
    const auto high = rankOfSymbol(handClass[0]);
    const auto low = rankOfSymbol(handClass[1]);
    if (!high || !low) return;
    if (handClass.size() == 2) {
        if (*high != *low) return;
        for (std::size_t i = 0; i < suitOrder.size(); ++i)
            for (std::size_t j = i + 1; j < suitOrder.size(); ++j)
                addLive(out, {Card{*high, suitOrder[i]}, Card{*low, suitOrder[j]}}, dead);
        return;
    }
    if (*high == *low) return;
    if (handClass[2] == 's') {
        for (Suit s : suitOrder)
            addLive(out, {Card{*high, s}, Card{*low, s}}, dead);
    } else if (handClass[2] == 'o') {
        for (Suit first : suitOrder)
            for (Suit second : suitOrder)
                if (first != second) addLive(out, {Card{*high, first}, Card{*low, second}}, dead);
    }
}

std::string_view verb(PreflopContext context, RangeAction action) noexcept {
    const bool raised = action == RangeAction::raise;
    switch (context) {
        case PreflopContext::open:
            return raised ? "opened" : "";
        case PreflopContext::facingOpen:
            return raised ? "3-bet" : "called a raise";
        case PreflopContext::facing3Bet:
            return raised ? "4-bet" : "called a 3-bet";
    }
    return {};
}

struct Reading {
    double factor;
    std::string_view suffix;
};

Reading reading(PostflopAggression aggression) noexcept {
    switch (aggression) {
        case PostflopAggression::none:
            return {1.0, ""};
        case PostflopAggression::passive:
            return {calledSinceShare, ", and has called since"};
        case PostflopAggression::aggressive:
            return {bettingSinceShare, ", and has been betting since"};
    }
    return {1.0, ""};
}

bool isLiveOpponent(const Player& p, std::string_view heroId) {
    return p.id != heroId && !p.hasFolded && !p.isSittingOut && !p.isEliminated && p.holeCards.size() == 2;
}

}  // namespace

OpponentRange::ChartRange OpponentRange::chartRange(std::int64_t raisesFaced,
                                                    std::optional<RangeAction> preflopAction,
                                                    Position position) {
    if (!preflopAction) return {allHandClasses(), "checked their option, so any two cards"};
    const PositionBucket bucket = positionBucket(position);
    const PreflopContext context = preflopContext(raisesFaced);
    ChartRange range;
    for (const std::string& handClass : allHandClasses())
        if (PreflopChart::action(handClass, context, bucket) == *preflopAction)
            range.classes.push_back(handClass);
    // A limp lands here too: the open charts hold no call classes.
    if (range.classes.empty()) return {allHandClasses(), "played back in a way the charts do not cover"};
    range.text = std::string(verb(context, *preflopAction)) + " from " + std::string(displayName(position));
    return range;
}

std::vector<Combo> OpponentRange::combosOf(std::string_view handClass, std::span<const Card> dead) {
    std::vector<Combo> out;
    appendCombos(out, handClass, cardMask(dead));
    return out;
}

std::vector<Combo> OpponentRange::narrow(std::vector<Combo> combos, std::span<const Card> board,
                                         double factor) {
    if (!(factor < 1) || board.size() < 3 || combos.size() <= minimumNarrowedCombos) return combos;
    std::vector<std::pair<std::int64_t, Combo>> scored;
    scored.reserve(combos.size());
    std::vector<Card> hand(2 + board.size());
    std::copy(board.begin(), board.end(), hand.begin() + 2);
    for (const Combo& combo : combos) {
        hand[0] = combo[0];
        hand[1] = combo[1];
        scored.emplace_back(static_cast<std::int64_t>(HandEvaluator::score(hand)), combo);
    }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    const auto wanted = static_cast<std::size_t>(std::round(factor * static_cast<double>(combos.size())));
    const std::size_t kept = std::min(combos.size(), std::max(wanted, minimumNarrowedCombos));
    std::vector<Combo> out;
    out.reserve(kept);
    for (std::size_t i = 0; i < kept; ++i)
        out.push_back(scored[i].second);
    return out;
}

std::map<std::string, OpponentRange> OpponentRange::estimateAll(const TableState& table,
                                                                const std::vector<EngineEvent>& events,
                                                                std::string_view heroId) {
    std::map<std::string, OpponentRange> ranges;
    const Player* hero = table.player(heroId);
    if (hero == nullptr) return ranges;
    const CardMask dead = cardMask(hero->holeCards) | cardMask(table.board);
    const auto histories = PlayerActionHistory::build(events);
    for (const Player& player : table.players) {
        if (!isLiveOpponent(player, heroId)) continue;
        const auto found = histories.find(player.id);
        const PlayerActionHistory history = found == histories.end() ? PlayerActionHistory{} : found->second;
        const ChartRange chart =
            chartRange(history.raisesFacedPreflop, history.preflopAction, player.position);
        std::vector<Combo> combos;
        for (const std::string& handClass : chart.classes)
            appendCombos(combos, handClass, dead);
        if (combos.empty()) continue;
        const Reading read = reading(history.postflopAggression);
        // Narrowing keeps at least 12 combos and leaves shorter lists alone, so no read falls below 12.
        ranges[player.id] = OpponentRange{narrow(std::move(combos), table.board, read.factor),
                                          player.name + " " + chart.text + std::string(read.suffix)};
    }
    return ranges;
}

}  // namespace pellox
