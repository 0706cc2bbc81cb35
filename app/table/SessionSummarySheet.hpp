#pragma once
#include <QDialog>
#include <functional>

namespace pellox {
struct SessionSummary;
enum class GameMode;
}  // namespace pellox

namespace pellox::app {

class AppContext;
class SessionSummaryView;

// The summary as a window-modal sheet that the user cannot dismiss: Escape and the window's close button do
// nothing, only the view's two actions lead on, and the presenting screen takes the sheet down with
// dismiss(). It gives way only while the application quits (a window refusing to close would hold the quit
// back).
class SessionSummarySheet : public QDialog {
    Q_OBJECT
  public:
    SessionSummarySheet(const AppContext& context, const SessionSummary& summary, GameMode mode,
                        std::function<void()> onPlayAgain, std::function<void()> onMainMenu,
                        QWidget* parent = nullptr);

    SessionSummaryView* view() const noexcept { return view_; }
    void dismiss();

  public slots:
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    SessionSummaryView* view_;
    bool quitting_ = false;
};

}  // namespace pellox::app
