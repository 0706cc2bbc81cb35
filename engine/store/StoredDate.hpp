#pragma once
// Dates in stored documents: seconds since 2001-01-01 00:00:00 UTC, a JSON number with a fraction.
#include <chrono>
#include <optional>

#include "rules/JsonFwd.hpp"

namespace pellox {

using Date = std::chrono::system_clock::time_point;

// 2001-01-01 00:00:00 UTC.
inline constexpr Date referenceDate{std::chrono::seconds{978'307'200}};

// Dates are kept to the whole microsecond: the stored number holds that exactly for the dates of a game
// (within about a century of 2001), where a nanosecond clock reading would come back up to 60 ns off.
Date roundedToStoredPrecision(Date date);

double secondsSinceReferenceDate(Date date);
// To the whole microsecond; none when the number is not finite or the date lies beyond what the clock can
// hold.
std::optional<Date> dateFromSecondsSinceReferenceDate(double seconds);

namespace json {
Json encodeDate(Date date);
// Throws a JSON exception for anything but a finite number within the clock's range.
Date asDate(const Json& j);
}  // namespace json

}  // namespace pellox
