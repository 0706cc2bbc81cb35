// The pre-action panel's header, options and toggling.
#include <gtest/gtest.h>

#include "table/PreActionPanelModel.hpp"

namespace pellox::app {
namespace {

TEST(PreActionPanelModel, NothingArmedReadsActAheadInTheMutedColour) {
    const PreActionPanelModel panel{};
    EXPECT_EQ(panel.header(), "ACT AHEAD");
    EXPECT_EQ(panel.headerColor(), &Palette::textMuted);
    const auto options = panel.options();
    EXPECT_EQ(options[0].label, "Check");
    EXPECT_EQ(options[1].label, "Check / Fold");
    EXPECT_EQ(options[2].label, "Call Any");
    for (const auto& o : options) {
        EXPECT_FALSE(o.selected);
        EXPECT_EQ(o.accessibilityHint, "Takes this action automatically when it is your turn.");
    }
}

TEST(PreActionPanelModel, ArmingReplacingAndDisarming) {
    PreActionPanelModel panel{};
    panel.selected = panel.toggled(PreAction::checkFold);
    EXPECT_EQ(panel.selected, PreAction::checkFold);
    EXPECT_EQ(panel.header(), "WILL CHECK / FOLD");
    EXPECT_EQ(panel.headerColor(), &Palette::accent);
    EXPECT_TRUE(panel.options()[1].selected);
    EXPECT_EQ(panel.options()[1].accessibilityHint, "Selected. Click to cancel.");

    panel.selected = panel.toggled(PreAction::callAny);
    EXPECT_EQ(panel.selected, PreAction::callAny);
    EXPECT_EQ(panel.header(), "WILL CALL ANY");
    EXPECT_FALSE(panel.options()[1].selected);

    panel.selected = panel.toggled(PreAction::callAny);
    EXPECT_FALSE(panel.selected);
    EXPECT_EQ(panel.header(), "ACT AHEAD");
}

}  // namespace
}  // namespace pellox::app
