#include <gtest/gtest.h>

#include <QAbstractAnimation>
#include <QApplication>
#include <QCoreApplication>
#include <QGraphicsOpacityEffect>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

#include "FramePixels.hpp"
#include "ManualAnimationClock.hpp"
#include "kit/Spring.hpp"
#include "kit/Transition.hpp"
#include "theme/AppContext.hpp"

namespace pellox::app {
namespace {

using testing::ManualAnimationClock;
using testing::PaintedStage;
using testing::runningAnimations;

constexpr Spring spring{0.25, 0.85};

int settle() {
    return static_cast<int>(spring.settleDuration() * 1000) + 1;
}

// A stage with one 200 × 40 piece in a column, shown.
struct Stage {
    AppContext context;
    QWidget stage;
    QWidget* piece = new QWidget(&stage);

    Stage() {
        context.setReduceMotion(false);
        auto* column = new QVBoxLayout(&stage);
        piece->setFixedSize(200, 40);
        column->addWidget(piece);
        stage.resize(240, 120);
        stage.show();
        QCoreApplication::processEvents();
    }
};

TEST(Transition, AWidgetComesUpFromTheBottomFadingInAndNothingStaysOnItOnceInPlace) {
    ManualAnimationClock clock;
    Stage s;
    s.piece->hide();
    transitionIn(*s.piece, Transition::move(Transition::Edge::bottom), spring, s.context);
    EXPECT_TRUE(s.piece->isVisible());
    auto* effect = enteringEffect(*s.piece);
    ASSERT_NE(effect, nullptr);
    clock.advance(0);
    EXPECT_DOUBLE_EQ(effect->opacity(), 0);
    EXPECT_DOUBLE_EQ(effect->offset().y(), 40);  // its own height below
    clock.advance(settle() / 4);
    EXPECT_GT(effect->opacity(), 0);
    EXPECT_GT(effect->offset().y(), 0);
    EXPECT_LT(effect->offset().y(), 40);
    clock.advance(settle());
    EXPECT_EQ(enteringEffect(*s.piece), nullptr);
    EXPECT_EQ(s.piece->graphicsEffect(), nullptr);
    EXPECT_EQ(runningAnimations(s.stage), 0);
}

TEST(Transition, AWidgetGoingUpLeavesTheLayoutAtOnceWhileItsPictureGoes) {
    ManualAnimationClock clock;
    Stage s;
    const QRect was = s.piece->geometry();
    transitionOut(*s.piece, Transition::move(Transition::Edge::top), spring, s.context);
    EXPECT_TRUE(s.piece->isHidden());
    QWidget* picture = leavingPicture(*s.piece, s.stage);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->geometry(), was);
    EXPECT_TRUE(picture->testAttribute(Qt::WA_TransparentForMouseEvents));
    auto* effect = qobject_cast<TransitionEffect*>(picture->graphicsEffect());
    ASSERT_NE(effect, nullptr);
    clock.advance(settle() / 4);
    EXPECT_LT(effect->opacity(), 1);
    EXPECT_LT(effect->offset().y(), 0);
    clock.advance(settle());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(leavingPicture(*s.piece, s.stage), nullptr);
    EXPECT_EQ(runningAnimations(s.stage), 0);
}

TEST(Transition, AReversalMidwayGoesBackFromWhereItStands) {
    ManualAnimationClock clock;
    Stage s;
    s.piece->hide();
    transitionIn(*s.piece, Transition::opacity(), spring, s.context);
    clock.advance(settle() / 6);
    const double reached = enteringEffect(*s.piece)->progress();
    ASSERT_GT(reached, 0);
    ASSERT_LT(reached, 1);
    transitionOut(*s.piece, Transition::opacity(), spring, s.context);
    auto* picture = leavingPicture(*s.piece, s.stage);
    ASSERT_NE(picture, nullptr);
    EXPECT_DOUBLE_EQ(qobject_cast<TransitionEffect*>(picture->graphicsEffect())->progress(), reached);
    EXPECT_EQ(s.piece->graphicsEffect(), nullptr);
}

TEST(Transition, ACrossFadeLeavesTheOldLookOverTheNewOneFadingIn) {
    ManualAnimationClock clock;
    Stage s;
    crossFade(*s.piece, spring, s.context);
    EXPECT_TRUE(s.piece->isVisible());
    ASSERT_NE(leavingPicture(*s.piece, s.stage), nullptr);
    ASSERT_NE(enteringEffect(*s.piece), nullptr);
    EXPECT_EQ(enteringEffect(*s.piece)->offset(), QPointF(0, 0));
    clock.advance(settle() + 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(leavingPicture(*s.piece, s.stage), nullptr);
    EXPECT_EQ(s.piece->graphicsEffect(), nullptr);
}

TEST(Transition, UnderReduceMotionEverythingLandsAtOnceWithNothingLeftBehind) {
    ManualAnimationClock clock;
    Stage s;
    s.context.setReduceMotion(true);
    transitionOut(*s.piece, Transition::move(Transition::Edge::bottom), spring, s.context);
    EXPECT_TRUE(s.piece->isHidden());
    EXPECT_EQ(leavingPicture(*s.piece, s.stage), nullptr);
    transitionIn(*s.piece, Transition::move(Transition::Edge::bottom), spring, s.context);
    EXPECT_TRUE(s.piece->isVisible());
    EXPECT_EQ(s.piece->graphicsEffect(), nullptr);
    crossFade(*s.piece, spring, s.context);
    EXPECT_EQ(leavingPicture(*s.piece, s.stage), nullptr);
    EXPECT_EQ(runningAnimations(s.stage), 0);
}

TEST(Transition, AWidgetWithAnEffectOfItsOwnSimplyAppearsAndAStageGoneTakesItsAnimationsWithIt) {
    ManualAnimationClock clock;
    auto s = std::make_unique<Stage>();
    auto* own = new QGraphicsOpacityEffect(s->piece);
    s->piece->setGraphicsEffect(own);
    s->piece->hide();
    transitionIn(*s->piece, Transition::opacity(), spring, s->context);
    EXPECT_TRUE(s->piece->isVisible());
    EXPECT_EQ(s->piece->graphicsEffect(), own);

    transitionOut(*s->piece, Transition::opacity(), spring, s->context);
    clock.advance(settle() / 3);
    EXPECT_EQ(runningAnimations(s->stage), 1);
    s.reset();
    clock.advance(16);
    for (const QWidget* w : QApplication::topLevelWidgets())
        EXPECT_EQ(runningAnimations(*w), 0);
}

// --- What a transition draws, pixel by pixel.

constexpr QColor backdrop{10, 40, 90};
constexpr QColor red{255, 0, 0};
constexpr QColor blue{0, 0, 255};
constexpr QColor yellow{255, 255, 0};
constexpr QColor green{0, 255, 0};

// A 200 x 40 card of one colour with round corners, nothing drawn outside them, holding a square (green at
// first) that carries a graphics effect of its own (as every button with the hover highlight does).
class Swatch : public QWidget {
  public:
    explicit Swatch(QWidget* parent) : QWidget(parent), square_(new Square(this)) {
        setFixedSize(200, 40);
        square_->setGeometry(150, 10, 20, 20);
        auto* own = new QGraphicsOpacityEffect(square_);
        own->setOpacity(1);
        square_->setGraphicsEffect(own);
    }
    void setFill(QColor fill) {
        fill_ = fill;
        update();
    }
    void setSquare(QColor fill) {
        square_->fill = fill;
        square_->update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill_);
        painter.drawRoundedRect(QRectF(rect()), 12, 12);
    }

  private:
    class Square : public QWidget {
      public:
        using QWidget::QWidget;
        QColor fill = green;

      protected:
        void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), fill); }
    };
    Square* square_;
    QColor fill_ = red;
};

