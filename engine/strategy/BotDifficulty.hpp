#pragma once
#include <vector>

#include "rules/RawEnum.hpp"
#include "strategy/BotPersonality.hpp"
#include "strategy/BotSkill.hpp"

namespace pellox {

enum class BotDifficulty { easy, normal, hard };

template <>
struct EnumCases<BotDifficulty> {
    static constexpr std::array cases{std::pair{BotDifficulty::easy, std::string_view{"easy"}},
                                      std::pair{BotDifficulty::normal, std::string_view{"normal"}},
                                      std::pair{BotDifficulty::hard, std::string_view{"hard"}}};
};

// easy: beginner, normal: intermediate, hard: pro.
BotSkill skill(BotDifficulty d) noexcept;

// Bot number i (in seat order among the bots, from 0) takes entry i modulo the list's length.
const std::vector<BotPersonality>& personalities(BotDifficulty d);

}  // namespace pellox
