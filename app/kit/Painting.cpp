#include "kit/Painting.hpp"

#include <QDataStream>
#include <QIODevice>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "kit/PictureCache.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

constexpr qreal badgeFillOpacity = 0.16;
constexpr qreal badgeStrokeOpacity = 0.7;
// Sizes and colours of outlined rounded rectangles kept at once (a window being resized walks through many).
constexpr qsizetype outlinedRectCapacity = 64;

QRectF insetForStroke(const QRectF& rect, qreal width) {
    const qreal half = width / 2;
    return rect.adjusted(half, half, -half, -half);
}

void strokePath(QPainter& painter, const QPainterPath& path, const QColor& color, qreal width) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(color, width));
    painter.drawPath(path);
    painter.restore();
}

// One horizontal then one vertical running-box pass over the alpha of a premultiplied image; three of
// them approximate a Gaussian.
void boxBlur(QImage& image, int radius) {
    if (radius < 1) return;
    const int w = image.width();
    const int h = image.height();
    std::vector<int> line(static_cast<size_t>(std::max(w, h)));
    auto pass = [&](bool horizontal) {
        const int outer = horizontal ? h : w;
        const int inner = horizontal ? w : h;
        for (int o = 0; o < outer; ++o) {
            auto pixel = [&](int i) -> QRgb& {
                const int x = horizontal ? i : o;
                const int y = horizontal ? o : i;
                return reinterpret_cast<QRgb*>(image.scanLine(y))[x];
            };
            for (int i = 0; i < inner; ++i)
                line[static_cast<size_t>(i)] = qAlpha(pixel(i));
            int sum = 0;
            for (int i = -radius; i <= radius; ++i)
                sum += i >= 0 && i < inner ? line[static_cast<size_t>(i)] : 0;
            const int span = 2 * radius + 1;
            for (int i = 0; i < inner; ++i) {
                const int a = sum / span;
                pixel(i) = qRgba(0, 0, 0, a);
                const int out = i - radius;
                const int in = i + radius + 1;
                if (out >= 0) sum -= line[static_cast<size_t>(out)];
                if (in < inner) sum += line[static_cast<size_t>(in)];
            }
        }
    };
    for (int i = 0; i < 3; ++i) {
        pass(true);
        pass(false);
    }
}

// A blur's reach is about three times its box radius; three box passes of radius/2 approximate a Gaussian
// of the shadow's radius.
int shadowBox(qreal radius) {
    return std::max(1, static_cast<int>(std::lround(radius / 2)));
}
int shadowMargin(qreal radius) {
    return 3 * shadowBox(radius) + 1;
}

QImage blurredMask(const QPainterPath& shape, const QColor& color, qreal radius) {
    const int margin = shadowMargin(radius);
    const QRectF bounds = shape.boundingRect();
    const QSize size(static_cast<int>(std::ceil(bounds.right())) + 2 * margin,
                     static_cast<int>(std::ceil(bounds.bottom())) + 2 * margin);
    QImage mask(size, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(margin, margin);
        p.fillPath(shape, Qt::black);
    }
    boxBlur(mask, shadowBox(radius));
    QPainter p(&mask);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(mask.rect(), color);
    return mask;
}

// Seats, cards and chips repaint the same few shadows every frame of an animation, so blurred pictures are
// kept by shape, colour and radius (a small cache, oldest dropped first).
const QImage& shadowMask(const QPainterPath& shape, const QColor& color, qreal radius) {
    constexpr size_t capacity = 64;
    static std::vector<std::pair<QByteArray, QImage>> cache;
    QByteArray key;
    QDataStream stream(&key, QIODevice::WriteOnly);
    stream << shape << color.rgba() << radius;
    for (auto it = cache.begin(); it != cache.end(); ++it) {
        if (it->first == key) {
            std::rotate(cache.begin(), it, it + 1);
            return cache.front().second;
        }
    }
    if (cache.size() == capacity) cache.pop_back();
    cache.insert(cache.begin(), {key, blurredMask(shape, color, radius)});
    return cache.front().second;
}

}  // namespace

QPainterPath roundedRectPath(const QRectF& rect, qreal radius) {
    QPainterPath path;
    const qreal r = std::clamp(radius, qreal(0), std::min(rect.width(), rect.height()) / 2);
    path.addRoundedRect(rect, r, r);
    return path;
}

