#pragma once
#include <QWidget>
#include <functional>
#include <vector>

#include "view/PlayerNameSource.hpp"

class QAbstractButton;
class QVBoxLayout;

namespace pellox {
struct Standing;
}

namespace pellox::app {

class AppContext;
class HoverButton;
class TextBlock;

// A card that stops play, over the whole table behind a dark veil: the human is out of chips in a cash game,
// or the tournament is over. It covers its parent and follows its size; Return presses its main button.
class TableOverlay : public QWidget {
    Q_OBJECT
  public:
    // "You're out of chips" with "End session" and "Rebuy" (the main button).
    static TableOverlay* busted(const AppContext& context, QWidget* parent,
                                std::function<void()> onEndSession, std::function<void()> onRebuy);
    // "Tournament Complete", one line per finisher under the table's name for them ("2. You"), each line
    // named after the finisher's id, and "See summary" (the main button).
    static TableOverlay* tournamentComplete(const AppContext& context, QWidget* parent,
                                            const std::vector<Standing>& standings,
                                            const PlayerNameSource& name, std::function<void()> onSeeSummary);

    TextBlock* title() const noexcept { return title_; }
    QAbstractButton* mainButton() const noexcept { return main_; }
    // The lines under the title (the standings), in order.
    QStringList lines() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    TableOverlay(const AppContext& context, const QString& title, QWidget* parent);
    HoverButton* button(const QString& label, bool prominent, std::function<void()> action);
    void setMainButton(QAbstractButton* button);
    void applyPalette();

    const AppContext& context_;
    QWidget* card_;
    QVBoxLayout* content_;
    TextBlock* title_;
    QAbstractButton* main_ = nullptr;
};

}  // namespace pellox::app
