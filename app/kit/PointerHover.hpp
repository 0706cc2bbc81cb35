#pragma once
#include <QGraphicsEffect>

class QVariantAnimation;
class QWidget;

namespace pellox::app {

class AppContext;

// The hover highlight of the application's buttons: while the pointer is over the widget it brightens by
// 0.08 (added to red, green and blue), animated with a 0.12 s ease-out both ways, at once under reduce
// motion. Each widget keeps its own hover state. Works on any widget, custom-painted ones included.
class PointerHover : public QGraphicsEffect {
    Q_OBJECT
  public:
    // Installs the effect on the widget (which owns it); the context must outlive the widget.
    static PointerHover* attach(QWidget* widget, const AppContext& context);
    // The effect attached to a widget, or none.
    static PointerHover* of(const QWidget* widget);

    bool isHovering() const noexcept { return hovering_; }
    // 0 not hovered … 1 fully brightened.
    qreal progress() const noexcept { return progress_; }

  signals:
    void progressChanged(qreal progress);

  protected:
    void draw(QPainter* painter) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    PointerHover(QWidget* widget, const AppContext& context);
    void setHovering(bool hovering);
    void setProgress(qreal progress);

    const AppContext& context_;
    QVariantAnimation* animation_;
    bool hovering_ = false;
    qreal progress_ = 0;
};

}  // namespace pellox::app
