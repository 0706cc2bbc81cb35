#pragma once
#include <QColor>
#include <cstdint>

namespace pellox::app {

struct Palette;

// The colour of a hand's or a game mode's net chips, as the history rows and the statistics' net chips rows
// both state it: `success` above zero, `danger` below, `textMuted` at zero.
QColor netColor(std::int64_t net, const Palette& palette);

}  // namespace pellox::app
