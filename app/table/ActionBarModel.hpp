#pragma once
// What the action bar shows and sends for the human's legal actions, the pot and the chosen raise amount.
#include <array>
#include <cstdint>
#include <vector>

#include <QColor>
#include <QFont>
#include <QString>

#include "rules/LegalActions.hpp"
#include "rules/PlayerAction.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {

struct ActionBarButton {
    QString text;
    QColor Palette::*fill = nullptr;
    PlayerAction action;

    friend bool operator==(const ActionBarButton&, const ActionBarButton&) = default;
};

struct ActionBarPreset {
    QString text;
    std::int64_t amount = 0;  // already brought into the legal range
    bool selected = false;
    QString accessibleName;

    friend bool operator==(const ActionBarPreset&, const ActionBarPreset&) = default;
};

class ActionBarModel {
  public:
    ActionBarModel(const LegalActions& legal, std::int64_t potSize, std::int64_t raiseTo)
        : legal_(legal), potSize_(potSize), raiseTo_(raiseTo) {}

    // The main buttons' share of a row `rowWidth` wide with `spacing` between them, for texts in `font`.
    // Equal shares while every text fits its share whole; otherwise the wider texts take what they need
    // and the others share the rest, and when the row is too narrow for all of them at their size each
    // gets a share in proportion to its text, so all shrink alike (to at least 0.7 for six-digit amounts
    // in the side panel) before any is cut.
    static std::vector<int> buttonWidths(const std::vector<QString>& texts, const QFont& font, int rowWidth,
                                         int spacing);

    // Lowered to the largest legal total, then raised to the smallest.
    static std::int64_t clampToRange(std::int64_t amount, const LegalActions& legal);
    // What a slider position stores as the raise amount: the nearest chip step.
    static std::int64_t raiseToFromSlider(double value);

    bool showsRaiseSection() const { return legal_.canBet || legal_.canRaise; }
    // Fold, check or call, raise or all-in, in that order, those that apply.
    std::vector<ActionBarButton> buttons() const;
    std::array<ActionBarPreset, 4> presets() const;
    double sliderMinimum() const;
    double sliderMaximum() const;
    // The total a bet or raise goes to when pressed: the chosen amount within the legal range, so the
    // label never promises what the engine would not do.
    std::int64_t appliedRaise() const { return clampToRange(raiseTo_, legal_); }
    QString sliderAccessibleValue() const;

  private:
    ActionBarButton raiseButton() const;

    LegalActions legal_;
    std::int64_t potSize_;
    std::int64_t raiseTo_;
};

}  // namespace pellox::app
