#pragma once
// What the pre-action panel shows for the armed choice, and what a press of an option asks for.
#include <array>
#include <optional>

#include <QColor>
#include <QString>

#include "session/PreAction.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {

struct PreActionOption {
    PreAction option = PreAction::check;
    QString label;
    bool selected = false;
    QString accessibilityHint;

    friend bool operator==(const PreActionOption&, const PreActionOption&) = default;
};

struct PreActionPanelModel {
    std::optional<PreAction> selected;

    QString header() const;
    QColor Palette::*headerColor() const;
    std::array<PreActionOption, 3> options() const;
    // Pressing the armed option disarms it; any other replaces the armed one.
    std::optional<PreAction> toggled(PreAction pressed) const;
};

}  // namespace pellox::app
