#include <gtest/gtest.h>

#include <QAbstractAnimation>
#include <QApplication>
#include <QCoreApplication>
#include <QGraphicsOpacityEffect>
#include <QVBoxLayout>
#include <QWidget>

#include "ManualAnimationClock.hpp"
#include "kit/Spring.hpp"
#include "kit/Transition.hpp"
#include "theme/AppContext.hpp"

namespace pellox::app {
namespace {

using testing::ManualAnimationClock;
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

}  // namespace
}  // namespace pellox::app
