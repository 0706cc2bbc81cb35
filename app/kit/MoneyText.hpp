#pragma once
// Every "$" amount the screens show, written once. Screens differ only in the sign and in grouping, which
// each screen keeps as it has always shown it.
#include <QString>
#include <cstdint>

class QLocale;

namespace pellox::app {

enum class MoneySign {
    plain,        // "$1500", "$-5"
    awayFromZero  // "+$120", "$0", "-$45"
};

// "$" and the digits; grouped by the locale when one is given ("+$1,250").
QString moneyText(std::int64_t amount, MoneySign sign = MoneySign::plain, const QLocale* grouping = nullptr);

// The digits of an amount's magnitude, defined at the most negative amount too.
QString magnitudeText(std::int64_t amount, const QLocale* grouping = nullptr);

}  // namespace pellox::app
