#pragma once
#include <string>
#include <vector>

#include "rules/Card.hpp"

namespace pellox {

// The class of two hole cards: the higher rank's symbol first, then "s" for suited or "o" for offsuit; a
// pair has no suffix ("AA", "AKs", "T9o").
std::string handClass(const Card& first, const Card& second);

// The 169 classes in chart order, built once: for each first rank from the ace down and each second rank
// from the same one down, the pair, or the suited class followed by the offsuit one (AA, AKs, AKo, AQs, ...,
// A2o, KK, KQs, ..., 32o, 22).
const std::vector<std::string>& allHandClasses();

}  // namespace pellox
