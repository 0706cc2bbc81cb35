#pragma once
#include <QDialog>

namespace pellox::app {

// A window-modal sheet the user cannot dismiss: Escape and the window's close button do nothing until its
// owner releases it. It gives way while the application quits (a window refusing to close would hold the
// quit back). It keeps within the window it stands over, following that window as it is resized.
class HeldSheet : public QDialog {
    Q_OBJECT
  public:
    explicit HeldSheet(QWidget* parent);

    // From now on Escape and Close close the sheet as they close any dialog.
    void release() noexcept { released_ = true; }
    bool isHeld() const noexcept { return !released_ && !quitting_; }

    void reject() override;

  protected:
    // The size the sheet asks for and the least it accepts, each bounded by the parent window's size.
    void fitWithinWindow(QSize ideal, QSize minimum = QSize());
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fitWithin(QSize room);

    QSize ideal_;
    QSize minimum_;
    bool released_ = false;
    bool quitting_ = false;
};

}  // namespace pellox::app
