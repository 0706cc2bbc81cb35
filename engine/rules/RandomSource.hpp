#pragma once
#include <concepts>
#include <cstddef>
#include <type_traits>
#include <utility>

#include "rules/SeededRNG.hpp"

namespace pellox {

// The one way the engine draws: a non-owning reference to a source of doubles in [0, 1), a seeded generator
// or any callable. Nothing is
// allocated (unlike std::function) and a generator is called directly, without an indirect call, so the
// sampling loops can take it. Only lvalues bind, so the source outlives a reference taken from a named
// object.
class RandomSource {
  public:
    // NOLINTNEXTLINE(google-explicit-constructor)
    RandomSource(SeededRNG& rng) noexcept : generator(&rng) {}

    template <typename F>
    static constexpr bool isCallableSource =
        !std::is_same_v<std::remove_cv_t<F>, RandomSource> &&
        !std::is_same_v<std::remove_cv_t<F>, SeededRNG> && std::is_invocable_r_v<double, F&>;

    // NOLINTNEXTLINE(google-explicit-constructor)
    template <typename F, std::enable_if_t<isCallableSource<F>, int> = 0>
    RandomSource(F& f) noexcept
        : target(const_cast<void*>(static_cast<const void*>(&f))),
          call([](void* t) -> double { return (*static_cast<F*>(t))(); }) {}

    double operator()() const { return generator != nullptr ? generator->next() : call(target); }

    // drawIndex(draw, from, to) of the next draw; a generator scales its 32-bit output directly.
    template <std::integral I>
    I index(I from, I to) const {
        return generator != nullptr ? generator->nextIndex(from, to) : drawIndex(call(target), from, to);
    }

    // The generator behind this source, or none for a callable: loops that draw many numbers run on it
    // directly.
    SeededRNG* seededGenerator() const noexcept { return generator; }

  private:
    SeededRNG* generator{nullptr};
    void* target{nullptr};
    double (*call)(void*){nullptr};
};

// Fisher-Yates from the back, in place: one draw per position from the last down to the second. A draw
// outside [0, 1) (NaN included) is clamped into the valid range, so j always stays in 0...i.
template <typename Items>
void shuffleInPlace(Items& items, RandomSource draw) {
    if (items.size() < 2) return;
    for (std::size_t i = items.size() - 1; i >= 1; --i) {
        const std::size_t j = draw.index(std::size_t{0}, i + 1);
        if (j != i) std::swap(items[i], items[j]);
    }
}

}  // namespace pellox
