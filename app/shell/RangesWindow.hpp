#pragma once
#include <QWidget>

namespace pellox {
class SettingsStore;
}

namespace pellox::app {

class AppContext;
class RangeChartScreen;

// The single "Preflop Ranges" window: the range chart in the theme's colours, without a sound player.
// Closing it hides it; opening it again shows the same window.
class RangesWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr QSize defaultWindowSize{620, 720};
    static constexpr QSize minimumWindowSize{560, 620};

    explicit RangesWindow(SettingsStore& settings);
    ~RangesWindow() override;

    AppContext& context() const noexcept { return *context_; }
    RangeChartScreen* screen() const noexcept { return screen_; }

    // Shows the window, or brings it to the front when it is open.
    void open();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    AppContext* context_;
    RangeChartScreen* screen_;
};

}  // namespace pellox::app
