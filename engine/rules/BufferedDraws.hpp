#pragma once
#include <algorithm>
#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>

#include "rules/SeededRNG.hpp"

namespace pellox {

// A seeded generator's draws computed ahead, for the sampling loops: the k-th index taken is the one the
// generator's own k-th nextIndex would give, and when the buffer goes away the generator stands exactly after
// the draws taken, as if it had made them itself. A draw's output depends only on how many steps the state
// has taken, so the buffer fills in one loop over consecutive states that the compiler vectorises, off the
// integer units the sampling loops keep busy.
class BufferedDraws {
  public:
    // The most draws one sample may reserve.
    static constexpr std::size_t capacity = 256;

    // Draws from a stretch of reserved outputs; the loop keeps it in registers.
    class Cursor {
      public:
        explicit Cursor(const std::uint32_t* outputs) noexcept : next_(outputs) {}
        // As SeededRNG::nextIndex.
        template <std::integral I>
        I index(I from, I to) noexcept {
            return scaledIndex(*next_++, from, to);
        }
        // The same over at most 52 cards (to - from), without the test of the span.
        template <std::integral I>
        I cardIndex(I from, I to) noexcept {
            return scaledCardIndex(*next_++, from, to);
        }
        // The next output not yet taken: one pointer is all a sampling loop keeps of its cursor.
        const std::uint32_t* next() const noexcept { return next_; }

      private:
        const std::uint32_t* next_;
    };

    explicit BufferedDraws(SeededRNG& rng) noexcept : rng_(rng), start_(rng.s) {}
    ~BufferedDraws() { rng_.s = stateAfter(next_); }
    BufferedDraws(const BufferedDraws&) = delete;
    BufferedDraws& operator=(const BufferedDraws&) = delete;

    // A cursor over at least count (at most capacity) outputs ahead; consume what it took before the next.
    Cursor reserve(std::size_t count) noexcept {
        if (filled_ - next_ < count) [[unlikely]]
            refill();
        return Cursor(outputs_.data() + next_);
    }
    void consume(const Cursor& cursor) noexcept {
        next_ = static_cast<std::size_t>(cursor.next() - outputs_.data());
    }

  private:
    std::uint32_t stateAfter(std::size_t draws) const noexcept {
        return start_ + static_cast<std::uint32_t>(draws) * SeededRNG::increment;
    }

    // Moves the outputs not yet taken to the front and computes the rest.
    [[gnu::noinline]] void refill() noexcept {
        std::copy(outputs_.begin() + static_cast<std::ptrdiff_t>(next_),
                  outputs_.begin() + static_cast<std::ptrdiff_t>(filled_), outputs_.begin());
        start_ = stateAfter(next_);
        filled_ -= next_;
        next_ = 0;
        SeededRNG::outputsAfter(stateAfter(filled_), std::span(outputs_).subspan(filled_));
        filled_ = capacity;
    }

    SeededRNG& rng_;
    // The state before outputs_[0].
    std::uint32_t start_;
    std::size_t next_{0};
    std::size_t filled_{0};
    std::array<std::uint32_t, capacity> outputs_{};
};

}  // namespace pellox