// A swatch in a column on a painted backdrop, shown, with motion on.
struct SwatchStage {
    AppContext context;
    PaintedStage stage{backdrop};
    Swatch* swatch = new Swatch(&stage);

    SwatchStage() {
        context.setReduceMotion(false);
        auto* column = new QVBoxLayout(&stage);
        column->addWidget(swatch);
        stage.resize(240, 120);
        stage.show();
        QCoreApplication::processEvents();
    }
    // The frame as the window shows it, and one of its pixels by the swatch's own coordinates, moved by
    // `offset` (where an effect draws it).
    QColor pixel(QPoint inSwatch, QPointF offset = {}) {
        const QImage frame = stage.grab().toImage();
        return frame.pixelColor(swatch->geometry().topLeft() + inSwatch + offset.toPoint());
    }
};

constexpr QPoint middle{60, 20};
constexpr QPoint corner{1, 1};
constexpr QPoint square{160, 20};

QColor over(QColor under, QColor top, double opacity) {
    return QColor::fromRgbF(under.redF() + (top.redF() - under.redF()) * opacity,
                            under.greenF() + (top.greenF() - under.greenF()) * opacity,
                            under.blueF() + (top.blueF() - under.blueF()) * opacity);
}

void expectNear(QColor actual, QColor expected) {
    EXPECT_NEAR(actual.red(), expected.red(), 3) << actual.name().toStdString();
    EXPECT_NEAR(actual.green(), expected.green(), 3) << actual.name().toStdString();
    EXPECT_NEAR(actual.blue(), expected.blue(), 3) << actual.name().toStdString();
}

