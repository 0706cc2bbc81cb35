#include "rules/SeededRNG.hpp"

#include <sys/random.h>

#include <array>
#include <random>

namespace pellox {

namespace {

[[gnu::always_inline]] inline void fillOutputs(std::uint32_t state, std::span<std::uint32_t> out) noexcept {
    for (std::size_t k = 0; k < out.size(); ++k)
        out[k] = SeededRNG::output(state + static_cast<std::uint32_t>(k + 1) * SeededRNG::increment);
}

}  // namespace

namespace detail {

void baselineOutputsAfter(std::uint32_t state, std::span<std::uint32_t> out) noexcept {
    fillOutputs(state, out);
}

#if defined(__x86_64__) && defined(__GNUC__)
[[gnu::target("avx2")]] bool avx2OutputsAfter(std::uint32_t state, std::span<std::uint32_t> out) noexcept {
    static const bool runs = __builtin_cpu_supports("avx2");
    if (runs) fillOutputs(state, out);
    return runs;
}

[[gnu::target("avx512f,prefer-vector-width=512")]] bool avx512OutputsAfter(
    std::uint32_t state, std::span<std::uint32_t> out) noexcept {
    static const bool runs = __builtin_cpu_supports("avx512f");
    if (runs) fillOutputs(state, out);
    return runs;
}
#else
bool avx2OutputsAfter(std::uint32_t, std::span<std::uint32_t>) noexcept {
    return false;
}
bool avx512OutputsAfter(std::uint32_t, std::span<std::uint32_t>) noexcept {
    return false;
}
#endif

}  // namespace detail

// The sampling loops spend much of their time here, and the baseline's vectors have no 32-bit multiply: where
// the processor has wider vectors with one, the same loop compiled for them runs instead.
void SeededRNG::outputsAfter(std::uint32_t state, std::span<std::uint32_t> out) noexcept {
    if (detail::avx512OutputsAfter(state, out) || detail::avx2OutputsAfter(state, out)) return;
    detail::baselineOutputsAfter(state, out);
}

std::uint32_t SeededRNG::randomSeed() {
    std::array<unsigned char, 8> bytes{};
    std::size_t got = 0;
    while (got < bytes.size()) {
        ssize_t n = getrandom(bytes.data() + got, bytes.size() - got, 0);
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    if (got < bytes.size()) {
        std::random_device device;  // reads the kernel source as well
        for (auto& b : bytes)
            b = static_cast<unsigned char>(device());
    }
    return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
           (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
}

}  // namespace pellox
