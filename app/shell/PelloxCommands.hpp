#pragma once
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QMenuBar;
class QWidget;

namespace pellox::app {

class MacNavigation;

// The menu commands: File with "Settings..." and Quit, Table with "Preflop Ranges", Help with the keys'
// reminder. There is no item for a new window. The shortcuts work in either window.
class PelloxCommands : public QObject {
    Q_OBJECT
  public:
    static QString helpText();

    PelloxCommands(MacNavigation& navigation, std::function<void()> openWindow, QObject* parent = nullptr);

    // Fills the menu bar of the main window.
    void install(QMenuBar* menuBar);
    // The actions with shortcuts, for windows and dialogs without the menu bar.
    QList<QAction*> shortcutActions() const { return {settings_, quit_, ranges_}; }

    // "Settings...": asks the main window for its Settings section.
    void showSettings();
    // "Preflop Ranges": opens the ranges window, or brings it to the front.
    void openRanges();

    QAction* settingsAction() const noexcept { return settings_; }
    QAction* quitAction() const noexcept { return quit_; }
    QAction* rangesAction() const noexcept { return ranges_; }

  private:
    MacNavigation& navigation_;
    std::function<void()> openWindow_;
    QAction* settings_;
    QAction* quit_;
    QAction* ranges_;
    QAction* help_;
};

}  // namespace pellox::app
