#pragma once
#include <QColor>
#include <QString>
#include <QWidget>
#include <optional>

namespace pellox::app {

class AppContext;

// The strength read of the selected hand class: the class, a badge with the chart's action and the Chen
// formula tier on a panel, or a hint while nothing is selected.
class RangeDetailView : public QWidget {
    Q_OBJECT
  public:
    struct Detail {
        QString label;
        QString badgeText;  // RAISE, CALL or FOLD
        QColor badgeFill;
        QColor badgeTextColor;
        std::optional<QString> strengthLine;  // none for a text that is no hand class
        friend bool operator==(const Detail&, const Detail&) = default;
    };

    static QString placeholderText();

    explicit RangeDetailView(const AppContext& context, QWidget* parent = nullptr);

    void setDetail(std::optional<Detail> detail);
    const std::optional<Detail>& detail() const noexcept { return detail_; }

    // The strip's height for what it shows now, at a text scale.
    int heightAt(double textScale) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return {0, sizeHint().height()}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRectF badgeRect(const QPointF& topLeft) const;
    qreal headlineHeight(double textScale) const;

    const AppContext& context_;
    std::optional<Detail> detail_;
};

}  // namespace pellox::app
