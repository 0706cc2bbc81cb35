#include "table/PreActionPanelModel.hpp"

namespace pellox::app {

namespace {

QString labelText(PreAction option) {
    const auto text = label(option);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString PreActionPanelModel::header() const {
    if (!selected) return QStringLiteral("ACT AHEAD");
    return "WILL " + labelText(*selected).toUpper();
}

QColor Palette::*PreActionPanelModel::headerColor() const {
    return selected ? &Palette::accent : &Palette::textMuted;
}

std::array<PreActionOption, 3> PreActionPanelModel::options() const {
    std::array<PreActionOption, 3> out;
    const auto cases = allCases<PreAction>();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const bool isSelected = selected == cases[i];
        out[i] = {cases[i], labelText(cases[i]), isSelected,
                  isSelected ? QStringLiteral("Selected. Click to cancel.")
                             : QStringLiteral("Takes this action automatically when it is your turn.")};
    }
    return out;
}

std::optional<PreAction> PreActionPanelModel::toggled(PreAction pressed) const {
    if (selected == pressed) return std::nullopt;
    return pressed;
}

}  // namespace pellox::app
