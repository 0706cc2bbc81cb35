#pragma once
#include <QWidget>
#include <memory>
#include <optional>

#include "kit/Spring.hpp"
#include "review/ReplayFrameLook.hpp"

class QLabel;
class QGraphicsOpacityEffect;
class QVariantAnimation;

namespace pellox::app {

class AppContext;

// Whether the human's decision at a replay step matched the guide, with the guide's reasoning. It fades in
// and out with the motion of the step that brings or takes it; without one it comes and goes at once.
class ReplayGuideCallout : public QWidget {
    Q_OBJECT
  public:
    explicit ReplayGuideCallout(AppContext& context, QWidget* parent = nullptr);
    ~ReplayGuideCallout() override;

    // Null hides the callout.
    void setDecision(const GradedDecision* decision, std::optional<Spring> motion = std::nullopt);

    // The look of the decision shown; none without a decision.
    std::optional<GuideCalloutLook> look() const;
    QString titleText() const;
    // Shown, or fading out.
    bool isShowing() const { return isVisible(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void fadeTo(double opacity, int milliseconds);
    void refreshLook();

    AppContext& context_;
    std::unique_ptr<GradedDecision> decision_;
    std::optional<GuideCalloutLook> look_;  // the last decision's, kept while fading out
    QLabel* title_;
    QLabel* explanation_;
    QGraphicsOpacityEffect* opacity_;
    QVariantAnimation* fade_;
};

}  // namespace pellox::app
