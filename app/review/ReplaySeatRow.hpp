#pragma once
#include <QWidget>
#include <memory>
#include <optional>

#include "kit/Spring.hpp"

#include "review/ReplayFrameLook.hpp"

namespace pellox::app {

class AnimatedNumber;
class AppContext;

// One seat of a replay frame: name, dealer badge, known cards or two card backs, and the stack. A folded
// seat's content is dimmed, its background is not.
class ReplaySeatRow : public QWidget {
    Q_OBJECT
  public:
    explicit ReplaySeatRow(AppContext& context, QWidget* parent = nullptr);
    ~ReplaySeatRow() override;

    // `motion` counts the stack to its new amount; none shows it at once.
    void setSeat(const ReplaySeatView& seat, std::optional<Spring> motion = std::nullopt);
    const SeatRowLook& look() const noexcept { return look_; }
    // The stack as painted now: on its way to `look().stackText` while it counts.
    QString shownStackText() const;

    // The dealer's circle and its letter: the circle grows with larger text so the letter stays inside.
    static qreal dealerBadgeSize();
    static QFont dealerFont();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void paintLeading(QPainter& painter, const QRectF& content) const;
    void paintCards(QPainter& painter, const QRectF& content, qreal right) const;

    AppContext& context_;
    std::unique_ptr<ReplaySeatView> seat_;
    SeatRowLook look_;
    AnimatedNumber* stack_;
};

}  // namespace pellox::app
