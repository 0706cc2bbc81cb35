#pragma once
#include <QColor>
#include <cstdint>

namespace pellox::app {

struct Palette;

// A palette colour named by its role, so view models can choose colours without holding a palette.
enum class PaletteRole { text, textMuted, accent, danger, success, border };

QColor color(PaletteRole role, const Palette& palette);

// The colour of net chips wherever they are stated: `success` above zero, `danger` below, `atZero` at zero.
PaletteRole netRole(std::int64_t net, PaletteRole atZero = PaletteRole::textMuted);

}  // namespace pellox::app
