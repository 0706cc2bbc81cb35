#pragma once
#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

#include "kit/Spring.hpp"
#include "rules/Card.hpp"

class QVariantAnimation;

namespace pellox::app {

class AppContext;

// The board of a replay frame on a felt panel, with the pot in a capsule below it. Board cards keep the
// two-colour deck whatever the setting; a card that joins the board grows from half its size as it fades
// in, with the motion of the step that brought it.
class ReplayBoardPanel : public QWidget {
    Q_OBJECT
  public:
    explicit ReplayBoardPanel(AppContext& context, QWidget* parent = nullptr);

    // `motion` animates the cards that join the board; none places them at once.
    void setFrame(const std::vector<Card>& board, std::int64_t potSize,
                  std::optional<Spring> motion = std::nullopt);

    const std::vector<Card>& board() const noexcept { return board_; }
    QString potText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void paintCards(QPainter& painter, qreal top) const;
    void paintPot(QPainter& painter, qreal top) const;
    void refreshAccessibleName();

    AppContext& context_;
    std::vector<Card> board_;
    std::vector<double> arrival_;  // 0 … 1 for each card: how far it has come in
    std::int64_t potSize_ = 0;
    QVariantAnimation* animation_;
};

}  // namespace pellox::app
