#include <gtest/gtest.h>

#include <QLocale>
#include <limits>

#include "kit/MoneyText.hpp"

namespace pellox::app {
namespace {

TEST(MoneyText, PlainAmountsKeepTheirDigitsUngrouped) {
    EXPECT_EQ(moneyText(1500), "$1500");
    EXPECT_EQ(moneyText(0), "$0");
    EXPECT_EQ(moneyText(-5), "$-5");
    EXPECT_EQ(moneyText(123456), "$123456");
}

TEST(MoneyText, SignedAmountsShowASignOnlyAwayFromZero) {
    EXPECT_EQ(moneyText(1250, MoneySign::awayFromZero), "+$1250");
    EXPECT_EQ(moneyText(0, MoneySign::awayFromZero), "$0");
    EXPECT_EQ(moneyText(-45, MoneySign::awayFromZero), "-$45");
    EXPECT_EQ(moneyText(std::numeric_limits<std::int64_t>::min(), MoneySign::awayFromZero),
              "-$9223372036854775808");
}

TEST(MoneyText, GroupingFollowsTheGivenLocale) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(moneyText(1250, MoneySign::awayFromZero, &english), "+$1,250");
    EXPECT_EQ(moneyText(-40, MoneySign::awayFromZero, &english), "-$40");
    EXPECT_EQ(moneyText(-1234567, MoneySign::awayFromZero, &german), "-$1.234.567");
    EXPECT_EQ(magnitudeText(std::numeric_limits<std::int64_t>::min(), &english), "9,223,372,036,854,775,808");
}

}  // namespace
}  // namespace pellox::app
