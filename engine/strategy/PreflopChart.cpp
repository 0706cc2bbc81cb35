#include "strategy/PreflopChart.hpp"

#include "strategy/HandRange.hpp"

namespace pellox {

const PreflopChart::Table& PreflopChart::table() {
    static const Table parsed = [] {
        Table out;
        for (const Entry& e : entries)
            out[e.context][e.bucket] = ContextRanges{HandRange::parse(e.raise), HandRange::parse(e.call)};
        return out;
    }();
    return parsed;
}

RangeAction PreflopChart::action(std::string_view handClass, PreflopContext context, PositionBucket bucket) {
    const Table& charts = table();
    auto byBucket = charts.find(context);
    if (byBucket == charts.end()) return RangeAction::fold;
    auto ranges = byBucket->second.find(bucket);
    if (ranges == byBucket->second.end()) return RangeAction::fold;
    if (ranges->second.raise.contains(handClass)) return RangeAction::raise;
    if (ranges->second.call.contains(handClass)) return RangeAction::call;
    return RangeAction::fold;
}

}  // namespace pellox
