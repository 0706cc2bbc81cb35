#pragma once
#include <QAbstractButton>
#include <QColor>
#include <QMargins>
#include <optional>

#include "kit/Fonts.hpp"
#include "kit/SymbolIcon.hpp"

namespace pellox::app {

class AppContext;

// The application's own plain button: a filled shape with an optional symbol and one line of text, no
// system chrome, and the pointer hover highlight. Its owner sets every colour (and changes them when the
// button is disabled or selected); nothing here reads the palette. The text shrinks down to the minimum
// scale before it is elided. The accessible name is the text unless set otherwise (a button showing only
// a symbol needs setAccessibleName). Tab reaches it; it then shows a focus ring in its text colour.
class HoverButton : public QAbstractButton {
    Q_OBJECT
  public:
    enum class Shape { none, roundedRect, capsule, circle };
    enum class SymbolPlacement { leading, above };

    explicit HoverButton(const AppContext& context, const QString& text = {}, QWidget* parent = nullptr);

    void setShape(Shape shape, qreal cornerRadius = 0);
    void setFill(const QColor& fill);
    void setTextColor(const QColor& color);
    // Inside stroke of the shape; width 0 draws none.
    void setStroke(const QColor& color, qreal width = 1);
    void setTextFont(const QFont& font);
    void setSymbol(std::optional<Symbol> symbol, qreal size = 17, FontWeight weight = FontWeight::regular,
                   SymbolPlacement placement = SymbolPlacement::leading, qreal spacing = 4);
    // Space between the shape's edge and its content.
    void setPadding(const QMargins& padding);
    // Extra area around the shape that still belongs to the button (it takes clicks and hover there).
    void setHitMargins(const QMargins& margins);
    void setMinimumTextScale(qreal scale);
    // A fixed size for the shape (without hit margins); an empty size follows the content.
    void setFaceSize(const QSize& size);

    const QColor& fill() const noexcept { return fill_; }
    const QColor& textColor() const noexcept { return textColor_; }
    // The shape's rectangle inside the widget.
    QRectF faceRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QSizeF contentSize() const;
    void paintContent(QPainter& painter, const QRectF& content) const;
    void paintFocus(QPainter& painter, const QRectF& face, qreal radius) const;
    void changed();

    Shape shape_ = Shape::roundedRect;
    qreal cornerRadius_ = 8;
    QColor fill_ = Qt::transparent;
    QColor textColor_ = Qt::white;
    QColor strokeColor_ = Qt::transparent;
    qreal strokeWidth_ = 0;
    QFont textFont_;
    std::optional<Symbol> symbol_;
    qreal symbolSize_ = 17;
    FontWeight symbolWeight_ = FontWeight::regular;
    SymbolPlacement placement_ = SymbolPlacement::leading;
    qreal spacing_ = 4;
    QMargins padding_{12, 6, 12, 6};
    QMargins hitMargins_;
    qreal minTextScale_ = 1;
    QSize faceSize_;
};

}  // namespace pellox::app
