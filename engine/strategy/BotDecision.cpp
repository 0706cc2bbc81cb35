#include "strategy/BotDecision.hpp"

#include <algorithm>

#include "rules/PokerEngine.hpp"
#include "strategy/BoardTexture.hpp"
#include "strategy/DrawOdds.hpp"
#include "strategy/EquitySampler.hpp"
#include "strategy/HandClass.hpp"
#include "strategy/PreflopChart.hpp"
#include "strategy/PreflopContext.hpp"
#include "strategy/RaiseAmount.hpp"
#include "strategy/SkillParams.hpp"
#include "strategy/StrategyAdvisor.hpp"

namespace pellox {

namespace {

using Type = PlayerActionType;

// The bots' tuning. Bluffs and aggression scale with the opponents left: heads-up, two, three or more.
constexpr double headsUpBluffScale = 1.3;
constexpr double twoOpponentsBluffScale = 1.0;
constexpr double multiwayBluffScale = 0.55;
// After the flop they scale again with the board: less on a wet one, more on a dry one.
constexpr double wetBoardBluffScale = 0.75;
constexpr double dryBoardBluffScale = 1.15;
// A loose call never costs more than this share of the stack.
constexpr double looseCallStackShare = 0.25;
// Preflop sizes grow with aggression: an open of big blinds, a re-raise of minimum raises over the bet, each
// spread by a draw.
constexpr double preflopAggressionGrowth = 0.6;
constexpr double openBigBlinds = 2.2;
constexpr double openSpread = 0.6;
constexpr double reraiseMinimumRaises = 2.5;
constexpr double reraiseSpread = 0.5;
// After the flop a bet is a fraction of the pot (a value read's own, else the default), grown by aggression
// and spread by a draw; a big draw semi-bluffs the default.
constexpr double defaultPotFraction = 0.5;
constexpr double postflopAggressionGrowth = 0.15;
constexpr double postflopSpread = 0.2;

const Player* holdingTwoCards(const TableState& table, std::string_view botId) {
    const Player* bot = table.player(botId);
    return bot != nullptr && bot->holeCards.size() == 2 ? bot : nullptr;
}

bool succeeds(double chance, RandomSource& next) {
    return next() < chance || chance >= 1;
}

}  // namespace

BotRead botPreflopRead(const TableState& table, std::string_view botId, BotSkill skill) {
    const Player* bot = holdingTwoCards(table, botId);
    if (bot == nullptr) return {Type::fold};
    const SkillParams& params = SkillParams::of(skill);
    const PositionBucket bucket = params.preflopBucketOverride.value_or(positionBucket(bot->position));
    const RangeAction chart = PreflopChart::action(handClass(bot->holeCards[0], bot->holeCards[1]),
                                                   preflopContext(table.raisesThisStreet), bucket);
    const LegalActions legal = PokerEngine::legalActions(botId, table);
    switch (chart) {
        case RangeAction::raise:
            return {legal.canBet ? Type::bet : Type::raise};
        case RangeAction::call:
            return {legal.canCheck ? Type::check : Type::call};
        case RangeAction::fold:
            break;
    }
    return {legal.canCheck ? Type::check : Type::fold};
}

BotRead botPostflopRead(const TableState& table, std::string_view botId, BotSkill skill, RandomSource rng) {
    const Player* bot = holdingTwoCards(table, botId);
    if (bot == nullptr) return {Type::fold};
    const SkillParams& params = SkillParams::of(skill);
    const std::int64_t n = std::max<std::int64_t>(1, table.opponentCount(botId));
    EquitySampler sampler(bot->holeCards, table.board, n, rng);
    sampler.sample(0, params.equitySamples);
    const double e =
        std::min(1.0, params.equityBias + sampler.winShare() / static_cast<double>(params.equitySamples));

    const double threshold = StrategyAdvisor::valueThreshold(n);
    const LegalActions legal = PokerEngine::legalActions(botId, table);
    const bool bigDraw = drawOuts(bot->holeCards, table.board, table.street) >= bigDrawOuts;
    const double fraction = StrategyAdvisor::valueSizeFraction(e, threshold);

    if (legal.callAmount >= 1) {
        const double price = StrategyAdvisor::potOdds(legal.callAmount, table.potTotal(botId));
        if (e >= std::max(threshold, params.raiseCushion + price) && legal.canRaise)
            return {Type::raise, true, fraction};
        if (e >= price) return {Type::call};
        if (bigDraw && !params.respectsPotOdds) return {Type::call, false};
        return {Type::fold};
    }
    if (e >= threshold) return {Type::bet, true, fraction};
    if (bigDraw) return {Type::bet, false, defaultPotFraction};
    return {Type::check};
}

double botBluffMultiplier(const TableState& table, std::string_view botId) {
    const std::int64_t opponents = table.opponentCount(botId);
    const double byOpponents = opponents < 2    ? headsUpBluffScale
                               : opponents == 2 ? twoOpponentsBluffScale
                                                : multiwayBluffScale;
    if (table.street == Street::preflop) return byOpponents;
    return byOpponents *
           (classifyBoardTexture(table.board) == BoardTexture::wet ? wetBoardBluffScale : dryBoardBluffScale);
}

double botCallOddsFactor(const TableState& table, std::string_view botId, const LegalActions& legal) {
    if (legal.callAmount < 1) return 1.0;
    const Player* bot = table.player(botId);
    if (bot == nullptr) return 0;
    const auto toCall = static_cast<double>(legal.callAmount);
    if (toCall / static_cast<double>(std::max<std::int64_t>(bot->stack, 1)) > looseCallStackShare) return 0;
    const auto pot = static_cast<double>(table.potTotal(botId));
    return std::max(0.0, 1 - toCall / std::max(pot + toCall, 1.0));
}

namespace {

PlayerAction passive(Type action, const LegalActions& legal) {
    if (action == Type::check) {
        if (legal.canCheck) return {Type::check, std::nullopt};
        if (legal.canCall) return {Type::call, std::nullopt};
        return {Type::fold, std::nullopt};
    }
    if (legal.canCall) return {Type::call, std::nullopt};
    if (legal.canCheck) return {Type::check, std::nullopt};
    return {Type::fold, std::nullopt};
}

PlayerAction sized(const TableState& table, std::string_view botId, const BotRead& read, bool valueRead,
                   double aggression, const LegalActions& legal, RandomSource& next) {
    if (!legal.canBet && !legal.canRaise) return passive(Type::call, legal);
    const double r = next();
    double target = 0;
    if (table.street == Street::preflop) {
        const double g = 1 + preflopAggressionGrowth * aggression;
        target =
            table.raisesThisStreet > 0
                ? static_cast<double>(table.currentBet) +
                      g * (reraiseMinimumRaises + reraiseSpread * r) * static_cast<double>(table.minRaise)
                : g * (openBigBlinds + openSpread * r) * static_cast<double>(table.bigBlind);
    } else {
        const auto pot = static_cast<double>(table.potTotal(botId));
        const double base = pot < 1 ? 1 : pot;
        const double frac = (valueRead ? read.potFraction.value_or(defaultPotFraction) : defaultPotFraction) +
                            postflopAggressionGrowth * aggression + postflopSpread * r;
        const auto toCall = static_cast<double>(legal.callAmount);
        const Player* bot = table.player(botId);
        const auto contribution = static_cast<double>(bot != nullptr ? bot->streetContribution : 0);
        target = legal.callAmount >= 1 ? (base + toCall) * frac + (contribution + toCall) : base * frac;
    }
    // Betting and raising are never both legal; the one that is names the action.
    return {legal.canBet ? Type::bet : Type::raise, roundAndClampRaise(target, legal)};
}

}  // namespace

PlayerAction BotDecision::decide(std::string_view botId, const TableState& table, const BotProfile& profile,
                                 RandomSource next) {
    const BotPersonality& personality = profile.personality;
    const BotRead read = table.street == Street::preflop ? botPreflopRead(table, botId, profile.skill)
                                                         : botPostflopRead(table, botId, profile.skill, next);
    const LegalActions legal = PokerEngine::legalActions(botId, table);
    const double m = botBluffMultiplier(table, botId);
    Type action = read.action;
    bool valueRead = (action == Type::bet || action == Type::raise) && read.isValue;

    if (action == Type::fold || action == Type::check) {
        const bool bluffs = succeeds(personality.bluffFrequency * m, next);
        if (bluffs && (legal.canCheck || legal.canRaise)) {
            action = legal.canCheck ? Type::bet : Type::raise;
            valueRead = false;
        } else if (action == Type::fold) {
            if (!legal.canCall) return {Type::fold, std::nullopt};
            if (!succeeds(personality.looseness * botCallOddsFactor(table, botId, legal), next))
                return {Type::fold, std::nullopt};
            action = Type::call;
        }
    }
    if (action == Type::check || action == Type::call) {
        if (succeeds(personality.aggression * m, next)) {
            if (action == Type::check && legal.canBet) {
                action = Type::bet;
                valueRead = false;
            } else if (action == Type::call && legal.canRaise) {
                action = Type::raise;
                valueRead = false;
            }
        }
        if (action == Type::check || action == Type::call) return passive(action, legal);
    }
    return sized(table, botId, read, valueRead, personality.aggression, legal, next);
}

}  // namespace pellox
