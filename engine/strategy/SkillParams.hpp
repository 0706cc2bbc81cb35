#pragma once
#include <cstdint>
#include <map>
#include <optional>

#include "strategy/BotSkill.hpp"
#include "strategy/PositionBucket.hpp"

namespace pellox {

// How much equity a bot samples, how wrong it is, and how carefully it prices its calls and raises.
struct SkillParams {
    std::int64_t equitySamples{0};
    // Added to the sampled equity.
    double equityBias{0};
    bool respectsPotOdds{true};
    // The margin over the pot odds needed to raise.
    double raiseCushion{0};
    // The chart column used instead of the bot's own.
    std::optional<PositionBucket> preflopBucketOverride;
    // False for every skill; no decision consults it.
    bool readsOpponentRanges{false};

    static const std::map<BotSkill, SkillParams>& table();
    static const SkillParams& of(BotSkill skill);

    friend bool operator==(const SkillParams&, const SkillParams&) = default;
};

}  // namespace pellox
