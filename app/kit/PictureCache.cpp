#include "kit/PictureCache.hpp"

#include <QPaintDevice>
#include <cmath>

namespace pellox::app {

qreal PictureCache::pixelRatio(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    return device ? device->devicePixelRatioF() : 1.0;
}

QImage PictureCache::blank(const QSizeF& size, qreal ratio) {
    QImage image(static_cast<int>(std::ceil(size.width() * ratio)),
                 static_cast<int>(std::ceil(size.height() * ratio)), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    return image;
}

QByteArray PictureCache::fullKey(const QByteArray& key, qreal ratio, const QSizeF& size) {
    // The size is part of the name: the same drawing in bounds of another size is another picture.
    return key + '@' + QByteArray::number(ratio) + '/' + QByteArray::number(size.width(), 'f', 2) + 'x' +
           QByteArray::number(size.height(), 'f', 2);
}

const QImage* PictureCache::find(const QByteArray& key, qreal ratio, const QSizeF& size) const {
    auto it = pictures_.constFind(fullKey(key, ratio, size));
    return it == pictures_.constEnd() ? nullptr : &it.value();
}

const QImage& PictureCache::insert(const QByteArray& key, qreal ratio, const QSizeF& size, QImage image) {
    // Resizing the window walks through many scales: past the capacity the cache starts over.
    if (pictures_.size() >= capacity_) pictures_.clear();
    return pictures_.insert(fullKey(key, ratio, size), std::move(image)).value();
}

}  // namespace pellox::app
