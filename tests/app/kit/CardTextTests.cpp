#include <gtest/gtest.h>

#include "TestCards.hpp"
#include "kit/CardText.hpp"
#include "rules/Card.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

TEST(CardText, RedSuitsTakeTheDangerColourAndTheOthersTheText) {
    const Palette& p = Palette::midnight();
    const auto texts = coloredCardTexts(test::cards("Th As Kd 2c"), p);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0], (ColoredText{QStringLiteral("10\u2665"), p.danger}));
    EXPECT_EQ(texts[1], (ColoredText{QStringLiteral("A\u2660"), p.text}));
    EXPECT_EQ(texts[2].color, p.danger);
    EXPECT_EQ(texts[3].color, p.text);
    EXPECT_TRUE(coloredCardTexts({}, p).empty());
}

TEST(CardText, SpokenTextsStandInOrderWithASpaceBetween) {
    const auto texts = coloredCardTexts(test::cards("As Th"), Palette::cardRoom());
    EXPECT_EQ(spokenCardTexts(texts), QStringLiteral("A\u2660 10\u2665"));
    EXPECT_EQ(spokenCardTexts({}), QString());
}

}  // namespace
}  // namespace pellox::app
