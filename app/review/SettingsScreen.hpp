#pragma once
#include <QString>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

#include "store/Observed.hpp"
#include "store/SettingsRange.hpp"

class QComboBox;
class QLabel;
class QMessageBox;
class QAbstractButton;

namespace pellox {
class SettingsStore;
class StatsStore;
enum class Street;
enum class GuideMode;
}  // namespace pellox

namespace pellox::app {

class AppContext;
class SegmentedControl;
class Stepper;
class ToggleSwitch;
class HoverButton;

// The settings form: every change goes into the settings store and is saved at once. Also shows two
// lifetime counts and offers, each behind a confirmation, to erase the statistics with the history and to
// restore the default settings.
class SettingsScreen : public QWidget {
    Q_OBJECT
  public:
    using StepperRange = SettingsRange;
    static constexpr StepperRange bigBlindRange = SettingsRange::bigBlind;
    static constexpr StepperRange buyInRange = SettingsRange::buyIn;
    static constexpr StepperRange tournamentStackRange = SettingsRange::tournamentStack;

    SettingsScreen(AppContext& context, SettingsStore& settings, StatsStore& stats,
                   QWidget* parent = nullptr);
    ~SettingsScreen() override;

    // The footer of the guide's section for a mode.
    static QString guideFooter(GuideMode mode);
    static bool streetToggleValue(const SettingsStore& settings, Street street);
    // Saves through the store's own toggle write.
    static void setStreetToggle(SettingsStore& settings, Street street, bool enabled);
    // The big blind with half of it (at least 1) as the small blind, then saved.
    static void setBigBlind(SettingsStore& settings, std::int64_t bigBlind);
    static void setBuyIn(SettingsStore& settings, std::int64_t buyIn);
    static void setTournamentStack(SettingsStore& settings, std::int64_t startingStack);
    static QString bigBlindTitle(std::int64_t bigBlind);
    static QString buyInTitle(std::int64_t buyIn);
    static QString tournamentStackTitle(std::int64_t startingStack);
    // "<n> big blinds" with the buy-in divided by the big blind, truncated; none without a positive big
    // blind.
    static std::optional<QString> bigBlindRatioText(std::int64_t buyIn, std::int64_t bigBlind);

    bool confirmingStatsReset() const noexcept { return eraseDialog_ != nullptr; }
    bool confirmingDefaultsReset() const noexcept { return restoreDialog_ != nullptr; }
    // The open confirmation, if any (the tests answer it).
    QMessageBox* eraseDialog() const noexcept { return eraseDialog_; }
    QMessageBox* restoreDialog() const noexcept { return restoreDialog_; }

    SegmentedControl* guidePicker() const noexcept { return guidePicker_; }
    ToggleSwitch* streetToggle(Street street) const;
    QLabel* guideFooterLabel() const noexcept { return guideFooter_; }
    QComboBox* themePicker() const noexcept { return themePicker_; }
    ToggleSwitch* fourColorToggle() const noexcept { return fourColor_; }
    SegmentedControl* speedPicker() const noexcept { return speedPicker_; }
    SegmentedControl* skillPicker() const noexcept { return skillPicker_; }
    ToggleSwitch* soundToggle() const noexcept { return sound_; }
    Stepper* bigBlindStepper() const noexcept { return bigBlind_; }
    Stepper* buyInStepper() const noexcept { return buyIn_; }
    QLabel* ratioLabel() const noexcept { return ratio_; }
    Stepper* tournamentStackStepper() const noexcept { return tournamentStack_; }
    QLabel* handsPlayedLabel() const noexcept { return handsPlayed_; }
    QLabel* decisionsGradedLabel() const noexcept { return decisionsGraded_; }
    HoverButton* eraseButton() const noexcept { return erase_; }
    HoverButton* restoreButton() const noexcept { return restore_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QWidget* buildGuideSection();
    QWidget* buildTableSection();
    QWidget* buildPlaySection();
    QWidget* buildStakesSection();
    QWidget* buildDataSection();
    void askToErase();
    void askToRestore();
    void refresh();
    void recolor();

    AppContext& context_;
    SettingsStore& settings_;
    StatsStore& stats_;
    SegmentedControl* guidePicker_ = nullptr;
    std::vector<ToggleSwitch*> streetToggles_;
    QLabel* guideFooter_ = nullptr;
    QComboBox* themePicker_ = nullptr;
    ToggleSwitch* fourColor_ = nullptr;
    SegmentedControl* speedPicker_ = nullptr;
    SegmentedControl* skillPicker_ = nullptr;
    ToggleSwitch* sound_ = nullptr;
    Stepper* bigBlind_ = nullptr;
    Stepper* buyIn_ = nullptr;
    QLabel* ratio_ = nullptr;
    Stepper* tournamentStack_ = nullptr;
    QLabel* handsPlayed_ = nullptr;
    QLabel* decisionsGraded_ = nullptr;
    HoverButton* erase_ = nullptr;
    HoverButton* restore_ = nullptr;
    QMessageBox* eraseDialog_ = nullptr;
    QMessageBox* restoreDialog_ = nullptr;
    Subscription settingsSubscription_;
    Subscription statsSubscription_;
};

}  // namespace pellox::app
