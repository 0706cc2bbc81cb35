#pragma once
#include "rules/RawEnum.hpp"

namespace pellox {

// show: advice shown and decisions graded; gradeOnly: graded, advice hidden; off: neither.
enum class GuideMode { show, gradeOnly, off };

template <>
struct EnumCases<GuideMode> {
    static constexpr std::array cases{std::pair{GuideMode::show, std::string_view{"show"}},
                                      std::pair{GuideMode::gradeOnly, std::string_view{"grade-only"}},
                                      std::pair{GuideMode::off, std::string_view{"off"}}};
};

}  // namespace pellox
