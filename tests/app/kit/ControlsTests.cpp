#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "kit/HoverButton.hpp"
#include "kit/SegmentedControl.hpp"
#include "kit/Stepper.hpp"
#include "store/SettingsStore.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

TEST(SegmentedControl, AClickChoosesItsSegmentOnce) {
    AppContext context;
    SegmentedControl control(context, "Filter", {"All", "Won", "Lost", "Misplayed"});
    control.resize(control.sizeHint());
    control.show();
    EXPECT_EQ(control.accessibleName(), "Filter");
    EXPECT_EQ(control.segment(2)->accessibleName(), "Lost");
    QSignalSpy activated(&control, &SegmentedControl::activated);
    QTest::mouseClick(control.segment(2), Qt::LeftButton);
    EXPECT_EQ(control.currentIndex(), 2);
    EXPECT_TRUE(control.segment(2)->isChecked());
    EXPECT_FALSE(control.segment(0)->isChecked());
    QTest::mouseClick(control.segment(2), Qt::LeftButton);
    ASSERT_EQ(activated.count(), 1);
    EXPECT_EQ(activated.at(0).at(0).toInt(), 2);
}

TEST(SegmentedControl, AThemeChangeRecoloursOpenControlsOfBothWindows) {
    SettingsStore settings;
    AppContext mainWindow(&settings);
    AppContext rangesWindow(&settings);
    SegmentedControl first(mainWindow, "Position", {"Early", "Late"});
    SegmentedControl second(rangesWindow, "Situation", {"First in", "Facing a raise"});
    for (SegmentedControl* control : {&first, &second}) {
        control->resize(240, 26);
        control->show();
    }
    auto chosenColour = [](SegmentedControl& control) {
        return control.grab().toImage().pixelColor(control.segment(0)->geometry().topLeft() + QPoint(8, 12));
    };
    EXPECT_EQ(chosenColour(first), Palette::cardRoom().accent);
    settings.tableTheme.set(TableTheme::midnight);
    EXPECT_EQ(chosenColour(first), Palette::midnight().accent);
    EXPECT_EQ(chosenColour(second), Palette::midnight().accent);
}

TEST(SegmentedControl, SettingTheIndexIsNoUserChoice) {
    AppContext context;
    SegmentedControl control(context, "Speed", {"Relaxed", "Normal", "Fast"});
    QSignalSpy activated(&control, &SegmentedControl::activated);
    QSignalSpy changed(&control, &SegmentedControl::currentIndexChanged);
    control.setCurrentIndex(1);
    control.setCurrentIndex(7);
    EXPECT_EQ(control.currentIndex(), 1);
    EXPECT_TRUE(control.segment(1)->isChecked());
    EXPECT_EQ(activated.count(), 0);
    EXPECT_EQ(changed.count(), 1);
}

TEST(Stepper, StepsWithinItsBoundsAndDisablesAtThem) {
    AppContext context;
    Stepper stepper(
        context, [](std::int64_t v) { return QString("Big blind: $%1").arg(v); }, 2, 100, 2);
    stepper.setValue(98);
    EXPECT_EQ(stepper.titleText(), "Big blind: $98");
    QSignalSpy edited(&stepper, &Stepper::valueEdited);
    stepper.incrementButton()->click();
    EXPECT_EQ(stepper.value(), 100);
    EXPECT_FALSE(stepper.incrementButton()->isEnabled());
    stepper.incrementButton()->click();
    EXPECT_EQ(stepper.value(), 100);
    ASSERT_EQ(edited.count(), 1);
    EXPECT_EQ(edited.at(0).at(0).toLongLong(), 100);
    stepper.setValue(4);
    stepper.decrementButton()->click();
    EXPECT_EQ(stepper.value(), 2);
    EXPECT_FALSE(stepper.decrementButton()->isEnabled());
    EXPECT_TRUE(stepper.incrementButton()->isEnabled());
}

TEST(Stepper, AValueOffTheRangeStepsBackInside) {
    AppContext context;
    Stepper stepper(context, nullptr, 100, 10000, 100);
    stepper.setValue(25000);
    EXPECT_FALSE(stepper.canIncrement());
    EXPECT_EQ(stepper.decremented(), 10000);
    stepper.setValue(150);
    EXPECT_EQ(stepper.incremented(), 250);
    EXPECT_EQ(stepper.decremented(), 100);
    stepper.setValue(7);
    EXPECT_EQ(stepper.incremented(), 100);
    EXPECT_EQ(stepper.titleText(), "7");
}

}  // namespace
}  // namespace pellox::app
