#pragma once
// Pixels of a transition's frame: a stage that paints its own backdrop (its palette keeps the window's
// colour, so a picture that carried that colour shows), the frame a transition should draw, made by hand from
// pictures of the old and the new look, and how far two frames lie apart.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <vector>

namespace pellox::app::testing {

// A top-level widget that paints one colour behind its children.
class PaintedStage : public QWidget {
  public:
    explicit PaintedStage(QColor backdrop) : backdrop_(backdrop) {}
    QColor backdrop() const { return backdrop_; }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), backdrop_);
    }

  private:
    QColor backdrop_;
};

// One picture as a transition draws it: at `at` (the widget's place plus its offset), at `opacity`.
struct Layer {
    QImage picture;
    QPointF at;
    double opacity = 1;
};

// `size` of `backdrop` with the layers drawn over it, first to last.
inline QImage composed(QSize size, QColor backdrop, const std::vector<Layer>& layers) {
    QImage frame(size, QImage::Format_ARGB32_Premultiplied);
    frame.fill(backdrop);
    QPainter painter(&frame);
    for (const Layer& layer : layers) {
        painter.setOpacity(layer.opacity);
        painter.drawImage(layer.at, layer.picture);
    }
    painter.end();
    return frame;
}

// The mean difference of the colour channels of two frames inside `area`, from 0 (the same) to 255.
inline double meanDifference(const QImage& a, const QImage& b, QRect area) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    area = area.intersected(x.rect()).intersected(y.rect());
    double sum = 0;
    for (int row = area.top(); row <= area.bottom(); ++row) {
        for (int col = area.left(); col <= area.right(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            sum +=
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    const double count = std::max(1.0, static_cast<double>(area.width()) * area.height() * 3);
    return sum / count;
}

}  // namespace pellox::app::testing
