#include "store/StoredDate.hpp"

#include <cmath>

#include "rules/Json.hpp"

namespace pellox {

namespace {
// About ±250 years around 2001, well inside the clock's signed 64-bit nanoseconds.
constexpr double maxStoredSeconds = 8.0e9;
}  // namespace

Date roundedToStoredPrecision(Date date) {
    return referenceDate + std::chrono::round<std::chrono::microseconds>(date - referenceDate);
}

double secondsSinceReferenceDate(Date date) {
    return std::chrono::duration<double>(date - referenceDate).count();
}

std::optional<Date> dateFromSecondsSinceReferenceDate(double seconds) {
    if (!std::isfinite(seconds) || std::fabs(seconds) > maxStoredSeconds) return std::nullopt;
    return referenceDate +
           std::chrono::round<std::chrono::microseconds>(std::chrono::duration<double>(seconds));
}

Json json::encodeDate(Date date) {
    return secondsSinceReferenceDate(date);
}

Date json::asDate(const Json& j) {
    auto date = dateFromSecondsSinceReferenceDate(asDouble(j));
    if (!date) fail(j, "date out of range");
    return *date;
}

}  // namespace pellox
