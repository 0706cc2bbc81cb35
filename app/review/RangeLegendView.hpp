#pragma once
#include <QColor>
#include <QString>
#include <QWidget>
#include <array>

namespace pellox::app {

class AppContext;

// The legend under the range grid: a swatch and "Raise 18%" for each of raise, call and fold, centred.
class RangeLegendView : public QWidget {
    Q_OBJECT
  public:
    struct Item {
        QColor swatch;
        QString text;
        friend bool operator==(const Item&, const Item&) = default;
    };

    explicit RangeLegendView(const AppContext& context, QWidget* parent = nullptr);

    void setItems(const std::array<Item, 3>& items);
    const std::array<Item, 3>& items() const noexcept { return items_; }

    // The legend's height at a text scale.
    static int heightAt(double textScale);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    qreal itemWidth(const Item& item) const;
    qreal contentWidth() const;

    const AppContext& context_;
    std::array<Item, 3> items_;
};

}  // namespace pellox::app
