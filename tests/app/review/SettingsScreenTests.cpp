#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "AccessibleActions.hpp"
#include "Gallery.hpp"
#include "kit/Fonts.hpp"
#include "kit/HoverButton.hpp"
#include "kit/SegmentedControl.hpp"
#include "kit/Stepper.hpp"
#include "kit/ToggleSwitch.hpp"
#include "review/ReviewTestSupport.hpp"
#include "review/SettingsFormModel.hpp"
#include "review/SettingsLabels.hpp"
#include "review/SettingsScreen.hpp"
#include "store/SettingsStore.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

TEST(SettingsTexts, LabelsOfEveryChoice) {
    EXPECT_EQ(settingsLabel(GuideMode::show), "Show advice");
    EXPECT_EQ(settingsLabel(GuideMode::gradeOnly), "Test yourself");
    EXPECT_EQ(settingsLabel(GuideMode::off), "Off");
    EXPECT_EQ(settingsLabel(TableTheme::cardRoom), "Card Room");
    EXPECT_EQ(settingsLabel(TableTheme::clubGreen), "Club Green");
    EXPECT_EQ(settingsLabel(TableTheme::midnight), "Midnight");
    EXPECT_EQ(settingsLabel(TableTheme::oxblood), "Oxblood");
    EXPECT_EQ(settingsLabel(GameSpeed::relaxed), "Relaxed");
    EXPECT_EQ(settingsLabel(GameSpeed::fast), "Fast");
    EXPECT_EQ(settingsLabel(BotDifficulty::easy), "Easy");
    EXPECT_EQ(settingsLabel(BotDifficulty::hard), "Hard");
    EXPECT_EQ(displayName(Street::preflop), "Preflop");
    EXPECT_EQ(displayName(Street::river), "River");
    EXPECT_EQ(displayName(Street::showdown), "Showdown");
}

struct SettingsRig {
    std::shared_ptr<InMemoryStore> store = std::make_shared<InMemoryStore>();
    SettingsStore settings;
    AppContext context{&settings};
    std::unique_ptr<StatsStore> stats = testing::storeWith(testing::generatedHistory(12));
    std::unique_ptr<SettingsScreen> screen;

    SettingsRig() {
        settings.load(store);
        screen = std::make_unique<SettingsScreen>(context, settings, *stats);
        screen->resize(640, 1200);
        screen->show();
        QApplication::processEvents();
    }

    // The settings as a freshly loaded store reads them from the saved document.
    SettingsStore::Snapshot reloaded() const {
        SettingsStore again;
        again.load(store);
        return again.makeSnapshot();
    }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center()); }
};

TEST(SettingsScreen, EveryControlWritesTheStoreAndSavesAtOnce) {
    SettingsRig rig;
    SettingsScreen& screen = *rig.screen;
    EXPECT_EQ(screen.windowTitle(), "Settings");

    rig.click(screen.guidePicker()->segment(1));
    EXPECT_EQ(rig.settings.guideMode.get(), GuideMode::gradeOnly);
    EXPECT_EQ(rig.reloaded().guideMode, GuideMode::gradeOnly);
    rig.click(screen.guidePicker()->segment(0));

    rig.click(screen.streetToggle(Street::flop));
    EXPECT_FALSE(rig.settings.strategyToggles.get().flop);
    EXPECT_FALSE(rig.reloaded().strategyToggles.flop);

    screen.themePicker()->activated(2);
    EXPECT_EQ(rig.settings.tableTheme.get(), TableTheme::midnight);
    EXPECT_EQ(rig.reloaded().tableTheme, TableTheme::midnight);

    rig.click(screen.fourColorToggle());
    EXPECT_TRUE(rig.reloaded().fourColorDeck);
    rig.click(screen.speedPicker()->segment(2));
    EXPECT_EQ(rig.reloaded().gameSpeed, GameSpeed::fast);
    rig.click(screen.skillPicker()->segment(0));
    EXPECT_EQ(rig.reloaded().botDifficulty, BotDifficulty::easy);
    rig.click(screen.soundToggle());
    EXPECT_FALSE(rig.reloaded().soundEnabled);

    rig.click(screen.bigBlindStepper()->incrementButton());
    EXPECT_EQ(rig.reloaded().cashConfig.bigBlind, 12);
    EXPECT_EQ(rig.reloaded().cashConfig.smallBlind, 6);
    EXPECT_EQ(screen.bigBlindStepper()->titleText(), "Big blind: $12");
    rig.click(screen.buyInStepper()->decrementButton());
    EXPECT_EQ(rig.reloaded().cashConfig.defaultBuyIn, 900);
    EXPECT_EQ(screen.ratioLabel()->text(), "75 big blinds");
    rig.click(screen.tournamentStackStepper()->incrementButton());
    EXPECT_EQ(rig.reloaded().tournamentConfig.startingStack, 2000);

    EXPECT_EQ(rig.reloaded(), rig.settings.makeSnapshot());
}

