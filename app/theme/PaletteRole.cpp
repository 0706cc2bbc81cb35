#include "theme/PaletteRole.hpp"

#include "theme/Palette.hpp"

namespace pellox::app {

QColor color(PaletteRole role, const Palette& palette) {
    switch (role) {
        case PaletteRole::text:
            return palette.text;
        case PaletteRole::textMuted:
            return palette.textMuted;
        case PaletteRole::accent:
            return palette.accent;
        case PaletteRole::danger:
            return palette.danger;
        case PaletteRole::success:
            return palette.success;
        case PaletteRole::border:
            return palette.border;
    }
    return palette.text;
}

PaletteRole netRole(std::int64_t net, PaletteRole atZero) {
    if (net > 0) return PaletteRole::success;
    if (net < 0) return PaletteRole::danger;
    return atZero;
}

}  // namespace pellox::app
