#include "kit/Transition.hpp"

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
// Room past its place for a spring's overshoot, as a share of the way.
constexpr double overshootRoom = 0.1;

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

// Has the stage draw again all of a picture's way: it drew outside its own rectangle, which is all that Qt
// draws again for a widget that goes.
void redrawWay(QWidget& picture) {
    QWidget* stage = picture.parentWidget();
    if (!stage || !picture.graphicsEffect()) return;
    stage->update(picture.graphicsEffect()->boundingRect().translated(picture.pos()).toAlignedRect());
}

// Stops the widget's way in, if it is on one, and gives how far it had come (1 when in place).
double stopEntering(QWidget& widget) {
    delete widget.findChild<QPropertyAnimation*>(enteringName, Qt::FindDirectChildrenOnly);
    const auto* entering = enteringEffect(widget);
    if (!entering) return 1;
    const double reached = entering->progress();
    widget.setGraphicsEffect(nullptr);
    return reached;
}

// The widget, drawn live, comes in from `from` to its place.
void bringIn(QWidget& widget, Transition transition, double from, const Spring& spring, int ms) {
    auto* effect = new TransitionEffect(transition, widget);
    widget.setGraphicsEffect(effect);
    effect->setProgress(from);
    auto* animation = run(effect, from, 1, spring, ms, &widget);
    animation->setObjectName(enteringName);
    // The effect comes off when the widget is in place, so nothing stays between it and the screen.
    QObject::connect(animation, &QAbstractAnimation::finished, &widget,
                     [&widget] { widget.setGraphicsEffect(nullptr); });
}

// A picture of the widget as it stands goes out on `stage` from `from`; the widget itself is left alone.
void sendOut(QWidget& widget, Transition transition, double from, const Spring& spring, int ms,
             QWidget& stage) {
    if (QWidget* earlier = leavingPicture(widget, stage)) {
        redrawWay(*earlier);
        delete earlier;
    }
    // One picture serves the stand-in and its effect, so that no step renders the widget again.
    const QPixmap shot = pictureOf(widget);
    auto* picture = new LeavingPicture(shot, &stage);
    picture->setProperty(sourceProperty, QVariant::fromValue<QObject*>(&widget));
    picture->setGeometry(QRect(widget.mapTo(&stage, QPoint(0, 0)), widget.size()));
    auto* effect = new TransitionEffect(transition, shot, picture);
    effect->setProgress(from);
    picture->setGraphicsEffect(effect);
    picture->show();
    picture->raise();
    auto* animation = run(effect, from, 0, spring, ms, picture);
    QObject::connect(animation, &QAbstractAnimation::finished, picture, [picture] {
        redrawWay(*picture);
        picture->deleteLater();
    });
}

}  // namespace

TransitionEffect::TransitionEffect(Transition transition, QWidget& widget)
    : QGraphicsEffect(&widget), transition_(transition), live_(&widget) {}

TransitionEffect::TransitionEffect(Transition transition, QPixmap picture, QObject* parent)
    : QGraphicsEffect(parent), transition_(transition), picture_(std::move(picture)) {}

void TransitionEffect::setProgress(double progress) {
    if (progress == progress_) return;
    progress_ = progress;
    // The bounding rectangle covers the whole way (a new one makes Qt repaint the whole parent).
    update();
}

double TransitionEffect::opacity() const {
    return std::clamp(progress_, 0.0, 1.0);
}

QPointF TransitionEffect::offset() const {
    return offsetAt(progress_, sourceBoundingRect(Qt::LogicalCoordinates));
}

double TransitionEffect::scale() const {
    return scaleAt(progress_);
}

QPointF TransitionEffect::offsetAt(double progress, const QRectF& source) const {
    const double away = (1 - progress) * source.height();
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

double TransitionEffect::scaleAt(double progress) const {
    return transition_.scaleFrom + (1 - transition_.scaleFrom) * progress;
}

QRectF TransitionEffect::boundingRectFor(const QRectF& rect) const {
    // From where it starts to a little past its place, where the spring may overshoot.
    const double past = 1 + overshootRoom;
    const QRectF way =
        rect.united(rect.translated(offsetAt(0, rect))).united(rect.translated(offsetAt(past, rect)));
    const double grow = std::max({0.0, scaleAt(0) - 1, scaleAt(past) - 1}) / 2;
    return way.adjusted(-grow * rect.width(), -grow * rect.height(), grow * rect.width(),
                        grow * rect.height());
}

void TransitionEffect::draw(QPainter* painter) {
    if (progress_ == 1) {
        drawSource(painter);
        return;
    }
    if (opacity() <= 0) return;
    // Qt draws the widget itself, not this effect again, while the effect draws: the widget as it is now,
    // whatever changed in it since the last frame.
    const QPixmap picture = live_ ? pictureOf(*live_) : picture_;
    if (picture.isNull()) return;
    const QRectF bounds = sourceBoundingRect(Qt::LogicalCoordinates);
    painter->save();
    painter->setOpacity(painter->opacity() * opacity());
    painter->translate(offset() + bounds.center());
    painter->scale(scale(), scale());
    painter->translate(-bounds.center());
    painter->setRenderHint(QPainter::SmoothPixmapTransform, scale() != 1);
    painter->drawPixmap(bounds.topLeft(), picture);
    painter->restore();
}

QPixmap pictureOf(QWidget& widget) {
    // A widget that fills its background draws that fill; any other draws nothing where it paints nothing.
    const bool clear = !widget.autoFillBackground() && !widget.testAttribute(Qt::WA_NoSystemBackground);
    if (clear) widget.setAttribute(Qt::WA_NoSystemBackground);
    QPixmap picture = widget.grab();
    if (clear) widget.setAttribute(Qt::WA_NoSystemBackground, false);
    return picture;
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
    if (effect) widget.setGraphicsEffect(nullptr);
    if (ms == 0 || widget.graphicsEffect()) return;
    bringIn(widget, transition, from, spring, ms);
}

void transitionOut(QWidget& widget, Transition transition, const Spring& spring, const AppContext& context,
                   QWidget* stage) {
    if (widget.isHidden()) return;
    const double from = stopEntering(widget);
    stage = stage ? stage : widget.parentWidget();
    const int ms = Motion::milliseconds(spring.settleDuration(), context);
    if (ms == 0 || !stage || !widget.isVisible() || widget.size().isEmpty()) {
        widget.hide();
        return;
    }
    sendOut(widget, transition, from, spring, ms, *stage);
    widget.hide();
}

void crossFade(QWidget& widget, const Spring& spring, const AppContext& context, QWidget* stage) {
    const int ms = Motion::milliseconds(spring.settleDuration(), context);
    stage = stage ? stage : widget.parentWidget();
    if (ms == 0 || !widget.isVisible() || !stage || widget.size().isEmpty()) return;
    // The widget stays where it is (and keeps its focus): only what it draws changes.
    const double from = stopEntering(widget);
    sendOut(widget, Transition::opacity(), from, spring, ms, *stage);
    if (!widget.graphicsEffect()) bringIn(widget, Transition::opacity(), 0, spring, ms);
}

}  // namespace pellox::app
