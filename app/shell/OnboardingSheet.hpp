#pragma once
#include <functional>

#include "kit/HeldSheet.hpp"

namespace pellox::app {

class AppContext;
class OnboardingScreen;

// The held sheet holding the onboarding screen over the main window: only its presenter closes it, through
// finish(), once the user is onboarded.
class OnboardingSheet : public HeldSheet {
    Q_OBJECT
  public:
    OnboardingSheet(AppContext& context, std::function<void()> onDone, QWidget* parent);
    // The sheet's window title, also its accessible name.
    static QString title();

    OnboardingScreen* screen() const noexcept { return screen_; }
    void finish();

  private:
    OnboardingScreen* screen_;
};

}  // namespace pellox::app
