#pragma once
// The human's controls on their turn: fold, check or call, bet/raise or all-in, and, while a bet or raise is
// legal, four presets and a slider that choose the amount. It hands each press to its action callback and
// neither checks the action nor plays a sound. A pointer acts only through a press that came down on the
// button while the bar stood whole on screen: a press begun elsewhere (the pre-action panel that stood here)
// or during the bar's way in does nothing, nor does its release.
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "rules/LegalActions.hpp"
#include "rules/Street.hpp"
#include "table/HandKey.hpp"

class QSlider;
class QHBoxLayout;

namespace pellox {
struct PlayerAction;
}

namespace pellox::app {

class AppContext;
class HoverButton;

class ActionBarView : public QWidget {
    Q_OBJECT
  public:
    static constexpr int buttonHeight = 52;

    using OnAction = std::function<void(const PlayerAction&)>;

    // Which decision of the game the bar serves. The bar is kept between turns, so without it an amount
    // chosen earlier would carry into a later decision (or game) that happens to have the same legal actions.
    struct Decision {
        HandKey hand;
        std::optional<Street> street;
        std::int64_t currentBet = 0;

        friend bool operator==(const Decision&, const Decision&) = default;
    };

    ActionBarView(const AppContext& context, OnAction onAction, QWidget* parent = nullptr);

    // A new decision, or a change of any field of the legal actions, starts the amount over at the smallest
    // raise.
    void setLegal(const LegalActions& legal, std::int64_t potSize, const Decision& decision);
    void setLegal(const LegalActions& legal, std::int64_t potSize);
    std::int64_t raiseTo() const noexcept { return raiseTo_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void build();
    void refresh();
    void fitPresets();
    void fitButtons();
    void sliderMoved(int value);

    const AppContext& context_;
    OnAction onAction_;
    LegalActions legal_;
    std::optional<Decision> decision_;
    std::int64_t potSize_ = 0;
    std::int64_t raiseTo_ = 0;

    QWidget* raiseSection_ = nullptr;
    QHBoxLayout* presetRow_ = nullptr;
    QHBoxLayout* buttonRow_ = nullptr;
    std::array<HoverButton*, 4> presets_{};
    QSlider* slider_ = nullptr;
    std::vector<HoverButton*> buttons_;
    // The main button that took the pointer's press, while it is held.
    QObject* pressed_ = nullptr;
};

}  // namespace pellox::app
