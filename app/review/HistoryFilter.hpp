#pragma once
#include <QString>
#include <cstddef>
#include <string_view>
#include <vector>

#include "rules/RawEnum.hpp"

namespace pellox {
struct HandRecord;
}

namespace pellox::app {

// Which stored hands the history lists; the order is the order of the picker's segments.
enum class HistoryFilter { all, won, lost, misplayed };

QString title(HistoryFilter filter);
// all: every hand; won / lost: a net above / below zero; misplayed: some decision went against the guide.
bool keeps(HistoryFilter filter, const HandRecord& record);
// Where the records the filter keeps stand in the history, in the history's order (newest first).
std::vector<std::size_t> filteredRecords(const std::vector<HandRecord>& history, HistoryFilter filter);

}  // namespace pellox::app

template <>
struct pellox::EnumCases<pellox::app::HistoryFilter> {
    static constexpr std::array cases{
        std::pair{app::HistoryFilter::all, std::string_view{"all"}},
        std::pair{app::HistoryFilter::won, std::string_view{"won"}},
        std::pair{app::HistoryFilter::lost, std::string_view{"lost"}},
        std::pair{app::HistoryFilter::misplayed, std::string_view{"misplayed"}}};
};
