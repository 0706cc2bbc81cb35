#pragma once
#include <concepts>
#include <cstddef>

#include "rules/RandomSource.hpp"

namespace pellox {

// Draws straight from any random source, with BufferedDraws' interface, so that a sampling loop serves both.
class DirectDraws {
  public:
    class Cursor {
      public:
        explicit Cursor(RandomSource source) noexcept : source_(source) {}
        template <std::integral I>
        I index(I from, I to) const {
            return source_.index(from, to);
        }

        template <std::integral I>
        I cardIndex(I from, I to) const {
            return source_.index(from, to);
        }

      private:
        RandomSource source_;
    };

    explicit DirectDraws(RandomSource source) noexcept : source_(source) {}
    Cursor reserve(std::size_t) const noexcept { return Cursor(source_); }
    void consume(const Cursor&) const noexcept {}

  private:
    RandomSource source_;
};

}  // namespace pellox
