#pragma once
#include <array>
#include <string_view>

namespace pellox::app {

// The sidebar's sections of the main window, in the sidebar's order (MacRootView::Section).
enum class Section { table, stats, history, ranges, settings };

inline constexpr std::array<Section, 5> allSections{Section::table, Section::stats, Section::history,
                                                    Section::ranges, Section::settings};

// The row label of the section.
std::string_view title(Section section);
// The system symbol drawn beside the title.
std::string_view symbolName(Section section);

}  // namespace pellox::app