TEST(SettingsScreen, StreetTogglesFollowTheGuideMode) {
    SettingsRig rig;
    SettingsScreen& screen = *rig.screen;
    rig.click(screen.streetToggle(Street::turn));
    rig.click(screen.guidePicker()->segment(2));
    EXPECT_EQ(screen.guideFooterLabel()->text(), SettingsFormModel::guideFooter(GuideMode::off));
    for (Street s : {Street::preflop, Street::flop, Street::turn, Street::river}) {
        EXPECT_FALSE(screen.streetToggle(s)->isEnabled());
        EXPECT_TRUE(screen.streetToggle(s)->isVisible());
    }
    rig.click(screen.streetToggle(Street::river));
    EXPECT_TRUE(rig.settings.strategyToggles.get().river) << "a disabled toggle cannot be switched";
    rig.click(screen.guidePicker()->segment(0));
    EXPECT_EQ(screen.guideFooterLabel()->text(),
              "Choose which streets show advice before you act. Every decision is still graded.");
    EXPECT_TRUE(screen.streetToggle(Street::river)->isEnabled());
    EXPECT_FALSE(screen.streetToggle(Street::turn)->isChecked()) << "values are kept";
    EXPECT_TRUE(screen.streetToggle(Street::river)->isChecked());
}

TEST(SettingsScreen, SteppersStopAtTheirBounds) {
    SettingsRig rig;
    SettingsScreen& screen = *rig.screen;
    SettingsFormModel::setBigBlind(rig.settings, 2);
    EXPECT_FALSE(screen.bigBlindStepper()->decrementButton()->isEnabled());
    SettingsFormModel::setBigBlind(rig.settings, 100);
    EXPECT_FALSE(screen.bigBlindStepper()->incrementButton()->isEnabled());
    EXPECT_EQ(rig.settings.cashConfig.get().smallBlind, 50);
    SettingsFormModel::setBuyIn(rig.settings, 100);
    EXPECT_EQ(screen.ratioLabel()->text(), "1 big blinds");
}

TEST(SettingsScreen, StoredBigBlindOfZeroShowsNoRatio) {
    SettingsRig rig;
    rig.settings.cashConfig.modify([](CashGameConfig& c) { c.bigBlind = 0; });
    EXPECT_TRUE(rig.screen->ratioLabel()->isHidden());
    rig.click(rig.screen->bigBlindStepper()->incrementButton());
    EXPECT_EQ(rig.settings.cashConfig.get().bigBlind, 2);
    EXPECT_FALSE(rig.screen->ratioLabel()->isHidden());
    EXPECT_EQ(rig.screen->ratioLabel()->text(), "500 big blinds");
}

QAbstractButton* buttonNamed(QMessageBox* box, const QString& text) {
    for (QAbstractButton* button : box->buttons())
        if (button->text() == text) return button;
    return nullptr;
}

