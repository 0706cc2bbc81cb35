#include "strategy/SkillParams.hpp"

namespace pellox {

const std::map<BotSkill, SkillParams>& SkillParams::table() {
    static const std::map<BotSkill, SkillParams> params{
        {BotSkill::beginner, {120, 0.08, false, 0.30, PositionBucket::middle, false}},
        {BotSkill::intermediate, {400, 0.03, true, 0.20, std::nullopt, false}},
        {BotSkill::pro, {1200, 0.0, true, 0.15, std::nullopt, false}},
    };
    return params;
}

const SkillParams& SkillParams::of(BotSkill skill) {
    return table().at(skill);
}

}  // namespace pellox
