#pragma once
#include <cstdint>
#include <span>

#include "rules/Card.hpp"
#include "rules/Street.hpp"

namespace pellox {

// A big draw: enough outs for the guide and the bots to semi-bluff when checked to, and to call a small bet
// that its equity is just short of.
inline constexpr std::int64_t bigDrawOuts = 8;

// 9 when the most frequent suit among the cards (hole and board together) holds exactly four; a made flush
// of five or more counts 0. Allocates nothing.
std::int64_t flushDrawOuts(std::span<const Card> cards) noexcept;

// The outs of the better of the straight and the flush draw of hole and board together; none when no card is
// to come (river and showdown). Allocates nothing for the cards of a deal.
std::int64_t drawOuts(std::span<const Card> hole, std::span<const Card> board, Street street);

// The rule of 2 and 4: outs times 2 with one card to come, times 4 with two, at most 100%, as a fraction.
double drawEquity(std::int64_t outs, std::int64_t cardsToCome) noexcept;

}  // namespace pellox
