#pragma once
#include <QWidget>
#include <optional>

#include "table/StrategyOverlayModel.hpp"

class QHBoxLayout;

namespace pellox {
struct StrategyAdvice;
}

namespace pellox::app {

class AppContext;
class BadgeView;
class EquityBarView;
class TextBlock;

// The guide's advice card beside the decision: headline with its badge, the equity bar, the reason and the
// opponents' reads. Absent advice hides the card, accessibility element included. Read aloud as one element.
class StrategyOverlayView : public QWidget {
    Q_OBJECT
  public:
    explicit StrategyOverlayView(const AppContext& context, QWidget* parent = nullptr);

    void setAdvice(const std::optional<StrategyAdvice>& advice);
    const std::optional<StrategyOverlayModel>& model() const noexcept { return model_; }

    TextBlock* headlineText() const noexcept { return headline_; }
    BadgeView* badge() const noexcept { return badge_; }
    EquityBarView* equityBar() const noexcept { return bar_; }
    TextBlock* reasonText() const noexcept { return reason_; }
    TextBlock* readsText() const noexcept { return reads_; }
    TextBlock* equityText() const noexcept { return equityText_; }
    TextBlock* requiredText() const noexcept { return requiredText_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void build();
    void apply();
    void alignBadge();

    const AppContext& context_;
    std::optional<StrategyOverlayModel> model_;
    TextBlock* headline_;
    QWidget* badgeHolder_;
    BadgeView* badge_;
    QWidget* equityBlock_;
    EquityBarView* bar_;
    TextBlock* equityText_;
    TextBlock* requiredText_;
    TextBlock* reason_;
    TextBlock* reads_;
};

}  // namespace pellox::app
