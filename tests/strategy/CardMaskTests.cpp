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

// Edge masks, then random ones from nearly empty to nearly full.
std::vector<CardMask> someMasks() {
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
    // One or two cards outside, at every pair of places, and two dead cards mirrored across the deck.
    for (int a = 0; a < 52; ++a)
        for (int b = a; b < 52; ++b)
            masks.push_back(((CardMask{1} << 52) - 1) & ~(CardMask{1} << a) & ~(CardMask{1} << b));
    for (int a = 0; a < 52; ++a)
        masks.push_back(CardMask{1} << a | CardMask{1} << (51 - a));
    return masks;
}

TEST(CardMaskTests, LiveCardsReadsTheOtherCardsByPositionInDeckOrder) {
    for (CardMask mask : someMasks()) {
        const std::vector<int> expected = listedOneByOne(mask);
        const LiveCards live(mask);
        ASSERT_EQ(live.count(), static_cast<int>(expected.size())) << std::hex << mask;
        for (std::size_t i = 0; i < expected.size(); ++i)
            ASSERT_EQ(live.at(static_cast<unsigned>(i)), expected[i]) << std::hex << mask << " at " << i;
    }
}

TEST(CardMaskTests, IndicesOutsideListsTheOtherCardsInDeckOrder) {
    for (CardMask mask : someMasks()) {
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
