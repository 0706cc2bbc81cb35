#include <gtest/gtest.h>

#include <vector>

#include "rules/SeededRNG.hpp"
#include "strategy/CardMask.hpp"

namespace pellox {
namespace {

std::vector<int> listedOneByOne(CardMask mask) {
    std::vector<int> out;
    for (int i = 0; i < 52; ++i)
        if ((mask >> i & 1u) == 0) out.push_back(i);
    return out;
}

TEST(CardMaskTests, IndicesOutsideListsTheOtherCardsInDeckOrder) {
    std::vector<CardMask> masks{0,      (CardMask{1} << 52) - 1, ~CardMask{0}, CardMask{1}, CardMask{1} << 51,
                                0x1FFF, CardMask{0x1FFF} << 39};
    SeededRNG rng(8);
    for (int i = 0; i < 2000; ++i) {
        // From nearly empty to nearly full: every few draws one more card.
        CardMask mask = 0;
        const int cards = static_cast<int>(rng.nextUInt32() % 53);
        for (int c = 0; c < cards; ++c)
            mask |= CardMask{1} << rng.nextIndex(0, 52);
        masks.push_back(mask);
    }
    for (CardMask mask : masks) {
        CardIndices out{};
        const int count = indicesOutside(mask, out);
        const std::vector<int> expected = listedOneByOne(mask);
        ASSERT_EQ(count, static_cast<int>(expected.size())) << std::hex << mask;
        for (int i = 0; i < count; ++i)
            ASSERT_EQ(out[static_cast<std::size_t>(i)], expected[static_cast<std::size_t>(i)])
                << std::hex << mask;
    }
}

}  // namespace
}  // namespace pellox
