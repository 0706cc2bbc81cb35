#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include "kit/Fonts.hpp"
#include "kit/Painting.hpp"
#include "kit/SymbolIcon.hpp"
#include "kit/TextFit.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

QImage blank(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

TEST(Painting, OpacityMultipliesAndBrightnessAddsToEachChannel) {
    EXPECT_NEAR(withOpacity(Palette::cardRoom().accentSoft, 0.5).alphaF(), 0.08, 1e-3);
    EXPECT_EQ(withOpacity(QColor(10, 20, 30), 0.7).rgb(), QColor(10, 20, 30).rgb());
    EXPECT_EQ(brightened(QColor(0xC9, 0xA2, 0x5A), 0.08).name(), "#ddb66e");
    EXPECT_EQ(brightened(QColor(250, 250, 250), 0.08), QColor(255, 255, 255));
    EXPECT_NEAR(brightened(Palette::cardRoom().panel, 0.08).alphaF(), 0.72, 1e-3);
}

TEST(Painting, InsideStrokeStaysInsideTheShape) {
    QImage image = blank(40, 20);
    {
        QPainter painter(&image);
        strokeRoundedRectInside(painter, QRectF(0, 0, 40, 20), 4, Qt::white, 2);
    }
    EXPECT_EQ(qAlpha(image.pixel(20, 0)), 255);  // the outer row is fully covered
    EXPECT_EQ(qAlpha(image.pixel(20, 1)), 255);
    EXPECT_EQ(qAlpha(image.pixel(20, 2)), 0);
    EXPECT_EQ(qAlpha(image.pixel(39, 10)), 255);
}

TEST(Painting, TintedBadgeAndSidePanelCardUseTheirOpacities) {
    QImage image = blank(60, 20);
    {
        QPainter painter(&image);
        paintTintedBadge(painter, QRectF(0, 0, 60, 20), QColor(255, 0, 0));
    }
    EXPECT_NEAR(qAlpha(image.pixel(30, 10)) / 255.0, 0.16, 0.01);
    EXPECT_NEAR(qAlpha(image.pixel(30, 0)) / 255.0, 0.16 + 0.7 * 0.84, 0.02);
    QImage card = blank(80, 80);
    {
        QPainter painter(&card);
        paintSidePanelCard(painter, QRectF(0, 0, 80, 80), Palette::midnight());
    }
    EXPECT_NEAR(qAlpha(card.pixel(40, 40)) / 255.0, 0.75, 0.01);
    EXPECT_EQ(qAlpha(card.pixel(1, 1)), 0);  // the 12-pixel corner is cut
}

TEST(Painting, AnOutlinedRoundedRectCopiedFromItsPictureLooksAsIfPaintedThere) {
    const QRectF box(3, 5, 300, 40);
    const QColor fill = withOpacity(Palette::midnight().panel, 0.85), stroke = Palette::midnight().border;
    QImage painted(320, 60, QImage::Format_ARGB32_Premultiplied), copied = painted;
    painted.fill(Palette::midnight().feltDark);
    copied.fill(Palette::midnight().feltDark);
    {
        QPainter p(&painted);
        fillRoundedRect(p, box, 12, fill);
        strokeRoundedRectInside(p, box, 12, stroke);
    }
    // Painted once somewhere else, then copied here.
    QImage first = copied;
    for (QImage* target : {&first, &copied}) {
        QPainter p(target);
        paintOutlinedRoundedRect(p, box, 12, fill, stroke);
    }
    int worst = 0;
    for (int y = 0; y < painted.height(); ++y)
        for (int x = 0; x < painted.width(); ++x) {
            const QRgb a = painted.pixel(x, y), b = copied.pixel(x, y);
            const int d = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                    std::abs(qBlue(a) - qBlue(b))});
            worst = std::max(worst, d);
        }
    EXPECT_LE(worst, 2);
    EXPECT_EQ(copied.pixelColor(5, 7), Palette::midnight().feltDark);  // outside the round corner
    EXPECT_EQ(copied.pixelColor(150, 25), painted.pixelColor(150, 25));
}

TEST(Painting, ShadowSpreadsAroundItsShapeAndFollowsTheOffset) {
    QImage image = blank(60, 60);
    {
        QPainter painter(&image);
        paintShadow(painter, roundedRectPath(QRectF(20, 20, 20, 20), 0), QColor(0, 0, 0, 102), 3,
                    QPointF(0, 2));
    }
    EXPECT_NEAR(qAlpha(image.pixel(30, 32)), 102, 3);
    EXPECT_GT(qAlpha(image.pixel(30, 42)), 0);                            // blurred past the edge
    EXPECT_GT(qAlpha(image.pixel(30, 42)), qAlpha(image.pixel(30, 18)));  // moved down
    EXPECT_EQ(qAlpha(image.pixel(2, 2)), 0);
}

TEST(TextFit, ShrinksFirstThenElides) {
    const QFont font = fixedFont(17, FontWeight::heavy);
    const QString text = "Call $1250";
    const qreal full = QFontMetricsF(font).horizontalAdvance(text);
    const FittedText roomy = fitText(text, font, full + 1, 0.7);
    EXPECT_EQ(roomy.text, text);
    EXPECT_EQ(roomy.scale, 1);
    const FittedText tight = fitText(text, font, full * 0.85, 0.7);
    EXPECT_EQ(tight.text, text);
    EXPECT_LT(tight.scale, 1);
    EXPECT_GE(tight.scale, 0.7);
    EXPECT_LE(QFontMetricsF(tight.font).horizontalAdvance(tight.text), full * 0.85);
    const FittedText cramped = fitText(text, font, full * 0.4, 0.7);
    EXPECT_DOUBLE_EQ(cramped.scale, 0.7);
    EXPECT_TRUE(cramped.text.endsWith(QChar(0x2026)));
    EXPECT_LE(QFontMetricsF(cramped.font).horizontalAdvance(cramped.text), full * 0.4);
}

TEST(SymbolIcon, EveryNamedSymbolReadsBackAndPaintsInsideItsBox) {
    EXPECT_EQ(allSymbols().size(), 14u);
    for (Symbol symbol : allSymbols()) {
        const std::string_view name = systemName(symbol);
        EXPECT_EQ(symbolNamed(name), symbol) << name;
        QImage image = blank(40, 40);
        {
            QPainter painter(&image);
            paintSymbol(painter, symbol, QRectF(10, 10, 20, 20), 20, Qt::white, FontWeight::bold);
        }
        int inside = 0;
        int outside = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) {
                if (qAlpha(image.pixel(x, y)) == 0) continue;
                (x >= 8 && x < 32 && y >= 8 && y < 32 ? inside : outside) += 1;
            }
        EXPECT_GT(inside, 20) << name;
        EXPECT_EQ(outside, 0) << name;
    }
    EXPECT_EQ(symbolNamed("Chevron.up"), std::nullopt);
    EXPECT_EQ(symbolNamed("chevron.down"), std::nullopt);
    EXPECT_EQ(symbolPixmap(Symbol::playFill, 17, Qt::white).size(), QSize(17, 17));
}

}  // namespace
}  // namespace pellox::app
