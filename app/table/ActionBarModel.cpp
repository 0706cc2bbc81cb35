#include "table/ActionBarModel.hpp"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <numeric>

#include "kit/MoneyText.hpp"
#include "rules/Card.hpp"

namespace pellox::app {

namespace {

// Room for the rounding of glyph advances when a text is drawn smaller than measured.
constexpr double textSlack = 2;

// Each width at least `level`, a text wider than it keeping its own; the level is the largest that fits.
std::vector<double> waterFill(const std::vector<double>& needs, double inner) {
    std::vector<double> sorted = needs;
    std::sort(sorted.begin(), sorted.end(), std::greater<>());
    double rest = inner;
    std::size_t left = sorted.size();
    for (double need : sorted) {
        if (need <= rest / static_cast<double>(left)) break;
        rest -= need;
        --left;
    }
    const double level = left > 0 ? rest / static_cast<double>(left) : 0;
    std::vector<double> out;
    for (double need : needs)
        out.push_back(std::max(need, level));
    return out;
}

}  // namespace

std::vector<int> ActionBarModel::buttonWidths(const std::vector<QString>& texts, const QFont& font,
                                              int rowWidth, int spacing) {
    if (texts.empty()) return {};
    const double inner = std::max(0, rowWidth - spacing * static_cast<int>(texts.size() - 1));
    std::vector<double> needs;
    const QFontMetricsF metrics(font);
    for (const QString& text : texts)
        needs.push_back(std::ceil(metrics.horizontalAdvance(text)) + textSlack);
    const double total = std::accumulate(needs.begin(), needs.end(), 0.0);
    std::vector<double> shares = waterFill(needs, inner);
    if (total > inner)
        std::transform(needs.begin(), needs.end(), shares.begin(),
                       [&](double need) { return need * inner / total; });
    std::vector<int> widths;
    for (double share : shares)
        widths.push_back(static_cast<int>(std::floor(share)));
    return widths;
}

std::int64_t ActionBarModel::clampToRange(std::int64_t amount, const LegalActions& legal) {
    return std::max(std::min(amount, legal.maxRaiseTo), legal.minRaiseTo);
}

std::int64_t ActionBarModel::raiseToFromSlider(double value) {
    return roundToChipStep(value);
}

std::vector<ActionBarButton> ActionBarModel::buttons() const {
    std::vector<ActionBarButton> out;
    if (legal_.canFold) out.push_back({"Fold", &Palette::foldBtn, {PlayerActionType::fold, std::nullopt}});
    if (legal_.canCheck) {
        out.push_back({"Check", &Palette::callBtn, {PlayerActionType::check, std::nullopt}});
    } else if (legal_.canCall) {
        out.push_back({"Call " + moneyText(legal_.callAmount),
                       &Palette::callBtn,
                       {PlayerActionType::call, legal_.callAmount}});
    }
    if (showsRaiseSection()) out.push_back(raiseButton());
    return out;
}

ActionBarButton ActionBarModel::raiseButton() const {
    const std::int64_t amount = appliedRaise();
    const PlayerAction action{legal_.canBet ? PlayerActionType::bet : PlayerActionType::raise, amount};
    if (amount < legal_.maxRaiseTo) return {"Raise " + moneyText(amount), &Palette::raiseBtn, action};
    return {"All-in " + moneyText(amount), &Palette::allInBtn, action};
}

std::array<ActionBarPreset, 4> ActionBarModel::presets() const {
    const std::array<std::pair<QString, std::int64_t>, 4> proposals{{
        {"Min", legal_.minRaiseTo},
        {QStringLiteral("½ Pot"), roundToChipStep(static_cast<double>(potSize_) * 0.5)},
        {"Pot", potSize_},
        {"All-in", legal_.maxRaiseTo},
    }};
    std::array<ActionBarPreset, 4> out;
    for (std::size_t i = 0; i < proposals.size(); ++i) {
        const auto& [text, proposed] = proposals[i];
        const std::int64_t amount = clampToRange(proposed, legal_);
        out[i] = {text, amount, amount == raiseTo_, "Set raise to " + text + ", " + moneyText(amount)};
    }
    return out;
}

double ActionBarModel::sliderMinimum() const {
    return static_cast<double>(legal_.minRaiseTo);
}

double ActionBarModel::sliderMaximum() const {
    return static_cast<double>(std::max(legal_.minRaiseTo + 1, legal_.maxRaiseTo));
}

QString ActionBarModel::sliderAccessibleValue() const {
    return moneyText(appliedRaise());
}

}  // namespace pellox::app
