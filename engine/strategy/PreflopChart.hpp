#pragma once
#include <array>
#include <map>
#include <string_view>

#include "strategy/ContextRanges.hpp"
#include "strategy/PositionBucket.hpp"
#include "strategy/PreflopContext.hpp"
#include "strategy/RangeAction.hpp"

namespace pellox {

// The static preflop range charts, by situation and position bucket.
struct PreflopChart {
    // One chart as written: the raise and call ranges in range notation (an empty range is "").
    struct Entry {
        PreflopContext context;
        PositionBucket bucket;
        std::string_view raise;
        std::string_view call;
    };

    // The charts. First in, the guide never limps, so the open rows have no call range.
    static constexpr std::array<Entry, 15> entries{{
        {PreflopContext::open, PositionBucket::early, "22+ ATs+ KJs+ QJs JTs T9s 98s 87s 76s AQo+ KQo", ""},
        {PreflopContext::open, PositionBucket::middle,
         "22+ A9s+ A5s KTs+ QTs+ J9s+ T9s 98s 87s 76s 65s ATo+ KJo+ QJo", ""},
        {PreflopContext::open, PositionBucket::late,
         "22+ A2s+ K9s+ Q9s+ J8s+ T8s+ 97s+ 86s+ 75s+ 65s 54s A8o+ A5o KTo+ QTo+ J9o+ T9o 98o", ""},
        {PreflopContext::open, PositionBucket::sb,
         "22+ A2s+ K9s+ Q9s+ J9s+ T8s+ 97s+ 86s+ 76s 65s 54s A9o+ KTo+ QTo+ JTo T9o", ""},
        {PreflopContext::open, PositionBucket::bb, "99+ AJs+ KQs AQo+", ""},

        {PreflopContext::facingOpen, PositionBucket::early, "QQ+ AKs AKo", "JJ-22 ATs+ KQs AQo"},
        {PreflopContext::facingOpen, PositionBucket::middle, "QQ+ AKs AKo",
         "JJ-22 ATs+ KJs+ QJs JTs T9s AQo KQo"},
        {PreflopContext::facingOpen, PositionBucket::late, "JJ+ AQs+ AKo A5s-A4s",
         "TT-22 ATs+ KTs+ QTs+ JTs T9s 98s 87s 76s 65s AQo AJo KQo"},
        {PreflopContext::facingOpen, PositionBucket::sb, "JJ+ AQs+ AKo", "TT-22 ATs+ KQs QJs JTs T9s AQo"},
        {PreflopContext::facingOpen, PositionBucket::bb, "QQ+ AKs AKo A5s",
         "JJ-22 A2s+ K9s+ Q9s+ J9s+ T8s+ 97s+ 87s 76s 65s 54s ATo+ KJo+ QJo JTo"},

        {PreflopContext::facing3Bet, PositionBucket::early, "KK+ AKs", "QQ JJ AQs AKo"},
        {PreflopContext::facing3Bet, PositionBucket::middle, "KK+ AKs", "QQ JJ TT AQs AKo"},
        {PreflopContext::facing3Bet, PositionBucket::late, "QQ+ AKs AKo", "JJ-99 AQs AJs KQs"},
        {PreflopContext::facing3Bet, PositionBucket::sb, "QQ+ AKs AKo", "JJ-88 AQs AJs KQs"},
        {PreflopContext::facing3Bet, PositionBucket::bb, "QQ+ AKs AKo A5s", "JJ-88 AQs AJs KQs JTs T9s"},
    }};

    using Table = std::map<PreflopContext, std::map<PositionBucket, ContextRanges>>;

    // The charts parsed once, on first use.
    static const Table& table();

    // raise when the class is in the raise range, call when in the call range, fold otherwise (also for a
    // situation the charts do not hold).
    static RangeAction action(std::string_view handClass, PreflopContext context, PositionBucket bucket);
};

}  // namespace pellox
