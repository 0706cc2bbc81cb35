#pragma once
#include <string_view>

#include "rules/LegalActions.hpp"
#include "rules/PlayerAction.hpp"
#include "rules/RandomSource.hpp"
#include "rules/TableState.hpp"
#include "strategy/BotProfile.hpp"
#include "strategy/BotRead.hpp"

namespace pellox {

// The chart's answer for the bot's hole cards: no sampling, no draws.
BotRead botPreflopRead(const TableState& table, std::string_view botId, BotSkill skill);
// Sampled equity against the pot odds; the sampler takes its draws from rng.
BotRead botPostflopRead(const TableState& table, std::string_view botId, BotSkill skill, RandomSource rng);
// Bluffs and aggression pay more heads-up and on dry boards.
double botBluffMultiplier(const TableState& table, std::string_view botId);
// How far a loose call is tempting: cheap calls into big pots most, calls above a quarter of the stack never.
double botCallOddsFactor(const TableState& table, std::string_view botId, const LegalActions& legal);

// A bot's action: its read, then at most a bluff, a loose-call, an aggression and a sizing draw, in that
// order and each only when its step is reached, so a seeded generator replays every decision.
struct BotDecision {
    static PlayerAction decide(std::string_view botId, const TableState& table, const BotProfile& profile,
                               RandomSource next);
};

}  // namespace pellox
