#pragma once
#include <QDialog>
#include <algorithm>
#include <functional>

#include "kit/Fonts.hpp"

namespace pellox::app {

class AppContext;
class OnboardingScreen;

// The sheet holding the onboarding screen over the main window. Neither Escape nor the window's close
// button closes it: only its presenter does, through finish(), once the user is onboarded, and the
// application when it quits (a window refusing to close would hold the quit back).
class OnboardingSheet : public QDialog {
    Q_OBJECT
  public:
    OnboardingSheet(AppContext& context, std::function<void()> onDone, QWidget* parent);
    // The sheet's window title, also its accessible name.
    static QString title();

    OnboardingScreen* screen() const noexcept { return screen_; }
    void finish();

    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fitWithin(QSize room);

    OnboardingScreen* screen_;
    double textScale_ = std::max(1.0, ScaledFont::textScale());  // the one its fonts were built with
    bool finishing_ = false;
    bool quitting_ = false;
};

}  // namespace pellox::app
