#pragma once
#include <cstdint>
#include <span>

#include "rules/Card.hpp"
#include "rules/RawEnum.hpp"

namespace pellox {

// The best straight draw among some cards (hole and board together).
struct StraightDrawInfo {
    enum class Kind { none, gutshot, openEnded };

    std::int64_t outs{0};
    Kind kind{Kind::none};

    // Four of five consecutive ranks (the ace also counts low) make a draw: 8 outs when either end can
    // complete it, 4 for an inside card or a run with one end off the deck (AKQJ, A234). A made straight adds
    // nothing by itself. Allocates nothing.
    static StraightDrawInfo evaluate(std::span<const Card> cards) noexcept;

    friend bool operator==(const StraightDrawInfo&, const StraightDrawInfo&) = default;
};

template <>
struct EnumCases<StraightDrawInfo::Kind> {
    static constexpr std::array cases{
        std::pair{StraightDrawInfo::Kind::none, std::string_view{"none"}},
        std::pair{StraightDrawInfo::Kind::gutshot, std::string_view{"gutshot"}},
        std::pair{StraightDrawInfo::Kind::openEnded, std::string_view{"open-ended"}}};
};

}  // namespace pellox
