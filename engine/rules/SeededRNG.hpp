#pragma once
#include <concepts>
#include <cstdint>
#include <span>

namespace pellox {

// Mulberry32 over one 32-bit state. Non-copyable: holders share one stream by reference; a fork is an
// explicit new instance started at another's state.
class SeededRNG {
  public:
    explicit SeededRNG(std::uint32_t seed) noexcept : s(seed) {}
    SeededRNG() : s(randomSeed()) {}
    SeededRNG(const SeededRNG&) = delete;
    SeededRNG& operator=(const SeededRNG&) = delete;

    double next() noexcept { return static_cast<double>(nextUInt32()) / 4294967296.0; }

    std::uint32_t nextUInt32() noexcept {
        s += increment;
        return output(s);
    }

    // The state's step per draw.
    static constexpr std::uint32_t increment = 0x6D2B79F5u;

    // The output of the draw that leaves the state at `stepped`: a draw's output depends on nothing else.
    static constexpr std::uint32_t output(std::uint32_t stepped) noexcept {
        std::uint32_t t = (stepped ^ (stepped >> 15)) * (stepped | 1u);
        t = (t + ((t ^ (t >> 7)) * (t | 61u))) ^ t;
        return t ^ (t >> 14);
    }

    // The outputs of the draws that follow the state `state`, in order, into out: what as many calls of
    // nextUInt32 would return, without moving any generator.
    static void outputsAfter(std::uint32_t state, std::span<std::uint32_t> out) noexcept;

    // drawIndex(next(), from, to) from the 32-bit output alone, without the trip through a double.
    template <std::integral I>
    I nextIndex(I from, I to) noexcept;

    // Uniform 32 bits from the operating system's cryptographic source.
    static std::uint32_t randomSeed();

    std::uint32_t s;
};

namespace detail {
// SeededRNG::outputsAfter's builds: the baseline instruction set's, and those for processors with AVX2 and
// with AVX-512, which write nothing and return false on a processor without it.
void baselineOutputsAfter(std::uint32_t state, std::span<std::uint32_t> out) noexcept;
bool avx2OutputsAfter(std::uint32_t state, std::span<std::uint32_t> out) noexcept;
bool avx512OutputsAfter(std::uint32_t state, std::span<std::uint32_t> out) noexcept;
}  // namespace detail

namespace RNGStream {
inline constexpr std::uint32_t game = 1;
inline constexpr std::uint32_t advice = 2;

// MurmurHash3's 32-bit finaliser over the seed mixed with the stream number.
constexpr std::uint32_t seed(std::uint32_t seed, std::uint32_t stream) noexcept {
    std::uint32_t x = seed ^ (stream * 0x9E3779B1u);
    x ^= x >> 16;
    x *= 0x85EBCA6Bu;
    x ^= x >> 13;
    x *= 0xC2B2AE35u;
    x ^= x >> 16;
    return x;
}
}  // namespace RNGStream

// The index from + the integer part of r x (to - from) for a draw r in [0, 1). A draw outside [0, 1), NaN
// included, gives the nearer end, so the index always lies in from..<to (to above from).
template <std::integral I>
constexpr I drawIndex(double r, I from, I to) noexcept {
    const auto span = static_cast<double>(to - from);
    const double x = r * span;
    if (!(x >= 0)) return from;
    if (x >= span) return to - 1;
    return from + static_cast<I>(x);
}

// The spans over which a 32-bit output scales to an index exactly as through a double: the double product of
// output / 2^32 and the span is exact while output x span stays below 2^53.
inline constexpr std::uint64_t maxExactIndexSpan = std::uint64_t{1} << 21;

// drawIndex(bits / 2^32, from, to) computed on integers: the integer part of bits x span / 2^32 is the high
// half of the 64-bit product, and the double path rounds nothing up to a span of maxExactIndexSpan. Larger
// spans take the double path, so the two always agree.
template <std::integral I>
constexpr I scaledIndex(std::uint32_t bits, I from, I to) noexcept {
    const auto span = static_cast<std::uint64_t>(to - from);
    if (span > maxExactIndexSpan) [[unlikely]]
        return drawIndex(static_cast<double>(bits) / 4294967296.0, from, to);
    return from + static_cast<I>((std::uint64_t{bits} * span) >> 32);
}

// scaledIndex over a deck's cards, a span of at most 52 and so always exact: no test of the span.
template <std::integral I>
constexpr I scaledCardIndex(std::uint32_t bits, I from, I to) noexcept {
    return from + static_cast<I>((std::uint64_t{bits} * static_cast<std::uint64_t>(to - from)) >> 32);
}

template <std::integral I>
I SeededRNG::nextIndex(I from, I to) noexcept {
    return scaledIndex(nextUInt32(), from, to);
}

// Seeds and generator states are kept as signed 32-bit values with the same bits.
constexpr std::int32_t toStoredSeed(std::uint32_t seed) noexcept {
    return static_cast<std::int32_t>(seed);
}
constexpr std::uint32_t fromStoredSeed(std::int32_t stored) noexcept {
    return static_cast<std::uint32_t>(stored);
}

}  // namespace pellox
