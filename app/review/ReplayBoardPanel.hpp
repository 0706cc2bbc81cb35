#pragma once
#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

#include "kit/Spring.hpp"
#include "rules/Card.hpp"

class QVariantAnimation;

namespace pellox::app {

class AnimatedNumber;
class AppContext;

// The board of a replay frame on a felt panel, with the pot in a capsule below it. Board cards keep the
// two-colour deck whatever the setting; a card that joins the board grows from half its size as it fades
// in, and one that leaves it (a step back) shrinks as it fades out, with the motion of the step; the pot
// counts to its new amount.
class ReplayBoardPanel : public QWidget {
    Q_OBJECT
  public:
    explicit ReplayBoardPanel(AppContext& context, QWidget* parent = nullptr);

    // `motion` animates the cards that join or leave the board and the pot; none places them at once.
    void setFrame(const std::vector<Card>& board, std::int64_t potSize,
                  std::optional<Spring> motion = std::nullopt);

    const std::vector<Card>& board() const noexcept { return board_; }
    QString potText() const;
    // The pot as painted now: on its way to `potText()` while it counts.
    QString shownPotText() const;
    // The cards still fading out after a step back, after the board's own.
    const std::vector<Card>& leavingCards() const noexcept { return leaving_; }
    // How far each card, the board's then the leaving ones, has come in: 0 gone … 1 in place.
    const std::vector<double>& cardPresence() const noexcept { return arrival_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void paintCards(QPainter& painter, qreal top) const;
    void paintPot(QPainter& painter, qreal top) const;
    void placeCards(std::size_t joining);
    void refreshAccessibleName();

    AppContext& context_;
    std::vector<Card> board_;
    std::vector<Card> leaving_;
    std::vector<double> arrival_;  // for each card of board_ then leaving_: 0 gone … 1 in place
    std::vector<bool> moving_;     // which of them the running animation moves (in or out)
    QVariantAnimation* animation_;
    AnimatedNumber* pot_;
};

}  // namespace pellox::app
