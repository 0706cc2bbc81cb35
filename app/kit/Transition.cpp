#include "kit/Transition.hpp"

#include <QCoreApplication>
#include <QLayout>
#include <QPainter>
#include <QPropertyAnimation>
#include <QWidget>
#include <algorithm>
#include <utility>

#include "kit/Motion.hpp"
#include "kit/Spring.hpp"

namespace pellox::app {

namespace {

const char* const enteringName = "pellox-entering";
const char* const sourceProperty = "pellox-leaving-source";

// Paints a picture taken of a widget as it stood.
class LeavingPicture : public QWidget {
  public:
    LeavingPicture(QPixmap picture, QWidget* stage) : QWidget(stage), picture_(std::move(picture)) {
        setObjectName(leavingPictureName);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawPixmap(0, 0, picture_);
    }

  private:
    QPixmap picture_;
};

QPropertyAnimation* run(TransitionEffect* effect, double from, double to, const Spring& spring, int ms,
                        QObject* owner) {
    auto* animation = new QPropertyAnimation(effect, "progress", owner);
    animation->setStartValue(from);
    animation->setEndValue(to);
    animation->setDuration(ms);
    animation->setEasingCurve(spring.easingCurve());
    animation->start(QAbstractAnimation::DeleteWhenStopped);
    return animation;
}

}  // namespace

TransitionEffect::TransitionEffect(Transition transition, QPixmap picture, QObject* parent)
    : QGraphicsEffect(parent), transition_(transition), picture_(std::move(picture)) {}

void TransitionEffect::setProgress(double progress) {
    if (progress == progress_) return;
    progress_ = progress;
    updateBoundingRect();
    update();
}

double TransitionEffect::opacity() const {
    return std::clamp(progress_, 0.0, 1.0);
}

QPointF TransitionEffect::offset() const {
    const double away = (1 - progress_) * sourceBoundingRect(Qt::LogicalCoordinates).height();
    switch (transition_.edge) {
        case Transition::Edge::top:
            return {0, -away};
        case Transition::Edge::bottom:
            return {0, away};
        case Transition::Edge::none:
            break;
    }
    return {};
}

double TransitionEffect::scale() const {
    return transition_.scaleFrom + (1 - transition_.scaleFrom) * progress_;
}

QRectF TransitionEffect::boundingRectFor(const QRectF& rect) const {
    return rect.united(rect.translated(offset()));
}

void TransitionEffect::draw(QPainter* painter) {
    if (progress_ == 1) {
        drawSource(painter);
        return;
    }
    if (opacity() <= 0 || picture_.isNull()) return;
    const QRectF bounds = sourceBoundingRect(Qt::LogicalCoordinates);
    painter->save();
    painter->setOpacity(painter->opacity() * opacity());
    painter->translate(offset() + bounds.center());
    painter->scale(scale(), scale());
    painter->translate(-bounds.center());
    painter->setRenderHint(QPainter::SmoothPixmapTransform, scale() != 1);
    painter->drawPixmap(bounds.topLeft(), picture_);
    painter->restore();
}

TransitionEffect* enteringEffect(const QWidget& widget) {
    return qobject_cast<TransitionEffect*>(widget.graphicsEffect());
}

QWidget* leavingPicture(const QWidget& widget, const QWidget& stage) {
    for (auto* picture : stage.findChildren<QWidget*>(leavingPictureName, Qt::FindDirectChildrenOnly))
        if (picture->property(sourceProperty).value<QObject*>() == &widget) return picture;
    return nullptr;
}

void transitionIn(QWidget& widget, Transition transition, const Spring& spring, const AppContext& context) {
    delete widget.findChild<QPropertyAnimation*>(enteringName, Qt::FindDirectChildrenOnly);
    const int ms = Motion::milliseconds(spring.settleDuration(), context);
    auto* effect = enteringEffect(widget);
    const double from = effect && widget.isVisible() ? effect->progress() : 0;
    widget.show();
    if (ms == 0 || (!effect && widget.graphicsEffect())) {
        if (effect) widget.setGraphicsEffect(nullptr);
        return;
    }
    if (effect) widget.setGraphicsEffect(nullptr);
    // Laid out where it will stand, then pictured as the window would draw it.
    if (QLayout* layout = widget.window()->layout()) layout->activate();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    effect = new TransitionEffect(transition, widget.grab(), &widget);
    widget.setGraphicsEffect(effect);
    effect->setProgress(from);
    auto* animation = run(effect, from, 1, spring, ms, &widget);
    animation->setObjectName(enteringName);
    // The effect comes off when the widget is in place, so nothing stays between it and the screen.
    QObject::connect(animation, &QAbstractAnimation::finished, &widget,
                     [&widget] { widget.setGraphicsEffect(nullptr); });
}

void transitionOut(QWidget& widget, Transition transition, const Spring& spring, const AppContext& context,
                   QWidget* stage) {
    if (widget.isHidden()) return;
    delete widget.findChild<QPropertyAnimation*>(enteringName, Qt::FindDirectChildrenOnly);
    const auto* entering = enteringEffect(widget);
    const double from = entering ? entering->progress() : 1;
    if (entering) widget.setGraphicsEffect(nullptr);
    stage = stage ? stage : widget.parentWidget();
    const int ms = Motion::milliseconds(spring.settleDuration(), context);
    if (ms == 0 || !stage || !widget.isVisible() || widget.size().isEmpty()) {
        widget.hide();
        return;
    }
    delete leavingPicture(widget, *stage);
    // One picture serves the stand-in and its effect, so that no step renders the widget again.
    const QPixmap shot = widget.grab();
    auto* picture = new LeavingPicture(shot, stage);
    picture->setProperty(sourceProperty, QVariant::fromValue<QObject*>(&widget));
    picture->setGeometry(QRect(widget.mapTo(stage, QPoint(0, 0)), widget.size()));
    auto* effect = new TransitionEffect(transition, shot, picture);
    effect->setProgress(from);
    picture->setGraphicsEffect(effect);
    widget.hide();
    picture->show();
    picture->raise();
    auto* animation = run(effect, from, 0, spring, ms, picture);
    QObject::connect(animation, &QAbstractAnimation::finished, picture, &QObject::deleteLater);
}

void crossFade(QWidget& widget, const Spring& spring, const AppContext& context, QWidget* stage) {
    if (Motion::milliseconds(spring.settleDuration(), context) == 0 || !widget.isVisible()) return;
    transitionOut(widget, Transition::opacity(), spring, context, stage);
    transitionIn(widget, Transition::opacity(), spring, context);
}

}  // namespace pellox::app
