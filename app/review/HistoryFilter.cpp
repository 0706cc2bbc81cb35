#include "review/HistoryFilter.hpp"

#include <algorithm>

#include "store/HandRecord.hpp"

namespace pellox::app {

QString title(HistoryFilter filter) {
    switch (filter) {
        case HistoryFilter::all:
            return QStringLiteral("All");
        case HistoryFilter::won:
            return QStringLiteral("Won");
        case HistoryFilter::lost:
            return QStringLiteral("Lost");
        case HistoryFilter::misplayed:
            return QStringLiteral("Misplayed");
    }
    return {};
}

bool keeps(HistoryFilter filter, const HandRecord& record) {
    switch (filter) {
        case HistoryFilter::all:
            return true;
        case HistoryFilter::won:
            return record.humanNet > 0;
        case HistoryFilter::lost:
            return record.humanNet < 0;
        case HistoryFilter::misplayed:
            return std::any_of(record.grades.begin(), record.grades.end(),
                               [](const GradedDecision& grade) { return !grade.agreed; });
    }
    return false;
}

std::vector<std::size_t> filteredRecords(const std::vector<HandRecord>& history, HistoryFilter filter) {
    std::vector<std::size_t> kept;
    for (std::size_t i = 0; i < history.size(); ++i)
        if (keeps(filter, history[i])) kept.push_back(i);
    return kept;
}

}  // namespace pellox::app
