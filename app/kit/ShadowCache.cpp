#include "kit/ShadowCache.hpp"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <map>
#include <tuple>

#include "kit/Painting.hpp"

namespace pellox::app {
namespace {

// Sizes are keyed to a quarter pixel: closer than a blurred edge can show.
constexpr double keyStep = 4;
// Resizing the window walks through many scales; past this many shapes the cache starts over.
constexpr std::size_t maxEntries = 256;

using Key = std::tuple<long, long, long, long, QRgb>;

struct Entry {
    QImage image;
    double margin;
};

long quantize(double value) {
    return std::lround(value * keyStep);
}

Entry render(const QSizeF& size, qreal cornerRadius, const QColor& color, qreal radius) {
    double margin = std::ceil(2 * radius) + 4;
    QImage image(static_cast<int>(std::ceil(size.width() + 2 * margin)),
                 static_cast<int>(std::ceil(size.height() + 2 * margin)),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    paintShadow(p, roundedRectPath(QRectF(QPointF(margin, margin), size), cornerRadius), color, radius);
    return {image, margin};
}

}  // namespace

void paintCachedShadow(QPainter& painter, const QRectF& rect, qreal cornerRadius, const QColor& color,
                       qreal radius, QPointF offset) {
    if (color.alpha() == 0 || rect.isEmpty()) return;
    static std::map<Key, Entry> cache;
    Key key{quantize(rect.width()), quantize(rect.height()), quantize(cornerRadius), quantize(radius),
            color.rgba()};
    auto found = cache.find(key);
    if (found == cache.end()) {
        if (cache.size() >= maxEntries) cache.clear();
        found = cache.emplace(key, render(rect.size(), cornerRadius, color, radius)).first;
    }
    const Entry& entry = found->second;
    painter.drawImage(rect.topLeft() + offset - QPointF(entry.margin, entry.margin), entry.image);
}

}  // namespace pellox::app
