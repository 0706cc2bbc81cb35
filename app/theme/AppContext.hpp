#pragma once
#include <QObject>

#include "store/Observed.hpp"

namespace pellox {
class SettingsStore;
}

namespace pellox::app {

class Feedback;
struct Palette;

// What every view of a window reads from its surroundings: the live palette of the chosen theme, the
// optional sound player and the reduce-motion flag. One per window; views never keep a copy of the palette.
class AppContext : public QObject {
    Q_OBJECT
  public:
    // Without settings the palette stays the default (card room); without feedback the views are silent.
    explicit AppContext(SettingsStore* settings = nullptr, Feedback* feedback = nullptr,
                        QObject* parent = nullptr);
    ~AppContext() override;

    const Palette& palette() const;
    Feedback* feedback() const noexcept { return feedback_; }
    SettingsStore* settings() const noexcept { return settings_; }

    // Linux has no system setting for it: PELLOX_REDUCE_MOTION=1 turns it on; tests turn it on.
    bool reduceMotion() const noexcept { return reduceMotion_; }
    void setReduceMotion(bool on) noexcept { reduceMotion_ = on; }
    static bool reduceMotionFromEnvironment();

  signals:
    void paletteChanged();

  private:
    SettingsStore* settings_;
    Feedback* feedback_;
    bool reduceMotion_;
    Subscription themeSubscription_;
};

}  // namespace pellox::app
