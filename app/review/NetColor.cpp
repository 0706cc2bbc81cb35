#include "review/NetColor.hpp"

#include "theme/Palette.hpp"

namespace pellox::app {

QColor netColor(std::int64_t net, const Palette& palette) {
    if (net > 0) return palette.success;
    if (net < 0) return palette.danger;
    return palette.textMuted;
}

}  // namespace pellox::app
