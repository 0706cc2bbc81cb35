#pragma once
#include <QList>
#include <QObject>

class QAction;

namespace pellox::app {

// What the shell does for every dialog and sheet of its windows, whoever opens it: the menu commands'
// shortcuts work from it (a window-modal dialog blocks its window, menu bar included), and when it closes,
// keyboard focus goes back to the screen that opened it, so that screen's keys work without a click.
class DialogSupport : public QObject {
    Q_OBJECT
  public:
    // Watches the whole application until it is destroyed.
    explicit DialogSupport(QList<QAction*> commands, QObject* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QList<QAction*> commands_;
};

}  // namespace pellox::app
