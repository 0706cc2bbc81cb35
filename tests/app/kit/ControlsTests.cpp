#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QVBoxLayout>

#include "AccessibleActions.hpp"
#include "kit/HoverButton.hpp"
#include "kit/SegmentedControl.hpp"
#include "kit/SliderValueText.hpp"
#include "kit/Stepper.hpp"
#include "kit/ToggleSwitch.hpp"
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

namespace pellox::app {
namespace {

using testing::accessibleOf;
using testing::accessibleText;
using testing::operateAccessibly;

// A window holding one control, shown and active, so keys and focus behave as in the application.
template <typename Control>
struct Shown {
    QWidget window;
    Control* control;

    template <typename... Args>
    explicit Shown(Args&&... args) : control(new Control(std::forward<Args>(args)..., &window)) {
        window.resize(320, 80);
        control->resize(control->sizeHint().expandedTo(QSize(120, 26)));
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

TEST(KitControls, AScreenReadersActionDoesWhatAClickDoes) {
    AppContext context;
    Shown<HoverButton> plain(context, QStringLiteral("Play again"));
    QSignalSpy plainClicks(plain.control, &QAbstractButton::clicked);
    EXPECT_EQ(accessibleText(plain.control, QAccessible::Name), "Play again");
    ASSERT_TRUE(operateAccessibly(plain.control));
    EXPECT_EQ(plainClicks.count(), 1) << "at once, not after Qt's animated click";

    Shown<HoverButton> option(context, QStringLiteral("Call Any"));
    option.control->setCheckable(true);
    QSignalSpy optionClicks(option.control, &QAbstractButton::clicked);
    EXPECT_TRUE(accessibleOf(option.control)
                    ->actionInterface()
                    ->actionNames()
                    .contains(QAccessibleActionInterface::toggleAction()));
    ASSERT_TRUE(operateAccessibly(option.control));
    EXPECT_EQ(optionClicks.count(), 1) << "a toggle is a click, so the owner hears it";
    EXPECT_TRUE(accessibleOf(option.control)->state().checked);

    Shown<ToggleSwitch> sound(context, QStringLiteral("Sound"));
    QSignalSpy soundClicks(sound.control, &QAbstractButton::clicked);
    EXPECT_EQ(accessibleOf(sound.control)->role(), QAccessible::CheckBox);
    ASSERT_TRUE(operateAccessibly(sound.control));
    ASSERT_EQ(soundClicks.count(), 1);
    EXPECT_TRUE(soundClicks.at(0).at(0).toBool());

    Shown<SegmentedControl> picker(context, QStringLiteral("Guide"),
                                   QStringList{"Show advice", "Test yourself", "Off"});
    QSignalSpy chosen(picker.control, &SegmentedControl::activated);
    EXPECT_EQ(accessibleOf(picker.control->segment(2))->role(), QAccessible::RadioButton);
    ASSERT_TRUE(operateAccessibly(picker.control->segment(2)));
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 2);
    EXPECT_EQ(picker.control->currentIndex(), 2);
    operateAccessibly(picker.control->segment(2));
    EXPECT_EQ(chosen.count(), 1) << "choosing the chosen segment again is no new choice";
    EXPECT_TRUE(picker.control->segment(2)->isChecked());

    plain.control->setEnabled(false);
    EXPECT_FALSE(operateAccessibly(plain.control));
    EXPECT_EQ(plainClicks.count(), 1);
}

TEST(KitControls, SpaceAndReturnPressAFocusedControlAndArrowsMoveAPicker) {
    AppContext context;
    Shown<HoverButton> button(context, QStringLiteral("Main menu"));
    QSignalSpy clicks(button.control, &QAbstractButton::clicked);
    EXPECT_EQ(button.control->focusPolicy(), Qt::TabFocus);
    button.control->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button.control, Qt::Key_Space);
    QTest::keyClick(button.control, Qt::Key_Return);
    QTest::keyClick(button.control, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(button.control, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(clicks.count(), 3);

    Shown<ToggleSwitch> toggle(context, QStringLiteral("Four-colour deck"));
    QSignalSpy switched(toggle.control, &QAbstractButton::clicked);
    toggle.control->setFocus(Qt::TabFocusReason);
    QTest::keyClick(toggle.control, Qt::Key_Return);
    EXPECT_TRUE(toggle.control->isChecked());
    ASSERT_EQ(switched.count(), 1);

    Shown<SegmentedControl> picker(context, QStringLiteral("Speed"),
                                   QStringList{"Relaxed", "Normal", "Fast"});
    picker.control->resize(picker.control->sizeHint());
    QSignalSpy chosen(picker.control, &SegmentedControl::activated);
    picker.control->segment(0)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(picker.control->segment(0), Qt::Key_Right);
    EXPECT_EQ(picker.control->currentIndex(), 1);
    EXPECT_TRUE(picker.control->segment(1)->hasFocus());
    QTest::keyClick(picker.control->segment(1), Qt::Key_Return);
    ASSERT_EQ(chosen.count(), 1) << "Return on the chosen segment chooses nothing new";
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 1);
}

// A picker is one stop, at its chosen segment (arrows move within it), as a group of radio buttons is.
TEST(KitControls, TabReachesEveryControlInTurn) {
    AppContext context;
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* button = new HoverButton(context, QStringLiteral("Min"));
    auto* picker = new SegmentedControl(context, QStringLiteral("Filter"), {"All", "Won"});
    auto* toggle = new ToggleSwitch(context, QStringLiteral("Sound"));
    auto* stepper = new Stepper(context, nullptr, 0, 10, 1);
    stepper->setValue(5);
    for (QWidget* w : std::initializer_list<QWidget*>{button, picker, toggle, stepper})
        layout->addWidget(w);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    button->setFocus(Qt::TabFocusReason);
    std::vector<QWidget*> visited{QApplication::focusWidget()};
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget());
    }
    const std::vector<QWidget*> expected{
        button, picker->segment(0), toggle, stepper->decrementButton(), stepper->incrementButton(), button};
    EXPECT_EQ(visited, expected);
}

TEST(KitControls, AFocusedButtonShowsARingInItsTextColour) {
    AppContext context;
    Shown<HoverButton> button(context, QStringLiteral("Next"));
    button.control->setFill(Qt::darkGreen);
    button.control->setTextColor(Qt::yellow);
    button.control->resize(120, 34);
    const QPoint nearTheEdge(60, 2);
    button.control->clearFocus();
    const QColor unfocused = button.control->grab().toImage().pixelColor(nearTheEdge);
    EXPECT_LT(unfocused.red(), 60) << "the fill, green";
    button.control->setFocus(Qt::TabFocusReason);
    const QColor focused = button.control->grab().toImage().pixelColor(nearTheEdge);
    EXPECT_GT(focused.red(), 200) << "the ring, yellow";
    EXPECT_GT(focused.green(), 200);
    EXPECT_LT(focused.blue(), 60);
}

TEST(KitControls, StepperButtonsSayWhatTheyChange) {
    AppContext context;
    Stepper stepper(context, nullptr, 2, 100, 2);
    EXPECT_EQ(accessibleText(stepper.incrementButton(), QAccessible::Name), "Increment");
    stepper.setSubject(QStringLiteral("big blind"));
    stepper.setValue(10);
    EXPECT_EQ(accessibleText(stepper.incrementButton(), QAccessible::Name), "Increase big blind, 10");
    EXPECT_EQ(accessibleText(stepper.decrementButton(), QAccessible::Name), "Decrease big blind, 10");
    QSignalSpy edited(&stepper, &Stepper::valueEdited);
    ASSERT_TRUE(operateAccessibly(stepper.decrementButton()));
    ASSERT_EQ(edited.count(), 1);
    EXPECT_EQ(edited.at(0).at(0).toLongLong(), 8);
    EXPECT_EQ(accessibleText(stepper.decrementButton(), QAccessible::Name), "Decrease big blind, 8")
        << "the buttons carry the value they change";
    stepper.setSubject(QStringLiteral("big blind"),
                       [](std::int64_t v) { return QStringLiteral("$%1").arg(v); });
    stepper.setValue(14);
    EXPECT_EQ(accessibleText(stepper.incrementButton(), QAccessible::Name), "Increase big blind, $14");
}

TEST(KitControls, ASliderIsSetThroughItsValueInterfaceAndSpeaksItsText) {
    QSlider slider(Qt::Horizontal);
    setAccessibleValueText(&slider, QStringLiteral("Step 1 of 6"));
    slider.setRange(0, 5);
    QSignalSpy moved(&slider, &QSlider::valueChanged);
    QAccessibleValueInterface* value = accessibleOf(&slider)->valueInterface();
    ASSERT_NE(value, nullptr);
    value->setCurrentValue(3);
    EXPECT_EQ(slider.value(), 3);
    ASSERT_EQ(moved.count(), 1);
    setAccessibleValueText(&slider, QStringLiteral("Step 4 of 6"));
    EXPECT_EQ(accessibleText(&slider, QAccessible::Value), "Step 4 of 6");
    EXPECT_EQ(accessibleText(&slider, QAccessible::Description), "Step 4 of 6")
        << "the text also travels where the desktop's bus carries text";
    slider.setAccessibleDescription(QStringLiteral("Drag to replay"));
    EXPECT_EQ(accessibleText(&slider, QAccessible::Description), "Drag to replay");
    EXPECT_EQ(value->currentValue().toInt(), 3);
}

}  // namespace
}  // namespace pellox::app
