#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "kit/PictureCache.hpp"

namespace pellox::app {
namespace {

TEST(PictureCache, RendersAKeyOnceAndCopiesItWherever) {
    PictureCache cache(8);
    QImage target(60, 40, QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::white);
    QPainter painter(&target);
    int renders = 0;
    auto square = [&](QPointF at) {
        QRectF bounds(at, QSizeF(10, 10));
        cache.draw(painter, "square", bounds, [&](QPainter& p) {
            ++renders;
            p.fillRect(bounds, Qt::red);
        });
    };
    square({0, 0});
    square({30, 20});
    painter.end();
    EXPECT_EQ(renders, 1);
    EXPECT_EQ(target.pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(target.pixelColor(35, 25), QColor(Qt::red));
    EXPECT_EQ(target.pixelColor(20, 5), QColor(Qt::white));
}

TEST(PictureCache, AnotherSizePixelRatioOrKeyIsAnotherPicture) {
    PictureCache cache(8);
    int renders = 0;
    auto draw = [&](QImage& target, const QByteArray& key, QSizeF size) {
        QPainter painter(&target);
        cache.draw(painter, key, QRectF(QPointF(0, 0), size), [&](QPainter&) { ++renders; });
    };
    QImage plain(20, 20, QImage::Format_ARGB32_Premultiplied);
    QImage sharp(40, 40, QImage::Format_ARGB32_Premultiplied);
    sharp.setDevicePixelRatio(2);
    draw(plain, "a", {10, 10});
    draw(plain, "a", {12, 10});
    draw(sharp, "a", {10, 10});
    draw(plain, "b", {10, 10});
    draw(sharp, "a", {10, 10});
    EXPECT_EQ(renders, 4);
    EXPECT_EQ(cache.size(), 4);
}

TEST(PictureCache, StartsOverPastItsCapacity) {
    PictureCache cache(3);
    QImage target(10, 10, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&target);
    for (int i = 0; i < 4; ++i)
        cache.draw(painter, QByteArray::number(i), QRectF(0, 0, 5, 5), [](QPainter&) {});
    EXPECT_EQ(cache.size(), 1);
    cache.draw(painter, "empty", QRectF(0, 0, 0, 5), [](QPainter&) { ADD_FAILURE() << "nothing to draw"; });
}

}  // namespace
}  // namespace pellox::app
