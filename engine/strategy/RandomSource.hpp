#pragma once
#include <concepts>
#include <type_traits>

#include "rules/SeededRNG.hpp"

namespace pellox {

// A non-owning reference to a source of doubles in [0, 1): a seeded generator or any callable. It costs one
// indirect call per draw (no allocation, unlike std::function), so the sampling loops can take it. Only
// lvalues bind, so the source always outlives the reference taken from a named object.
class RandomSource {
  public:
    RandomSource(SeededRNG& rng) noexcept  // NOLINT(google-explicit-constructor)
        : target(&rng), call([](void* t) { return static_cast<SeededRNG*>(t)->next(); }) {}

    template <typename F>
    requires(!std::is_same_v<std::remove_cv_t<F>, RandomSource> &&
             !std::is_same_v<std::remove_cv_t<F>, SeededRNG> && std::is_invocable_r_v<double, F&>)
        RandomSource(F& f)
    noexcept  // NOLINT(google-explicit-constructor)
        : target(const_cast<void*>(static_cast<const void*>(&f))),
          call([](void* t) -> double { return (*static_cast<F*>(t))(); }) {}

    double operator()() const { return call(target); }

  private:
    void* target;
    double (*call)(void*);
};

}  // namespace pellox
