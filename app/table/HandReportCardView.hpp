#pragma once
#include <QWidget>

#include "table/HandReportCardModel.hpp"

namespace pellox {
struct HandReport;
}

namespace pellox::app {

class AnimatedNumber;
class AppContext;
class BadgeView;
class TextBlock;

// The card that closes a hand: how it ended and the net result, the letter grade of the human's decisions,
// the first decision against the guide with its reason. The whole card takes one click (clicked()).
class HandReportCardView : public QWidget {
    Q_OBJECT
  public:
    explicit HandReportCardView(const AppContext& context, QWidget* parent = nullptr);

    void setReport(const HandReport& report, bool guideEnabled, bool showsContinueHint);
    const HandReportCardModel& model() const noexcept { return model_; }

    TextBlock* resultText() const noexcept { return result_; }
    TextBlock* netText() const noexcept { return net_; }
    BadgeView* gradeBadge() const noexcept { return grade_; }
    TextBlock* gradeText() const noexcept { return gradeText_; }
    TextBlock* misstepText() const noexcept { return misstep_; }
    TextBlock* hintText() const noexcept { return hint_; }

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void build();
    void apply();
    void showNet();

    const AppContext& context_;
    HandReportCardModel model_;
    TextBlock* result_;
    TextBlock* net_;
    // The net result as it counts to a new report's while the card is on screen.
    AnimatedNumber* netCount_;
    bool hasReport_ = false;
    QWidget* gradeRow_;
    BadgeView* grade_;
    TextBlock* gradeText_;
    QWidget* misstepBlock_;
    TextBlock* misstep_;
    TextBlock* explanation_;
    QWidget* hintRow_;
    TextBlock* hint_;
    bool pressed_ = false;
};

}  // namespace pellox::app