TEST(TransitionPixels, AWidgetComingInShowsWhatItHoldsNowAndNothingWhereItDrawsNothing) {
    ManualAnimationClock clock;
    SwatchStage s;
    s.swatch->hide();
    transitionIn(*s.swatch, Transition::move(Transition::Edge::bottom), spring, s.context);
    s.swatch->setFill(blue);  // changed as it starts to come
    clock.advance(settle() / 4);
    const TransitionEffect* effect = enteringEffect(*s.swatch);
    ASSERT_NE(effect, nullptr);
    const double opacity = effect->opacity();
    ASSERT_GT(opacity, 0.2);
    ASSERT_LT(opacity, 0.95);
    expectNear(s.pixel(middle, effect->offset()), over(backdrop, blue, opacity));
    expectNear(s.pixel(square, effect->offset()), over(backdrop, green, opacity));
    EXPECT_EQ(s.pixel(corner, effect->offset()), backdrop);

    // A change on the way shows at once, also one inside a piece with an effect of its own.
    s.swatch->setFill(yellow);
    expectNear(s.pixel(middle, effect->offset()), over(backdrop, yellow, opacity));
    s.swatch->setSquare(red);
    expectNear(s.pixel(square, effect->offset()), over(backdrop, red, opacity));
    expectNear(s.pixel(middle, effect->offset()), over(backdrop, yellow, opacity));
}

TEST(TransitionPixels, ACrossFadeFadesTheOldLookOutOverTheNewOneFadingIn) {
    ManualAnimationClock clock;
    SwatchStage s;
    crossFade(*s.swatch, spring, s.context);
    s.swatch->setFill(blue);
    clock.advance(settle() / 4);
    const auto* leaving =
        qobject_cast<TransitionEffect*>(leavingPicture(*s.swatch, s.stage)->graphicsEffect());
    const double out = leaving->opacity(), in = enteringEffect(*s.swatch)->opacity();
    ASSERT_GT(out, 0.05);
    ASSERT_GT(in, 0.05);
    expectNear(s.pixel(middle), over(over(backdrop, blue, in), red, out));
    EXPECT_EQ(s.pixel(corner), backdrop);
}

