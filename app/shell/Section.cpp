#include "shell/Section.hpp"

namespace pellox::app {

std::string_view title(Section section) {
    switch (section) {
        case Section::table:
            return "Table";
        case Section::stats:
            return "Stats";
        case Section::history:
            return "History";
        case Section::ranges:
            return "Ranges";
        case Section::settings:
            return "Settings";
    }
    return {};
}

std::string_view symbolName(Section section) {
    switch (section) {
        case Section::table:
            return "suit.spade.fill";
        case Section::stats:
            return "chart.line.uptrend.xyaxis";
        case Section::history:
            return "clock.arrow.circlepath";
        case Section::ranges:
            return "square.grid.3x3.fill";
        case Section::settings:
            return "gearshape.fill";
    }
    return {};
}

}  // namespace pellox::app
