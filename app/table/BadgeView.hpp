#pragma once
#include <QColor>
#include <QFont>
#include <QWidget>

namespace pellox::app {

// A small tinted capsule holding a value, with an optional caption before it (the guide's tier or EV badge,
// the hand's letter grade).
class BadgeView : public QWidget {
    Q_OBJECT
  public:
    struct Style {
        QFont captionFont;
        QFont valueFont;
        int spacing = 5;
        QMargins padding{8, 3, 8, 3};
    };

    explicit BadgeView(const Style& style, QWidget* parent = nullptr);

    // An empty caption shows the value alone.
    void setContent(const QString& caption, const QString& value, const QColor& tint);

    const QString& caption() const noexcept { return caption_; }
    const QString& value() const noexcept { return value_; }
    const QColor& tint() const noexcept { return tint_; }
    // Distance from the top to the value's baseline.
    int baseline() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Style style_;
    QString caption_;
    QString value_;
    QColor tint_;
};

}  // namespace pellox::app
