#include "strategy/BotDifficulty.hpp"

namespace pellox {

BotSkill skill(BotDifficulty d) noexcept {
    switch (d) {
        case BotDifficulty::easy:
            return BotSkill::beginner;
        case BotDifficulty::normal:
            return BotSkill::intermediate;
        case BotDifficulty::hard:
            return BotSkill::pro;
    }
    return BotSkill::intermediate;
}

const std::vector<BotPersonality>& personalities(BotDifficulty d) {
    using P = BotPersonality;
    static const std::vector<P> easy{P::maniac, P::loose, P::maniac, P::loose, P::balanced};
    static const std::vector<P> normal{P::tight, P::balanced, P::loose, P::maniac};
    static const std::vector<P> hard{P::tight, P::balanced, P::tight, P::balanced, P::tight};
    switch (d) {
        case BotDifficulty::easy:
            return easy;
        case BotDifficulty::hard:
            return hard;
        case BotDifficulty::normal:
            break;
    }
    return normal;
}

}  // namespace pellox
