#pragma once
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace pellox::app {

// A one-line text made to fit a width: the font shrinks down to `minScale` of its size, and only when it
// still does not fit is the text elided.
struct FittedText {
    QString text;
    QFont font;
    qreal scale = 1;  // the font's size relative to the one given
};

FittedText fitText(const QString& text, const QFont& font, qreal width, qreal minScale,
                   Qt::TextElideMode elide = Qt::ElideRight);

// Fits the text to the rectangle's width and draws it on one line with the painter's pen.
void drawFittedText(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font,
                    qreal minScale, Qt::Alignment alignment = Qt::AlignCenter,
                    Qt::TextElideMode elide = Qt::ElideRight);

}  // namespace pellox::app
