#pragma once
#include <QColor>

namespace pellox::app {

struct Palette;

// A palette colour named by its role, so view models can choose colours without holding a palette.
enum class PaletteRole { text, textMuted, accent, danger, success, border };

QColor color(PaletteRole role, const Palette& palette);

}  // namespace pellox::app
