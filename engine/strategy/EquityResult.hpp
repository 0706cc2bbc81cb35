#pragma once
#include <cstdint>

namespace pellox {

struct EquityResult {
    double equity{0};  // the hero's average pot share per sample, in [0, 1]
    std::int64_t samples{0};

    friend bool operator==(const EquityResult&, const EquityResult&) = default;
};

}  // namespace pellox
