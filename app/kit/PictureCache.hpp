#pragma once
#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRectF>

namespace pellox::app {

// Pictures painted once and then only copied: a painter that repaints at animation rate (cards, seats,
// chips) names what it draws in a key, and only a key not seen before (at the device's pixel ratio) is
// rendered. Antialiased fills and text layout cost tens of microseconds each; copying an image costs one or
// two. A picture lands on whole device pixels.
class PictureCache {
  public:
    explicit PictureCache(qsizetype capacity) : capacity_(capacity) {}

    // Draws the picture named `key`: `bounds` is the area, in the painter's coordinates, that `render`
    // paints into (everything outside is cut off) and where the picture lands.
    template <typename Render>
    void draw(QPainter& painter, const QByteArray& key, const QRectF& bounds, Render&& render) {
        if (bounds.isEmpty()) return;
        const qreal ratio = pixelRatio(painter);
        const QImage* picture = find(key, ratio, bounds.size());
        if (!picture) {
            QImage image = blank(bounds.size(), ratio);
            {
                QPainter p(&image);
                p.setRenderHint(QPainter::Antialiasing);
                p.translate(-bounds.topLeft());
                render(p);
            }
            picture = &insert(key, ratio, bounds.size(), std::move(image));
        }
        painter.drawImage(bounds.topLeft(), *picture);
    }

    void clear() { pictures_.clear(); }
    qsizetype size() const { return pictures_.size(); }

  private:
    static qreal pixelRatio(const QPainter& painter);
    static QImage blank(const QSizeF& size, qreal ratio);
    static QByteArray fullKey(const QByteArray& key, qreal ratio, const QSizeF& size);
    const QImage* find(const QByteArray& key, qreal ratio, const QSizeF& size) const;
    const QImage& insert(const QByteArray& key, qreal ratio, const QSizeF& size, QImage image);

    qsizetype capacity_;
    QHash<QByteArray, QImage> pictures_;
};

}  // namespace pellox::app
