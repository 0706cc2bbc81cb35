#include "table/ChipStackView.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include "kit/Fonts.hpp"
#include "kit/MoneyText.hpp"
#include "kit/Painting.hpp"
#include "kit/PictureCache.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {

namespace {

constexpr double fontSize = 12;
constexpr double paddingY = 3;
constexpr double strokeWidth = 1;
constexpr double strokeOpacity = 0.5;
constexpr double shadowOpacity = 0.4;
constexpr double shadowRadius = 3;
constexpr double shadowOffsetY = 2;

}  // namespace
namespace {

// A blur reaches a little past twice its radius at small sizes: room enough that no shadow is cut.
constexpr double shadowSlack = 5;
// The amounts in the air at once, and a few more.
constexpr qsizetype pictureCapacity = 64;

const QFont& chipFont() {
    static const QFont font = fixedFont(fontSize, FontWeight::heavy, FontDesign::rounded);
    return font;
}

}  // namespace

ChipStackView::ChipStackView(std::int64_t amount) : text_(text(amount)) {}

QString ChipStackView::text(std::int64_t amount) {
    return moneyText(amount);
}

QSizeF ChipStackView::size() const {
    QFontMetricsF metrics(chipFont());
    return {metrics.horizontalAdvance(text_) + 2 * paddingX, metrics.height() + 2 * paddingY};
}

void ChipStackView::paint(QPainter& painter, QPointF centre, const Palette& palette) const {
    static PictureCache pictures(pictureCapacity);
    QSizeF s = size();
    QRectF capsule(centre.x() - s.width() / 2, centre.y() - s.height() / 2, s.width(), s.height());
    double margin = 2 * shadowRadius + shadowOffsetY + shadowSlack;
    QByteArray key = "chips:" + text_.toUtf8() + ':' + QByteArray::number(palette.success.rgba());
    pictures.draw(painter, key, capsule.adjusted(-margin, -margin, margin, margin),
                  [&](QPainter& p) { render(p, capsule, palette); });
}

void ChipStackView::render(QPainter& painter, const QRectF& capsule, const Palette& palette) const {
    QSizeF s = capsule.size();
    paintShadow(painter, roundedRectPath(capsule, s.height() / 2), withOpacity(Qt::black, shadowOpacity),
                shadowRadius, {0, shadowOffsetY});
    fillCapsule(painter, capsule, palette.success);
    strokeCapsuleInside(painter, capsule, withOpacity(Qt::white, strokeOpacity), strokeWidth);
    painter.save();
    painter.setFont(chipFont());
    painter.setPen(Qt::white);
    painter.drawText(capsule, Qt::AlignCenter | Qt::TextSingleLine, text_);
    painter.restore();
}

}  // namespace pellox::app
