#pragma once
#include <QColor>
#include <QFont>
#include <QStaticText>
#include <QString>
#include <QWidget>
#include <array>
#include <optional>

namespace pellox {
enum class RangeAction;
}

namespace pellox::app {

class AppContext;
struct Palette;

// The 169 hand classes as a 13 x 13 grid of cells coloured by a chart's action, painted in the largest
// square that fits. A click on a cell reports its class; the selected class is outlined. Tab reaches the grid
// as one stop; the arrows move a focused cell among the classes, and Return or Space reports it as a click
// does.
class RangeGridView : public QWidget {
    Q_OBJECT
  public:
    static constexpr int gridSize = 13;
    static constexpr int cellCount = gridSize * gridSize;
    // The least side the grid takes, whatever room it is given.
    static constexpr int minimumSide = gridSize * 12;

    explicit RangeGridView(const AppContext& context, QWidget* parent = nullptr);

    // Row-major, row 0 on top.
    void setActions(const std::array<RangeAction, cellCount>& actions);
    void setSelected(const std::optional<QString>& label);
    // What the selected class's read says, for a screen reader on that cell.
    void setSelectedRead(const QString& read);
    const QString& selectedRead() const noexcept { return selectedRead_; }
    std::optional<int> selectedIndex() const noexcept { return selectedIndex_; }
    // The cell the keys act on; it follows the last click.
    int currentIndex() const noexcept { return current_; }
    void setCurrentIndex(int index);
    // The cell an arrow key moves to from `index`, staying on the grid; none for other keys.
    static std::optional<int> moved(int index, int key);
    RangeAction action(int index) const { return actions_[static_cast<std::size_t>(index)]; }
    static const QString& label(int index);

    // The largest centred square inside the area.
    static QRectF gridRect(const QRectF& area);
    // Cells stand a pitch of a thirteenth of the grid apart, one point narrower than the pitch.
    static QRectF cellRect(int row, int col, const QRectF& grid);
    // The cell under a point, none in a gap or outside.
    static std::optional<int> cellAt(QPointF point, const QRectF& grid);
    // 10 for cells wider than 26 points, 8 otherwise.
    static int labelPixelSize(qreal cellSide);
    static QColor labelColor(RangeAction action, const Palette& palette);
    // "AKs: raise".
    static QString accessibleName(const QString& label, RangeAction action);

    QRectF gridRect() const { return gridRect(QRectF(rect())); }
    QRectF cellRect(int index) const;

    // The screen sets the side; the square stands centred in whatever width it is given.
    QSize sizeHint() const override { return {480, 480}; }
    QSize minimumSizeHint() const override { return {minimumSide, minimumSide}; }

  signals:
    void cellClicked(const QString& label);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // The labels laid out once per cell size: repainting then only places them.
    void prepareLabels(qreal cellSide) const;

    const AppContext& context_;
    mutable std::array<QStaticText, cellCount> labelTexts_;
    mutable std::array<QFont, cellCount> labelFonts_;
    mutable qreal preparedSide_ = -1;
    std::array<RangeAction, cellCount> actions_;
    std::optional<int> selectedIndex_;
    std::optional<int> pressedIndex_;
    int current_ = 0;
    QString selectedRead_;
    std::optional<int> readCell_;  // the cell a screen reader was last told holds the read
};

}  // namespace pellox::app
