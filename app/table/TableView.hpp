#pragma once
// The felt of the play screen, one widget that paints everything on it: rail, felt and logo, the board as
// the screen reveals it, the winner banner, the pot, one seat per player placed by the table layout, and the
// chips in the air. It deals the hole cards of each new hand seat by seat and sends a chip flight for every
// blind, bet and award. At a showdown it shows the hand's end in order: the board's cards land, the hole
// cards turn, then the award (flights, stacks, highlight, badges) comes. It reads the session at every paint
// and changes nothing in the game: a tap asks the screen to skip the reveal, the human's drag up (or the
// accessibility action) folds.
#include <QElapsedTimer>
#include <QPixmap>
#include <QPointF>
#include <QRectF>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "table/ChipFlightConsumer.hpp"
#include "table/ChipFlightLayer.hpp"
#include "table/HandKey.hpp"
#include "table/SeatAnimation.hpp"
#include "table/SeatDragGesture.hpp"
#include "view/AnimationTimings.hpp"

namespace pellox {
class GameSession;
class SettingsStore;
struct Player;
}  // namespace pellox

namespace pellox::app {

class AppContext;
class FeltMotion;
struct PlayerSeatView;

class TableView : public QWidget {
    Q_OBJECT
  public:
    // Room around the felt for its drop shadow, inside the widget; the screen lines its column up with the
    // felt's drawn edges.
    static constexpr int shadowMarginX = 10;
    static constexpr int shadowMarginTop = 2;
    static constexpr int shadowMarginBottom = 8;

    TableView(const AppContext& context, const GameSession& session, const SettingsStore& settings,
              std::function<void()> onFold, std::function<void()> onSkipReveal, QWidget* parent = nullptr);
    ~TableView() override;

    // What the screen hands over at each refresh: how much of the board is shown, the animation times, the
    // game on screen (hand numbers restart in a new game) and whether anything may move at all.
    void refresh(std::int64_t revealedBoardCount, const AnimationTimings& timings, std::uint64_t game,
                 bool motionless);

    std::int64_t revealedBoardCount() const noexcept { return revealed_; }
    const AnimationTimings& timings() const noexcept { return timings_; }
    const std::vector<ChipFlightLayer::ActiveFlight>& flights() const noexcept { return flights_; }
    HandKey dealtHand() const noexcept { return dealtHand_; }
    std::int64_t dealtCount() const noexcept { return dealtCount_; }
    std::int64_t cardsLanded(std::int64_t seatIndex) const;
    // The pot, the centre cluster, the board, the banner and the winner badges in motion.
    const FeltMotion& motion() const noexcept { return *motion_; }
    // How many of the board's first cards the felt shows at rest: revealed, come in and settled.
    std::int64_t landedBoardCount() const;
    // Tests: seconds from a clock of their own instead of the felt's monotonic one.
    void setClock(std::function<double()> clock);

    // The seats drawn, in layout order (the human first), for hit testing and accessibility.
    int seatCount() const;
    QRectF seatRect(int index) const;
    QString seatDescription(int index) const;
    bool seatCanFold(int index) const;
    // The seat's "Fold": folds when that seat may fold now, otherwise nothing.
    void foldSeat(int index);
    QString boardDescription() const;
    QRectF boardRect() const;
    QString potDescription() const;
    QRectF potRect() const;
    // The pot's "Continue" and any tap: skip the reveal or go on to the next hand.
    void skipReveal();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    // The board's cards (or the showdown's hole cards) have come to rest since the last refresh.
    void boardLanded();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    struct Scene;
    struct Cluster;

    double now() const;
    Scene scene() const;
    Cluster cluster(const Scene& scene) const;
    PlayerSeatView seatView(const Scene& scene, std::size_t k) const;
    bool humanMayFold(const Scene& scene) const;

    void startDeal();
    void landNextCard();
    void showEnd(bool firstShown, bool newHand);
    void motionLanded();
    void consumeEvents(const Scene& scene, std::size_t count);
    void updateSeats(const Scene& scene);
    void updateMotion(const Scene& scene);
    void updateWinners(const Scene& scene);
    void tick();
    void animate();

    void paintFelt(QPainter& painter) const;
    void paintCluster(QPainter& painter, const Scene& scene, const Cluster& cluster) const;
    void paintBanner(QPainter& painter, const QString& text, const QRectF& rect, double presence,
                     const Cluster& cluster) const;

    const AppContext& context_;
    const GameSession& session_;
    const SettingsStore& settings_;
    std::function<void()> onFold_;
    std::function<void()> onSkipReveal_;

    std::int64_t revealed_ = 0;
    AnimationTimings timings_;
    std::uint64_t game_ = 0;
    bool motionless_ = true;
    bool refreshed_ = false;

    QElapsedTimer elapsed_;
    std::function<double()> clock_;
    QTimer frameTimer_;
    QTimer dealTimer_;
    HandKey dealtHand_;
    std::int64_t dealtCount_ = 0;
    std::int64_t dealSteps_ = 0;
    std::optional<HandKey> watchedHand_;
    std::size_t watchedEventCount_ = 0;

    ChipFlightConsumer consumer_;
    ChipFlightLayer flightLayer_;
    std::vector<ChipFlightLayer::ActiveFlight> flights_;
    std::map<std::string, SeatAnimation> seats_;
    SeatDragGesture drag_;
    mutable QPixmap feltPicture_;
    mutable QString feltKey_;
    FeltMotion* motion_;
};

}  // namespace pellox::app
