#pragma once
#include <functional>

#include "kit/HeldSheet.hpp"

namespace pellox {
struct SessionSummary;
enum class GameMode;
enum class GuideMode;
}  // namespace pellox

namespace pellox::app {

class AppContext;
class SessionSummaryView;

// The summary as a held sheet: only the view's two actions lead on, and the presenting screen takes the sheet
// down with dismiss().
class SessionSummarySheet : public HeldSheet {
    Q_OBJECT
  public:
    SessionSummarySheet(const AppContext& context, const SessionSummary& summary, GameMode mode,
                        GuideMode guide, std::function<void()> onPlayAgain, std::function<void()> onMainMenu,
                        QWidget* parent = nullptr);

    SessionSummaryView* view() const noexcept { return view_; }
    void dismiss();

  private:
    SessionSummaryView* view_;
};

}  // namespace pellox::app
