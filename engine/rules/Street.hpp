#pragma once
#include "rules/RawEnum.hpp"

namespace pellox {

enum class Street { preflop, flop, turn, river, showdown };

template <>
struct EnumCases<Street> {
    static constexpr std::array cases{std::pair{Street::preflop, std::string_view{"preflop"}},
                                      std::pair{Street::flop, std::string_view{"flop"}},
                                      std::pair{Street::turn, std::string_view{"turn"}},
                                      std::pair{Street::river, std::string_view{"river"}},
                                      std::pair{Street::showdown, std::string_view{"showdown"}}};
};

}  // namespace pellox
