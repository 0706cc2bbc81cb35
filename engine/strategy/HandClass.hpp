#pragma once
#include <cstddef>
#include <string>
#include <string_view>
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

// The class in a row and column of the 13 x 13 grid, both indices into HandRange::rankCharacters: the pair on
// the diagonal, suited above it, offsuit below ("AKs" at row 0, column 1; "AKo" at row 1, column 0). Throws
// std::out_of_range for an index past the deuce.
std::string handClassAt(std::size_t row, std::size_t column);

// How many two-card combinations a class stands for: 6 for a pair, 4 suited, 12 offsuit; a text that is no
// class stands for none.
int combinationCount(std::string_view handClass);

}  // namespace pellox