TEST(TransitionPixels, AWidgetGoingOutLeavesAPictureOfItAsItStoodAndNothingAroundIt) {
    ManualAnimationClock clock;
    SwatchStage s;
    transitionOut(*s.swatch, Transition::opacity(), spring, s.context);
    s.swatch->setFill(blue);  // what it holds after it has gone is not shown
    clock.advance(settle() / 4);
    const auto* effect =
        qobject_cast<TransitionEffect*>(leavingPicture(*s.swatch, s.stage)->graphicsEffect());
    const double opacity = effect->opacity();
    ASSERT_GT(opacity, 0.05);
    ASSERT_LT(opacity, 0.95);
    expectNear(s.pixel(middle), over(backdrop, red, opacity));
    expectNear(s.pixel(square), over(backdrop, green, opacity));
    EXPECT_EQ(s.pixel(corner), backdrop);
}

TEST(TransitionPixels, APictureOfAWidgetIsClearWhereItDrawsNothingAndKeepsAFillItDraws) {
    SwatchStage s;
    QImage picture = pictureOf(*s.swatch).toImage();
    EXPECT_EQ(qAlpha(picture.pixel(corner)), 0);
    EXPECT_EQ(picture.pixelColor(middle), red);
    EXPECT_EQ(picture.pixelColor(square), green);
    EXPECT_FALSE(s.swatch->testAttribute(Qt::WA_NoSystemBackground));

    QPalette filled = s.swatch->palette();
    filled.setColor(QPalette::Window, yellow);
    s.swatch->setPalette(filled);
    s.swatch->setAutoFillBackground(true);
    picture = pictureOf(*s.swatch).toImage();
    EXPECT_EQ(picture.pixelColor(corner), yellow);
}

// The window draws only what changed from one frame to the next: what it shows is what a grab draws, at every
// frame of every way a widget comes and goes, and nothing stays where a picture went.
TEST(TransitionPixels, WhatTheWindowShowsIsWhatAGrabDrawsAtEveryFrameAndNothingStaysBehind) {
    ManualAnimationClock clock;
    SwatchStage s;
    int frames = 0;
    const auto frame = [&](const char* what, int ms = 30) {
        clock.advance(ms);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // The window draws again what was marked changed, as on its next frame.
        QEvent sync(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(&s.stage, &sync);
        const QImage shown = s.stage.screen()->grabWindow(s.stage.winId()).toImage();
        const QImage drawn = s.stage.grab().toImage();
        ++frames;
        ASSERT_EQ(shown.size(), drawn.size());
        EXPECT_EQ(testing::meanDifference(shown, drawn, drawn.rect()), 0) << what << ", frame " << frames;
    };
    frame("shown", 0);
    s.swatch->hide();
    transitionIn(*s.swatch, Transition::move(Transition::Edge::bottom), spring, s.context);
    for (int i = 0; i < 5; ++i)
        frame("coming up");
    frame("in place", 1000);
    transitionOut(*s.swatch, Transition::move(Transition::Edge::bottom), spring, s.context);
    for (int i = 0; i < 5; ++i)
        frame("going down");
    frame("gone", 1000);

    transitionIn(*s.swatch, Transition::move(Transition::Edge::top), spring, s.context);
    frame("coming down");
    transitionOut(*s.swatch, Transition::move(Transition::Edge::top), spring, s.context);
    frame("turned back");
    transitionIn(*s.swatch, Transition::move(Transition::Edge::top), spring, s.context);
    frame("coming down again");
    transitionOut(*s.swatch, Transition::move(Transition::Edge::top), spring, s.context);
    for (int i = 0; i < 12; ++i)
        frame("going up");

    s.swatch->show();
    frame("back", 1000);
    crossFade(*s.swatch, spring, s.context);
    s.swatch->setFill(blue);
    frame("crossing");
    crossFade(*s.swatch, spring, s.context);
    s.swatch->setFill(yellow);
    for (int i = 0; i < 12; ++i)
        frame("crossing again");
}

}  // namespace
}  // namespace pellox::app
