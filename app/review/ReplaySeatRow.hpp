#pragma once
#include <QWidget>
#include <memory>

#include "review/ReplayFrameLook.hpp"

namespace pellox::app {

class AppContext;

// One seat of a replay frame: name, dealer badge, known cards or two card backs, and the stack. A folded
// seat's content is dimmed, its background is not.
class ReplaySeatRow : public QWidget {
    Q_OBJECT
  public:
    explicit ReplaySeatRow(AppContext& context, QWidget* parent = nullptr);
    ~ReplaySeatRow() override;

    void setSeat(const ReplaySeatView& seat);
    const SeatRowLook& look() const noexcept { return look_; }

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
};

}  // namespace pellox::app
