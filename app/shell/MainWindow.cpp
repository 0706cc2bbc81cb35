#include "shell/MainWindow.hpp"

#include <QMenuBar>

#include "shell/MacRootView.hpp"
#include "shell/PelloxCommands.hpp"

namespace pellox::app {

MainWindow::MainWindow(MacRootView* rootView, PelloxCommands& commands) : rootView_(rootView) {
    setWindowTitle(QStringLiteral("Pellox Poker"));
    setMinimumSize(minimumWindowSize);
    resize(defaultWindowSize);
    setCentralWidget(rootView_);
    commands.install(menuBar());
}

}  // namespace pellox::app
