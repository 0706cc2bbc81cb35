#pragma once
#include "rules/JsonFwd.hpp"
#include "strategy/BotPersonality.hpp"
#include "strategy/BotSkill.hpp"

namespace pellox {

struct BotProfile {
    BotSkill skill{BotSkill::intermediate};
    BotPersonality personality{BotPersonality::balanced};

    // For a bot without a profile.
    static const BotProfile standard;

    friend bool operator==(const BotProfile&, const BotProfile&) = default;
};

inline constexpr BotProfile BotProfile::standard{BotSkill::intermediate, BotPersonality::balanced};

void to_json(Json& j, const BotProfile& p);
void from_json(const Json& j, BotProfile& p);

}  // namespace pellox
