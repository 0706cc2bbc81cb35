#pragma once
#include "rules/RawEnum.hpp"

namespace pellox {

enum class GameMode { cash, tournament };

template <>
struct EnumCases<GameMode> {
    static constexpr std::array cases{std::pair{GameMode::cash, std::string_view{"cash"}},
                                      std::pair{GameMode::tournament, std::string_view{"tournament"}}};
};

}  // namespace pellox
