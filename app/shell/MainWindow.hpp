#pragma once
#include <QMainWindow>

namespace pellox::app {

class MacRootView;
class PelloxCommands;

// The main window: the root view under the menu bar. Closing it hides it; the application goes on while the
// ranges window is open.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr QSize defaultWindowSize{1280, 820};
    static constexpr QSize minimumWindowSize{1000, 680};

    MainWindow(MacRootView* rootView, PelloxCommands& commands);

    MacRootView* rootView() const noexcept { return rootView_; }

  private:
    MacRootView* rootView_;
};

}  // namespace pellox::app
