#pragma once
#include <cstdint>

namespace pellox {

struct EquityResult {
    double equity{0};  // the hero's average pot share per sample, in [0, 1]
    std::int64_t samples{0};

    // The average of the summed pot shares; no equity without a sample, rather than a quotient by zero.
    static constexpr EquityResult averaged(double winShare, std::int64_t samples) noexcept {
        return {samples >= 1 ? winShare / static_cast<double>(samples) : 0.0, samples};
    }

    friend bool operator==(const EquityResult&, const EquityResult&) = default;
};

}  // namespace pellox
