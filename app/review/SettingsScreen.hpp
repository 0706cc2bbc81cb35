#pragma once
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "store/Observed.hpp"

class QComboBox;
class QLabel;
class QMessageBox;
class QAbstractButton;

namespace pellox {
class SettingsStore;
class StatsStore;
enum class Street;
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
    SettingsScreen(AppContext& context, SettingsStore& settings, StatsStore& stats,
                   QWidget* parent = nullptr);
    ~SettingsScreen() override;

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
    // One per control bound to a single setting: shows that setting's current value.
    std::vector<std::function<void()>> refreshers_;
    Subscription settingsSubscription_;
    Subscription statsSubscription_;
};

}  // namespace pellox::app
