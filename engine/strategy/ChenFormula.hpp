#pragma once
#include "rules/Card.hpp"

namespace pellox {

// The Chen formula score of two hole cards, rounded up to the next half point (AA 20, 72o -1.5).
double chenScore(const Card& first, const Card& second);

}  // namespace pellox
