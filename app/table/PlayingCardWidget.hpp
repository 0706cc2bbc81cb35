#pragma once
#include <QWidget>
#include <optional>

#include "kit/PlayingCardView.hpp"

namespace pellox::app {

class AppContext;

// One card as a widget, for screens that show a card outside the felt (the replay's board). The card is
// drawn centred with room around it for its shadow (`shadowMargin` on every side, so two cards placed
// `spacing` apart need a layout spacing of spacing − 2 × shadowMargin); its accessible name is the card's
// spoken name or "Face down card".
class PlayingCardWidget : public QWidget {
    Q_OBJECT
  public:
    static constexpr int shadowMargin = 4;

    PlayingCardWidget(AppContext& context, std::optional<Card> card, PlayingCardView::CardSize size,
                      bool fourColor, double scale = 1, QWidget* parent = nullptr);

    void setCard(std::optional<Card> card);
    void setFourColor(bool fourColor);
    std::optional<Card> card() const { return card_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    PlayingCardView view() const;
    void refreshAccessibleName();

    AppContext& context_;
    std::optional<Card> card_;
    PlayingCardView::CardSize size_;
    bool fourColor_;
    double scale_;
};

}  // namespace pellox::app