QPainterPath capsulePath(const QRectF& rect) {
    return roundedRectPath(rect, std::min(rect.width(), rect.height()) / 2);
}

void fillRoundedRect(QPainter& painter, const QRectF& rect, qreal radius, const QColor& color) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(roundedRectPath(rect, radius), color);
    painter.restore();
}

void fillCapsule(QPainter& painter, const QRectF& rect, const QColor& color) {
    fillRoundedRect(painter, rect, std::min(rect.width(), rect.height()) / 2, color);
}

void strokeRoundedRectInside(QPainter& painter, const QRectF& rect, qreal radius, const QColor& color,
                             qreal width) {
    strokePath(painter, roundedRectPath(insetForStroke(rect, width), radius - width / 2), color, width);
}

void strokeCapsuleInside(QPainter& painter, const QRectF& rect, const QColor& color, qreal width) {
    strokePath(painter, capsulePath(insetForStroke(rect, width)), color, width);
}

void paintOutlinedRoundedRect(QPainter& painter, const QRectF& rect, qreal radius, const QColor& fill,
                              const QColor& stroke) {
    static PictureCache pictures(outlinedRectCapacity);
    const QByteArray key = "outlined:" + QByteArray::number(radius) + ':' + QByteArray::number(fill.rgba()) +
                           ':' + QByteArray::number(stroke.rgba());
    pictures.draw(painter, key, rect, [&](QPainter& p) {
        fillRoundedRect(p, rect, radius, fill);
        strokeRoundedRectInside(p, rect, radius, stroke, 1);
    });
}

void strokeEllipseInside(QPainter& painter, const QRectF& rect, const QColor& color, qreal width) {
    QPainterPath path;
    path.addEllipse(insetForStroke(rect, width));
    strokePath(painter, path, color, width);
}

QColor withOpacity(QColor color, qreal opacity) {
    color.setAlphaF(static_cast<float>(std::clamp(color.alphaF() * opacity, 0.0, 1.0)));
    return color;
}

QColor mixed(const QColor& from, const QColor& to, qreal amount) {
    const float t = static_cast<float>(std::clamp(amount, 0.0, 1.0));
    auto mix = [t](float a, float b) { return a + (b - a) * t; };
    return QColor::fromRgbF(mix(from.redF(), to.redF()), mix(from.greenF(), to.greenF()),
                            mix(from.blueF(), to.blueF()), mix(from.alphaF(), to.alphaF()));
}

QColor brightened(QColor color, qreal amount) {
    auto up = [amount](float c) { return std::clamp(c + static_cast<float>(amount), 0.0f, 1.0f); };
    return QColor::fromRgbF(up(color.redF()), up(color.greenF()), up(color.blueF()), color.alphaF());
}

void paintTintedBadge(QPainter& painter, const QRectF& rect, const QColor& tint) {
    fillCapsule(painter, rect, withOpacity(tint, badgeFillOpacity));
    strokeCapsuleInside(painter, rect, withOpacity(tint, badgeStrokeOpacity), 1);
}

void paintTintedBadge(QPainter& painter, const QRectF& rect, const QColor& tint, const QString& text,
                      const QFont& font, const QColor& textColor) {
    paintTintedBadge(painter, rect, tint);
    painter.save();
    painter.setFont(font);
    painter.setPen(textColor);
    painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, text);
    painter.restore();
}

void paintSidePanelCard(QPainter& painter, const QRectF& rect, const Palette& palette,
                        std::optional<QColor> stroke) {
    paintOutlinedRoundedRect(painter, rect, sidePanelCardRadius, palette.panel,
                             stroke.value_or(palette.border));
}

void paintShadow(QPainter& painter, const QPainterPath& shape, const QColor& color, qreal radius,
                 QPointF offset) {
    if (color.alpha() == 0 || shape.isEmpty()) return;
    const QRectF bounds = shape.boundingRect();
    // Whole-pixel placement keeps the cached picture valid wherever the same shape is drawn again.
    const QPointF origin(std::floor(bounds.left()), std::floor(bounds.top()));
    const QImage& mask = shadowMask(shape.translated(-origin), color, radius);
    const int margin = shadowMargin(radius);
    painter.drawImage(origin + offset - QPointF(margin, margin), mask);
}

}  // namespace pellox::app
