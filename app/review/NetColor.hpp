#pragma once
#include <QColor>
#include <cstdint>

namespace pellox::app {

struct Palette;

// The statistics' net chips rows read their colour here; the rule is the theme's netRole, `textMuted` at
// zero.
QColor netColor(std::int64_t net, const Palette& palette);

}  // namespace pellox::app