TEST(SettingsScreen, RestoreDefaultsAfterConfirmation) {
    SettingsRig rig;
    SettingsScreen& screen = *rig.screen;
    rig.click(screen.guidePicker()->segment(2));
    rig.click(screen.bigBlindStepper()->incrementButton());
    screen.themePicker()->activated(3);
    rig.settings.hasOnboarded.set(true);
    const auto changed = rig.settings.makeSnapshot();
    const auto handsBefore = rig.stats->handHistory().size();

    rig.click(screen.restoreButton());
    ASSERT_TRUE(screen.confirmingDefaultsReset());
    QMessageBox* dialog = screen.restoreDialog();
    EXPECT_EQ(dialog->text(), "Restore all settings to their defaults?");
    EXPECT_EQ(dialog->informativeText(), "Your stats and hand history are not affected.");
    rig.click(buttonNamed(dialog, "Cancel"));
    EXPECT_FALSE(screen.confirmingDefaultsReset());
    EXPECT_EQ(rig.settings.makeSnapshot(), changed);

    rig.click(screen.restoreButton());
    rig.click(buttonNamed(screen.restoreDialog(), "Restore"));
    EXPECT_FALSE(screen.confirmingDefaultsReset());
    EXPECT_EQ(rig.settings.makeSnapshot(), SettingsStore::Snapshot{});
    EXPECT_EQ(rig.reloaded(), SettingsStore::Snapshot{});
    EXPECT_EQ(screen.guidePicker()->currentIndex(), 0);
    EXPECT_EQ(screen.themePicker()->currentText(), "Card Room");
    EXPECT_EQ(screen.bigBlindStepper()->titleText(), "Big blind: $10");
    EXPECT_EQ(screen.buyInStepper()->titleText(), "Buy-in: $1000");
    EXPECT_EQ(screen.ratioLabel()->text(), "100 big blinds");
    EXPECT_EQ(screen.tournamentStackStepper()->titleText(), "Tournament stack: 1500");
    EXPECT_EQ(&rig.context.palette(), &Palette::cardRoom());
    EXPECT_EQ(rig.stats->handHistory().size(), handsBefore);
}

TEST(SettingsScreen, EraseStatsAfterConfirmation) {
    SettingsRig rig;
    SettingsScreen& screen = *rig.screen;
    EXPECT_EQ(screen.handsPlayedLabel()->text(), QString::number(rig.stats->stats().handsPlayed));
    rig.stats->recordSessionStart();
    SeededRNG rng(3);
    const HandRecord hand = samples::realisticHand(1, rng);
    rig.stats->record(samples::outcomeOf(hand), hand);
    EXPECT_EQ(screen.handsPlayedLabel()->text(), "1");
    EXPECT_EQ(screen.decisionsGradedLabel()->text(), QString::number(hand.grades.size()));

    rig.click(screen.eraseButton());
    QMessageBox* dialog = screen.eraseDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->text(), "Erase all training stats and hand history?");
    EXPECT_EQ(dialog->informativeText(), "This cannot be undone.");
    rig.click(buttonNamed(dialog, "Cancel"));
    EXPECT_EQ(screen.handsPlayedLabel()->text(), "1");

    const auto settingsBefore = rig.settings.makeSnapshot();
    rig.click(screen.eraseButton());
    rig.click(buttonNamed(screen.eraseDialog(), "Erase"));
    EXPECT_FALSE(screen.confirmingStatsReset());
    EXPECT_TRUE(rig.stats->handHistory().empty());
    EXPECT_EQ(screen.handsPlayedLabel()->text(), "0");
    EXPECT_EQ(screen.decisionsGradedLabel()->text(), "0");
    EXPECT_EQ(rig.settings.makeSnapshot(), settingsBefore);
}

TEST(SettingsScreen, ThemeChangeRecoloursOtherWindowsContexts) {
    SettingsRig rig;
    AppContext rangesWindow(&rig.settings);
    rig.screen->themePicker()->activated(3);
    EXPECT_EQ(&rangesWindow.palette(), &Palette::oxblood());
    EXPECT_EQ(&rig.context.palette(), &Palette::oxblood());
}

TEST(GalleryReview, SettingsForm) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    SettingsRig rig;
    gallery::shoot("settings", *rig.screen, rig.settings);
    rig.click(rig.screen->guidePicker()->segment(1));
    gallery::shoot("settings-test-yourself", *rig.screen, rig.settings);
    SUCCEED();
}

