#pragma once
#include "rules/RawEnum.hpp"

namespace pellox {

enum class BotSkill { beginner, intermediate, pro };

template <>
struct EnumCases<BotSkill> {
    static constexpr std::array cases{std::pair{BotSkill::beginner, std::string_view{"beginner"}},
                                      std::pair{BotSkill::intermediate, std::string_view{"intermediate"}},
                                      std::pair{BotSkill::pro, std::string_view{"pro"}}};
};

}  // namespace pellox
