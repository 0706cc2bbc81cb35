#include "review/NetColor.hpp"

#include "theme/PaletteRole.hpp"

namespace pellox::app {

QColor netColor(std::int64_t net, const Palette& palette) {
    return color(netRole(net), palette);
}

}  // namespace pellox::app