// What a screen reader's Toggle and Press do reaches the store and the file, as a click does.
TEST(SettingsScreen, EveryRowWritesTheStoreThroughItsAccessibleAction) {
    using testing::operateAccessibly;
    SettingsRig rig;
    SettingsScreen& screen = *rig.screen;
    ASSERT_TRUE(operateAccessibly(screen.guidePicker()->segment(1)));
    EXPECT_EQ(rig.reloaded().guideMode, GuideMode::gradeOnly);
    EXPECT_EQ(screen.guideFooterLabel()->text(), SettingsFormModel::guideFooter(GuideMode::gradeOnly));
    EXPECT_FALSE(screen.streetToggle(Street::flop)->isEnabled()) << "the street switches follow";
    operateAccessibly(screen.guidePicker()->segment(0));
    ASSERT_TRUE(operateAccessibly(screen.streetToggle(Street::flop)));
    EXPECT_FALSE(rig.reloaded().strategyToggles.flop);
    operateAccessibly(screen.fourColorToggle());
    EXPECT_TRUE(rig.reloaded().fourColorDeck);
    operateAccessibly(screen.speedPicker()->segment(2));
    EXPECT_EQ(rig.reloaded().gameSpeed, GameSpeed::fast);
    operateAccessibly(screen.skillPicker()->segment(0));
    EXPECT_EQ(rig.reloaded().botDifficulty, BotDifficulty::easy);
    operateAccessibly(screen.soundToggle());
    EXPECT_FALSE(rig.reloaded().soundEnabled);
    EXPECT_EQ(testing::accessibleText(screen.bigBlindStepper()->incrementButton(), QAccessible::Name),
              "Increase big blind, $10");
    EXPECT_EQ(testing::accessibleText(screen.buyInStepper()->decrementButton(), QAccessible::Name),
              "Decrease buy-in, $1000");
    EXPECT_EQ(testing::accessibleText(screen.tournamentStackStepper()->incrementButton(), QAccessible::Name),
              "Increase tournament stack, 1500");
    operateAccessibly(screen.bigBlindStepper()->incrementButton());
    EXPECT_EQ(rig.reloaded().cashConfig.bigBlind, 12);
    EXPECT_EQ(rig.reloaded(), rig.settings.makeSnapshot());
}

double pixelSizeOfLabel(QMessageBox* box, const char* name) {
    auto* label = box->findChild<QLabel*>(QString::fromLatin1(name));
    return label ? pixelSizeOf(label->font()) : 0;
}

// Each question that wipes something opens on Cancel: Return (or Escape) right after it opened keeps
// everything; the destructive button is drawn in the danger colour, the title bold.
TEST(SettingsScreen, TheEraseAndRestoreQuestionsOpenOnCancelAndReturnTakesTheFocusedButton) {
    SettingsRig rig;
    SettingsScreen& screen = *rig.screen;
    screen.window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen.window()));
    rig.click(screen.guidePicker()->segment(2));
    const auto settingsBefore = rig.settings.makeSnapshot();
    const auto handsBefore = rig.stats->handHistory().size();
    ASSERT_GT(handsBefore, 0u);

    const auto ask = [&](HoverButton* opener, auto dialogOf, const char* action) -> QMessageBox* {
        rig.click(opener);
        QMessageBox* box = (screen.*dialogOf)();
        if (!box) return nullptr;
        // The offscreen platform activates a new window only when asked.
        box->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(box));
        QAbstractButton* cancel = buttonNamed(box, "Cancel");
        QAbstractButton* destructive = buttonNamed(box, action);
        EXPECT_EQ(box->defaultButton(), cancel);
        EXPECT_EQ(box->escapeButton(), cancel);
        QApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), cancel) << "the question opens on Cancel";
        EXPECT_EQ(box->buttonRole(destructive), QMessageBox::DestructiveRole);
        EXPECT_EQ(destructive->palette().color(QPalette::ButtonText), rig.context.palette().danger);
        EXPECT_TRUE(box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->font().bold());
        return box;
    };

    QMessageBox* erase = ask(screen.eraseButton(), &SettingsScreen::eraseDialog, "Erase");
    ASSERT_NE(erase, nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(screen.confirmingStatsReset());
    EXPECT_EQ(rig.stats->handHistory().size(), handsBefore) << "Return cancels";

    QMessageBox* restore = ask(screen.restoreButton(), &SettingsScreen::restoreDialog, "Restore");
    ASSERT_NE(restore, nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(screen.confirmingDefaultsReset());
    EXPECT_EQ(rig.settings.makeSnapshot(), settingsBefore) << "Return cancels";
    EXPECT_EQ(rig.reloaded(), settingsBefore);

    // Tab from Cancel to the action: Return takes the focused button.
    const auto tabToActionAndReturn = [&](QMessageBox* box, const char* action) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), buttonNamed(box, action));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QApplication::processEvents();
    };
    erase = ask(screen.eraseButton(), &SettingsScreen::eraseDialog, "Erase");
    ASSERT_NE(erase, nullptr);
    tabToActionAndReturn(erase, "Erase");
    EXPECT_FALSE(screen.confirmingStatsReset());
    EXPECT_TRUE(rig.stats->handHistory().empty()) << "Return on a focused Erase erases";
    restore = ask(screen.restoreButton(), &SettingsScreen::restoreDialog, "Restore");
    ASSERT_NE(restore, nullptr);
    tabToActionAndReturn(restore, "Restore");
    EXPECT_FALSE(screen.confirmingDefaultsReset());
    EXPECT_EQ(rig.settings.guideMode.get(), GuideMode::show) << "Return on a focused Restore restores";
}

