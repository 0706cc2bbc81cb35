#pragma once
// How a widget comes and goes: by opacity, with a move from or to one edge (its own height away) or a scale
// about its centre. A widget that comes is laid out at once and drawn live on its way in, so it shows what it
// holds from its first frame; one that goes leaves the layout at once while a picture of it, taken as it
// stood, goes out, as a view removed from a stack does. Every transition runs along a spring on Qt's
// animation clock, and lands at once under reduce motion, through Motion.
#include <QGraphicsEffect>
#include <QPixmap>
#include <QPointer>

class QPropertyAnimation;
class QWidget;

namespace pellox::app {

class AppContext;
struct Spring;

struct Transition {
    enum class Edge { none, top, bottom };
    Edge edge = Edge::none;
    double scaleFrom = 1;

    static Transition opacity() { return {}; }
    static Transition move(Edge edge) { return {edge, 1}; }
    static Transition scale(double from) { return {Edge::none, from}; }
};

// A widget's pose on its way: 0 gone (transparent, moved or shrunk), 1 in place; a spring may pass 1.
class TransitionEffect : public QGraphicsEffect {
    Q_OBJECT
    Q_PROPERTY(double progress READ progress WRITE setProgress)

  public:
    // Draws `widget` as it is at each frame (a widget coming in). The frame is a picture of the widget:
    // Qt's own source pixmap leaves out the children that carry a graphics effect of their own.
    TransitionEffect(Transition transition, QWidget& widget);
    // Draws a fixed picture instead (a widget going out, pictured before it changed).
    TransitionEffect(Transition transition, QPixmap picture, QObject* parent);

    double progress() const noexcept { return progress_; }
    void setProgress(double progress);
    double opacity() const;
    QPointF offset() const;
    double scale() const;
    const Transition& transition() const noexcept { return transition_; }

  protected:
    QRectF boundingRectFor(const QRectF& rect) const override;
    void draw(QPainter* painter) override;

  private:
    QPointF offsetAt(double progress, const QRectF& source) const;
    double scaleAt(double progress) const;

    Transition transition_;
    double progress_ = 1;
    QPointer<QWidget> live_;
    QPixmap picture_;
};

// The widget as it draws itself, children with graphics effects of their own included, transparent where it
// draws nothing: QWidget::grab() alone paints the window's colour behind a widget that fills no background.
QPixmap pictureOf(QWidget& widget);

// The name of a picture of a widget on its way out.
inline constexpr const char* leavingPictureName = "pellox-leaving";

// Shown and coming in along the spring. A widget that carries another graphics effect simply appears.
void transitionIn(QWidget& widget, Transition transition, const Spring& spring, const AppContext& context);
// Hidden at once while its picture, on `stage` (its parent when none), goes out along the spring.
void transitionOut(QWidget& widget, Transition transition, const Spring& spring, const AppContext& context,
                   QWidget* stage = nullptr);
// Call before the widget's content changes: its present look fades out on `stage` while the new one fades in.
void crossFade(QWidget& widget, const Spring& spring, const AppContext& context, QWidget* stage = nullptr);

// The widget's way in, while it runs.
TransitionEffect* enteringEffect(const QWidget& widget);
// The picture of `widget` going out, while it goes.
QWidget* leavingPicture(const QWidget& widget, const QWidget& stage);

}  // namespace pellox::app
