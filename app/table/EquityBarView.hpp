#pragma once
#include <QColor>
#include <QWidget>
#include <optional>

namespace pellox::app {

// The guide's equity against the price: a track, a fill as long as the equity and, when the price is known,
// a marker where the required equity lies. Follows the width it is given.
class EquityBarView : public QWidget {
    Q_OBJECT
  public:
    static constexpr int barHeight = 8;

    explicit EquityBarView(QWidget* parent = nullptr);

    void setValues(double equity, std::optional<double> requiredEquity);
    void setColors(const QColor& track, const QColor& fill, const QColor& marker);

    // Widths in pixels for a bar of the given width: the fill's, and the marker's offset when shown.
    static qreal fillWidth(double equity, qreal width);
    static std::optional<qreal> markerOffset(std::optional<double> requiredEquity, qreal width);

    QSize sizeHint() const override { return {200, barHeight}; }
    QSize minimumSizeHint() const override { return {0, barHeight}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double equity_ = 0;
    std::optional<double> required_;
    QColor track_, fill_, marker_;
};

}  // namespace pellox::app
