#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <functional>

#include "rules/Player.hpp"
#include "table/SeatAnimation.hpp"
#include "table/SeatDragGesture.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

// The human's seat on a bare felt, wired to pointer events the way the felt wires its own.
class SeatOnFelt : public QWidget {
  public:
    Player player;
    std::function<void()> onFold;
    SeatAnimation animation;
    SeatDragGesture gesture;
    QRectF box{102, 300, 96, 156};
    int taps = 0;
    double lastTime = 0;

    SeatOnFelt() {
        resize(300, 480);
        player.id = "human";
        player.name = "You";
        player.stack = 1000;
        player.holeCards = {Card{Rank::ace, Suit::spades}, Card{Rank::king, Suit::hearts}};
    }

    PlayerSeatView view() const {
        return {.player = player, .cardsLanded = 2, .canFold = bool(onFold), .dragOffset = offset()};
    }
    double offset() const { return animation.dragOffset(lastTime); }

  protected:
    void mousePressEvent(QMouseEvent* e) override {
        lastTime = seconds(e);
        if (view().frame(box).contains(e->position())) gesture.press(e->position(), lastTime);
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        lastTime = seconds(e);
        gesture.move(e->position(), lastTime, animation, bool(onFold));
        update();
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        lastTime = seconds(e);
        switch (gesture.release(e->position(), lastTime, animation, bool(onFold), true)) {
            case SeatDragGesture::Release::folded:
                onFold();
                break;
            case SeatDragGesture::Release::tap:
                ++taps;
                break;
            case SeatDragGesture::Release::snappedBack:
                break;
        }
    }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        view().paint(painter, box, Palette::cardRoom(), animation.cardPoses(lastTime));
    }

  private:
    static double seconds(const QMouseEvent* e) { return static_cast<double>(e->timestamp()) / 1000; }
};

QPoint seatCentre(const SeatOnFelt& felt) {
    return felt.box.center().toPoint();
}

TEST(SeatDragGesture, DraggingTheHumanSeatUpFolds) {
    SeatOnFelt felt;
    int folds = 0;
    felt.onFold = [&] { ++folds; };
    QPoint start = seatCentre(felt);
    QTest::mousePress(&felt, Qt::LeftButton, {}, start);
    QTest::mouseMove(&felt, start - QPoint(0, 40), 20);
    EXPECT_EQ(felt.offset(), -40);
    QTest::mouseMove(&felt, start - QPoint(0, 100), 20);
    EXPECT_EQ(folds, 0);
    QTest::mouseRelease(&felt, Qt::LeftButton, {}, start - QPoint(0, 100), 20);
    EXPECT_EQ(folds, 1);
    // With reduced motion the fling and the return to the box land at once.
    EXPECT_EQ(felt.offset(), 0);
}

TEST(SeatDragGesture, WithoutAFoldTheSeatStaysPut) {
    SeatOnFelt felt;
    QPoint start = seatCentre(felt);
    QTest::mousePress(&felt, Qt::LeftButton, {}, start);
    QTest::mouseMove(&felt, start - QPoint(0, 50), 20);
    EXPECT_EQ(felt.offset(), 0);
    QTest::mouseMove(&felt, start - QPoint(0, 100), 20);
    QTest::mouseRelease(&felt, Qt::LeftButton, {}, start - QPoint(0, 100), 20);
    EXPECT_EQ(felt.offset(), 0);
    EXPECT_EQ(felt.taps, 0);
}

TEST(SeatDragGesture, AShortPressIsATapAndDoesNotFold) {
    SeatOnFelt felt;
    int folds = 0;
    felt.onFold = [&] { ++folds; };
    QPoint start = seatCentre(felt);
    QTest::mousePress(&felt, Qt::LeftButton, {}, start);
    QTest::mouseMove(&felt, start - QPoint(0, 6), 20);
    QTest::mouseRelease(&felt, Qt::LeftButton, {}, start - QPoint(0, 6), 20);
    EXPECT_EQ(felt.taps, 1);
    EXPECT_EQ(folds, 0);
    EXPECT_EQ(felt.offset(), 0);
}

TEST(SeatDragGesture, PredictedEndCarriesTheRecentVelocity) {
    SeatAnimation seat;
    SeatDragGesture slow;
    slow.press({50, 300}, 0);
    slow.move({50, 290}, 0.5, seat, true);
    slow.move({50, 260}, 1.0, seat, true);
    EXPECT_EQ(slow.translation(), QPointF(0, -40));
    EXPECT_EQ(slow.predictedEndTranslation(), QPointF(0, -40));  // no move within the velocity window
    EXPECT_EQ(slow.release({50, 260}, 1.5, seat, true, true), SeatDragGesture::Release::snappedBack);

    SeatDragGesture flick;
    flick.press({50, 300}, 0);
    flick.move({50, 280}, 0.04, seat, true);
    flick.move({50, 260}, 0.08, seat, true);
    // 40 points in 80 ms: 500 points a second, carried on for a quarter of a second.
    EXPECT_NEAR(flick.predictedEndTranslation().y(), -40 - 500 * SeatDragGesture::predictionHorizon, 1e-6);
    EXPECT_EQ(flick.release({50, 260}, 0.08, seat, true, true), SeatDragGesture::Release::folded);
}

TEST(SeatDragGesture, TheMinimumDistanceTellsADragFromATap) {
    SeatAnimation seat;
    SeatDragGesture gesture;
    gesture.press({0, 0}, 0);
    gesture.move({0, -9}, 0.1, seat, true);
    EXPECT_FALSE(gesture.isDragging());
    EXPECT_EQ(seat.dragOffset(0.1), 0);
    gesture.move({0, -10}, 0.2, seat, true);
    EXPECT_TRUE(gesture.isDragging());
    EXPECT_EQ(seat.dragOffset(0.2), -10);
    gesture.cancel();
    EXPECT_FALSE(gesture.isPressed());
    EXPECT_EQ(gesture.release({0, -80}, 0.3, seat, true, true), SeatDragGesture::Release::tap);
}

}  // namespace
}  // namespace pellox::app