// The questions follow the text size as the screens do.
TEST(SettingsScreen, TheQuestionsFollowTheTextSize) {
    const double before = ScaledFont::textScale();
    std::vector<double> titles;
    std::vector<double> messages;
    for (double scale : {1.0, 2.0}) {
        ScaledFont::setTextScale(scale);
        SettingsRig rig;
        rig.click(rig.screen->eraseButton());
        QMessageBox* box = rig.screen->eraseDialog();
        ASSERT_NE(box, nullptr);
        titles.push_back(pixelSizeOfLabel(box, "qt_msgbox_label"));
        messages.push_back(pixelSizeOfLabel(box, "qt_msgbox_informativelabel"));
        EXPECT_GE(box->sizeHint().width(), box->findChild<QLabel*>("qt_msgbox_label")->sizeHint().width());
        box->reject();
    }
    ScaledFont::setTextScale(before);
    EXPECT_DOUBLE_EQ(titles[1], 2 * titles[0]);
    EXPECT_DOUBLE_EQ(messages[1], 2 * messages[0]);
}

// The theme picker is named "Theme", says its choice, and a screen reader's actions change it, saved at once
// as a pick from its list is; the steppers' buttons carry the value they change.
TEST(SettingsScreen, ThePickerAndTheSteppersSayWhatTheyAreAndWhatTheyHold) {
    SettingsRig rig;
    SettingsScreen& screen = *rig.screen;
    QAccessibleInterface* theme = QAccessible::queryAccessibleInterface(screen.themePicker());
    ASSERT_NE(theme, nullptr);
    EXPECT_EQ(theme->role(), QAccessible::ComboBox);
    EXPECT_EQ(theme->text(QAccessible::Name), "Theme");
    EXPECT_EQ(theme->text(QAccessible::Value), "Card Room");
    EXPECT_EQ(theme->text(QAccessible::Description), "Card Room") << "where the desktop's bus carries text";
    ASSERT_NE(theme->actionInterface(), nullptr);
    const QStringList actions = theme->actionInterface()->actionNames();
    EXPECT_TRUE(actions.contains(QAccessibleActionInterface::increaseAction()));
    EXPECT_FALSE(actions.contains(QAccessibleActionInterface::decreaseAction()))
        << "nothing before the first";
    testing::HeardNotices notices;
    theme->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
    EXPECT_EQ(notices.heard, std::vector<std::string>{"description Theme = Club Green"});
    EXPECT_EQ(rig.settings.tableTheme.get(), TableTheme::clubGreen);
    EXPECT_EQ(rig.reloaded().tableTheme, TableTheme::clubGreen) << "saved at once";
    EXPECT_EQ(theme->text(QAccessible::Value), "Club Green");
    EXPECT_EQ(&rig.context.palette(), &Palette::clubGreen());
    theme->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
    EXPECT_EQ(rig.reloaded().tableTheme, TableTheme::cardRoom);

    rig.settings.cashConfig.modify([](CashGameConfig& c) { c.bigBlind = 14; });
    using testing::accessibleText;
    EXPECT_EQ(accessibleText(screen.bigBlindStepper()->incrementButton(), QAccessible::Name),
              "Increase big blind, $14");
    EXPECT_EQ(accessibleText(screen.buyInStepper()->decrementButton(), QAccessible::Name),
              "Decrease buy-in, $1000");
    EXPECT_EQ(accessibleText(screen.tournamentStackStepper()->incrementButton(), QAccessible::Name),
              "Increase tournament stack, 1500");
    ASSERT_TRUE(testing::operateAccessibly(screen.bigBlindStepper()->incrementButton()));
    EXPECT_EQ(accessibleText(screen.bigBlindStepper()->incrementButton(), QAccessible::Name),
              "Increase big blind, $16");
}

}  // namespace
}  // namespace pellox::app
