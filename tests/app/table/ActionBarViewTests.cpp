// Clicking through the action bar and the pre-action panel.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QSlider>
#include <QTest>

#include "kit/HoverButton.hpp"
#include "rules/PlayerAction.hpp"
#include "session/PreAction.hpp"
#include "table/ActionBarView.hpp"
#include "table/PreActionPanelView.hpp"
#include "theme/AppContext.hpp"

namespace pellox::app {
namespace {

HoverButton* buttonNamed(QWidget& parent, const QString& name) {
    for (auto* b : parent.findChildren<HoverButton*>())
        if (b->isVisibleTo(&parent) && b->accessibleName() == name) return b;
    for (auto* b : parent.findChildren<HoverButton*>())
        if (b->isVisibleTo(&parent) && b->text() == name) return b;
    return nullptr;
}

std::vector<QString> visibleMainButtons(ActionBarView& bar) {
    std::vector<QString> out;
    for (auto* b : bar.findChildren<HoverButton*>())
        if (b->isVisibleTo(&bar) && b->height() == ActionBarView::buttonHeight) out.push_back(b->text());
    return out;
}

LegalActions facingBet() {
    LegalActions l;
    l.canFold = true;
    l.canCall = true;
    l.callAmount = 20;
    l.canRaise = true;
    l.minRaiseTo = 40;
    l.maxRaiseTo = 990;
    l.canAllIn = true;
    l.allInAmount = 990;
    return l;
}

struct BarRig {
    AppContext context;
    std::vector<PlayerAction> sent;
    ActionBarView bar{context, [this](const PlayerAction& a) { sent.push_back(a); }};
    BarRig() {
        bar.resize(300, 200);
        bar.show();
    }
};

TEST(ActionBarView, ButtonsSendTheirActionsAndPresetsChooseTheAmount) {
    BarRig r;
    r.bar.setLegal(facingBet(), 70);
    EXPECT_EQ(visibleMainButtons(r.bar), (std::vector<QString>{"Fold", "Call $20", "Raise $40"}));
    QTest::mouseClick(buttonNamed(r.bar, "Call $20"), Qt::LeftButton);
    QTest::mouseClick(buttonNamed(r.bar, "Set raise to Pot, $70"), Qt::LeftButton);
    EXPECT_EQ(r.bar.raiseTo(), 70);
    QTest::mouseClick(buttonNamed(r.bar, "Raise $70"), Qt::LeftButton);
    QTest::mouseClick(buttonNamed(r.bar, "Set raise to All-in, $990"), Qt::LeftButton);
    QTest::mouseClick(buttonNamed(r.bar, "All-in $990"), Qt::LeftButton);
    QTest::mouseClick(buttonNamed(r.bar, "Fold"), Qt::LeftButton);
    ASSERT_EQ(r.sent.size(), 4u);
    EXPECT_EQ(r.sent[0], (PlayerAction{PlayerActionType::call, 20}));
    EXPECT_EQ(r.sent[1], (PlayerAction{PlayerActionType::raise, 70}));
    EXPECT_EQ(r.sent[2], (PlayerAction{PlayerActionType::raise, 990}));
    EXPECT_EQ(r.sent[3], (PlayerAction{PlayerActionType::fold, std::nullopt}));
}

TEST(ActionBarView, TheSliderRoundsToTheChipStepAndTheLabelShowsWhatWillBeApplied) {
    BarRig r;
    LegalActions l = facingBet();
    l.minRaiseTo = 12;
    r.bar.setLegal(l, 30);
    auto* slider = r.bar.findChild<QSlider*>();
    ASSERT_TRUE(slider);
    EXPECT_EQ(slider->accessibleName(), "Raise amount");
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(slider);
    slider->setValue(12);
    slider->setValue(13);
    EXPECT_EQ(r.bar.raiseTo(), 15);
    slider->setValue(12);
    EXPECT_EQ(r.bar.raiseTo(), 10);
    ASSERT_TRUE(buttonNamed(r.bar, "Raise $12"));
    EXPECT_EQ(spoken->text(QAccessible::Value), "$12");
    EXPECT_EQ(spoken->role(), QAccessible::Slider);
    QTest::mouseClick(buttonNamed(r.bar, "Raise $12"), Qt::LeftButton);
    EXPECT_EQ(r.sent.back(), (PlayerAction{PlayerActionType::raise, 12}));
    slider->setValue(333);
    EXPECT_EQ(r.bar.raiseTo(), 335);

    // New legal actions snap the amount back to their minimum.
    l.minRaiseTo = 60;
    r.bar.setLegal(l, 30);
    EXPECT_EQ(r.bar.raiseTo(), 60);
    // The same legal actions again keep the amount.
    slider->setValue(100);
    r.bar.setLegal(l, 45);
    EXPECT_EQ(r.bar.raiseTo(), 100);
}

// The bar stays between turns: a new decision with the same legal actions opens at the minimum all the
// same, while a refresh of the same decision keeps the chosen amount.
TEST(ActionBarView, EachNewDecisionOpensAtTheMinimum) {
    BarRig r;
    const ActionBarView::Decision first{0, 4, Street::flop, 20};
    r.bar.setLegal(facingBet(), 70, first);
    QTest::mouseClick(buttonNamed(r.bar, "Set raise to All-in, $990"), Qt::LeftButton);
    ASSERT_TRUE(buttonNamed(r.bar, "All-in $990"));
    r.bar.setLegal(facingBet(), 90, first);
    EXPECT_EQ(r.bar.raiseTo(), 990);

    for (const ActionBarView::Decision next :
         {ActionBarView::Decision{1, 4, Street::flop, 20}, ActionBarView::Decision{0, 5, Street::flop, 20},
          ActionBarView::Decision{0, 4, Street::turn, 20}, ActionBarView::Decision{0, 4, Street::flop, 60}}) {
        r.bar.setLegal(facingBet(), 70, first);
        QTest::mouseClick(buttonNamed(r.bar, "Set raise to All-in, $990"), Qt::LeftButton);
        r.bar.setLegal(facingBet(), 70, next);
        EXPECT_EQ(r.bar.raiseTo(), 40);
        EXPECT_TRUE(buttonNamed(r.bar, "Raise $40"));
        EXPECT_FALSE(buttonNamed(r.bar, "All-in $990"));
    }
}

TEST(ActionBarView, NoRaiseSectionWithoutABetOrRaise) {
    BarRig r;
    LegalActions l;
    l.canCheck = true;
    l.canAllIn = true;
    r.bar.setLegal(l, 10);
    EXPECT_EQ(visibleMainButtons(r.bar), std::vector<QString>{"Check"});
    EXPECT_FALSE(r.bar.findChild<QSlider*>()->isVisibleTo(&r.bar));
}

TEST(PreActionPanelView, PressesAreReportedAndOnlyTheOwnerChangesTheSelection) {
    AppContext context;
    std::vector<std::optional<PreAction>> chosen;
    PreActionPanelView* panel = nullptr;
    PreActionPanelView view(context, [&](std::optional<PreAction> p) { chosen.push_back(p); });
    panel = &view;
    view.resize(300, 60);
    view.show();
    QTest::mouseClick(buttonNamed(*panel, "Check / Fold"), Qt::LeftButton);
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_EQ(chosen[0], PreAction::checkFold);
    // Not stored by the owner yet: nothing shows as armed.
    EXPECT_FALSE(buttonNamed(*panel, "Check / Fold")->isChecked());
    view.setSelected(PreAction::checkFold);
    EXPECT_TRUE(buttonNamed(*panel, "Check / Fold")->isChecked());
    EXPECT_EQ(buttonNamed(*panel, "Check / Fold")->accessibleDescription(), "Selected. Click to cancel.");
    QTest::mouseClick(buttonNamed(*panel, "Call Any"), Qt::LeftButton);
    EXPECT_EQ(chosen.back(), PreAction::callAny);
    view.setSelected(PreAction::callAny);
    QTest::mouseClick(buttonNamed(*panel, "Call Any"), Qt::LeftButton);
    EXPECT_EQ(chosen.back(), std::nullopt);
    EXPECT_TRUE(buttonNamed(*panel, "Call Any")->isChecked());
}

}  // namespace
}  // namespace pellox::app
