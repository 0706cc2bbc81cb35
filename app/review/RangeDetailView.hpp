#pragma once
#include <QColor>
#include <QString>
#include <QWidget>
#include <optional>

class QPainter;

namespace pellox::app {

class AppContext;

// The strength read of the selected hand class: the class, a badge with the chart's action and the Chen
// formula tier on a panel, or a hint while nothing is selected. It keeps one height, the tallest of what it
// can show, so that a choice never moves what stands around it.
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
    // Said after the placeholder, on a line of its own: the grid's keys.
    static QString keysText();

    explicit RangeDetailView(const AppContext& context, QWidget* parent = nullptr);

    void setDetail(std::optional<Detail> detail);
    const std::optional<Detail>& detail() const noexcept { return detail_; }

    // The strip's height at a text scale, whatever it shows.
    static int heightAt(double textScale);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return {0, sizeHint().height()}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRectF badgeRect(const QPointF& topLeft) const;
    void paintHint(QPainter& painter) const;

    const AppContext& context_;
    std::optional<Detail> detail_;
};

}  // namespace pellox::app
