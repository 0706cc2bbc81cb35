#include "strategy/BotProfile.hpp"

#include "rules/Json.hpp"

namespace pellox {

void to_json(Json& j, const BotProfile& p) {
    j = Json{{"skill", p.skill}, {"personality", p.personality}};
}

void from_json(const Json& j, BotProfile& p) {
    p = BotProfile{json::read<BotSkill>(j, "skill"), json::read<BotPersonality>(j, "personality")};
}

}  // namespace pellox
