#include <gtest/gtest.h>

#include "rules/SeededRNG.hpp"
#include "strategy/RaiseAmount.hpp"
#include "rules/RandomSource.hpp"

namespace pellox {
namespace {

TEST(RaiseAmountTests, RoundsFirstThenClamps) {
    EXPECT_EQ(roundAndClampRaise(28.0, 20, 1000), 30);
    EXPECT_EQ(roundAndClampRaise(27.5, 20, 1000), 30);  // halves away from zero
    EXPECT_EQ(roundAndClampRaise(22.4, 20, 1000), 20);
    EXPECT_EQ(roundAndClampRaise(22.5, 20, 1000), 25);
    // A short all-in is not a multiple of five; rounding up first would ask for more than the stack.
    EXPECT_EQ(roundAndClampRaise(124.0, 20, 123), 123);
    EXPECT_EQ(roundAndClampRaise(5000.0, 20, 123), 123);
    // An odd minimum: rounding down first would go below it.
    EXPECT_EQ(roundAndClampRaise(11.0, 12, 500), 12);
    EXPECT_EQ(roundAndClampRaise(0.0, 40, 40), 40);
    LegalActions legal;
    legal.minRaiseTo = 20;
    legal.maxRaiseTo = 97;
    EXPECT_EQ(roundAndClampRaise(96.0, legal), 95);
    EXPECT_EQ(roundAndClampRaise(98.0, legal), 97);
}

TEST(RaiseAmountTests, RandomSourceForwardsToGeneratorOrCallable) {
    SeededRNG a(5), b(5);
    RandomSource fromGenerator(a);
    EXPECT_EQ(fromGenerator(), b.next());
    EXPECT_EQ(fromGenerator(), b.next());
    int calls = 0;
    auto half = [&] {
        ++calls;
        return 0.5;
    };
    RandomSource fromCallable(half);
    RandomSource copy = fromCallable;
    EXPECT_EQ(copy(), 0.5);
    EXPECT_EQ(fromCallable(), 0.5);
    EXPECT_EQ(calls, 2);
}

}  // namespace
}  // namespace pellox
