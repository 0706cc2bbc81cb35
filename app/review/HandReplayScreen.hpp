#pragma once
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "kit/Spring.hpp"
#include "review/ReplayCursor.hpp"

class QLabel;
class QSlider;

namespace pellox {
struct HandRecord;
struct ReplayView;
struct GradedDecision;
}  // namespace pellox

namespace pellox::app {

class AppContext;
class HoverButton;
class KeyedTimer;
class ReplayBoardPanel;
class ReplayCaptionPanel;
class ReplayGuideCallout;
class ReplaySeatRow;

// Replays one stored hand step by step: the table after each step (from the replay model), what happened,
// and whether the human's decision there matched the guide; moved by a slider, five transport buttons or
// autoplay. Keeps its own copy of the record and changes nothing.
class HandReplayScreen : public QWidget {
    Q_OBJECT
  public:
    // startsMidHand opens the replay at its middle step instead of the first.
    HandReplayScreen(AppContext& context, const HandRecord& record, bool startsMidHand,
                     QWidget* parent = nullptr);
    ~HandReplayScreen() override;

    const ReplayCursor& cursor() const noexcept { return cursor_; }
    const std::vector<std::int64_t>& steps() const noexcept { return steps_; }
    // The frame at the cursor; a record without events gives the replay model's empty frame.
    ReplayView currentView() const;
    // The human's graded decision at the cursor's step, if any.
    std::optional<GradedDecision> currentDecision() const;

    ReplayBoardPanel* boardPanel() const noexcept { return board_; }
    ReplaySeatRow* seatRow(std::size_t index) const;
    std::size_t seatRowCount() const noexcept { return seats_.size(); }
    ReplayCaptionPanel* captionPanel() const noexcept { return caption_; }
    ReplayGuideCallout* guideCallout() const noexcept { return callout_; }
    QSlider* slider() const noexcept { return slider_; }
    HoverButton* transportButton(TransportButton button) const;
    QLabel* stepLabel() const noexcept { return stepLabel_; }

    // Tests: performs the pending autoplay step now; false when none is pending.
    bool runAutoplayStepNow();
    bool isAutoplayPending() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    QWidget* buildTransport();
    void press(TransportButton button);
    void moveSlider(int value);
    void restartAutoplay();
    void autoplayStep();
    void showFrame(std::optional<Spring> motion);
    void refreshTransport();

    AppContext& context_;
    std::unique_ptr<HandRecord> record_;
    std::vector<std::int64_t> steps_;
    ReplayCursor cursor_;
    ReplayBoardPanel* board_;
    std::vector<ReplaySeatRow*> seats_;
    ReplayCaptionPanel* caption_;
    ReplayGuideCallout* callout_;
    QSlider* slider_ = nullptr;
    std::array<HoverButton*, 5> buttons_{};
    QLabel* stepLabel_ = nullptr;
    KeyedTimer* autoplay_;
};

}  // namespace pellox::app
