#pragma once
#include "rules/RawEnum.hpp"

namespace pellox {

// A coarse grade of what hole cards and board make together, strongest first.
enum class MadeHandTier { monster, strong, medium, air };

template <>
struct EnumCases<MadeHandTier> {
    static constexpr std::array cases{std::pair{MadeHandTier::monster, std::string_view{"monster"}},
                                      std::pair{MadeHandTier::strong, std::string_view{"strong"}},
                                      std::pair{MadeHandTier::medium, std::string_view{"medium"}},
                                      std::pair{MadeHandTier::air, std::string_view{"air"}}};
};

}  // namespace pellox
