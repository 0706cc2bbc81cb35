#include "table/PreActionPanelView.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "kit/AnimatedNumber.hpp"
#include "kit/Fonts.hpp"
#include "kit/HoverButton.hpp"
#include "kit/Painting.hpp"
#include "kit/Spring.hpp"
#include "kit/Transition.hpp"
#include "table/PreActionPanelModel.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {

namespace {

constexpr int spacing = 4;
constexpr int rowSpacing = 8;
constexpr int paddingX = 16;
constexpr int paddingY = 8;
constexpr double headerSize = 10;
constexpr double headerTracking = 1.2;
constexpr double optionTextSize = 14;
constexpr double optionMinTextScale = 0.75;
constexpr int optionHeight = 30;
constexpr int optionRadius = 12;
constexpr Spring selectionSpring{0.2, 0.85};

}  // namespace

PreActionPanelView::PreActionPanelView(const AppContext& context, OnSelect onSelect, QWidget* parent)
    : QWidget(parent), context_(context), onSelect_(std::move(onSelect)) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(paddingX, paddingY, paddingX, paddingY);
    column->setSpacing(spacing);
    header_ = new QLabel(this);
    header_->setAlignment(Qt::AlignCenter);
    header_->setFont(withTracking(fixedFont(headerSize, FontWeight::heavy), headerTracking));
    column->addWidget(header_);

    auto* row = new QHBoxLayout;
    row->setSpacing(rowSpacing);
    const auto cases = allCases<PreAction>();
    for (std::size_t i = 0; i < options_.size(); ++i) {
        auto* option = new HoverButton(context_, {}, this);
        option->setShape(HoverButton::Shape::roundedRect, optionRadius);
        option->setTextFont(fixedFont(optionTextSize, FontWeight::bold));
        option->setMinimumTextScale(optionMinTextScale);
        option->setPadding({4, 0, 4, 0});
        option->setFixedHeight(optionHeight);
        option->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        // Checked only to report the selected state; the owner decides it.
        option->setCheckable(true);
        connect(option, &QAbstractButton::clicked, this, [this, pressed = cases[i]] {
            const auto next = PreActionPanelModel{selected()}.toggled(pressed);
            refresh();
            if (onSelect_) onSelect_(next);
        });
        options_[i] = option;
        selection_[i] = new AnimatedNumber(0, this);
        connect(selection_[i], &AnimatedNumber::valueChanged, this, [this, i] { paintOption(i); });
        row->addWidget(option, 1);
    }
    column->addLayout(row);
    connect(&context_, &AppContext::paletteChanged, this, &PreActionPanelView::refresh);
    refresh();
}

std::optional<PreAction> PreActionPanelView::selected() const {
    if (selected_ < 0) return std::nullopt;
    return allCases<PreAction>()[static_cast<std::size_t>(selected_)];
}

HoverButton* PreActionPanelView::option(PreAction option) const {
    return options_[static_cast<std::size_t>(option)];
}

// A new choice springs the options' colours over and cross-fades the header.
void PreActionPanelView::setSelected(std::optional<PreAction> selected) {
    const int next = selected ? static_cast<int>(*selected) : -1;
    if (next != selected_ && PreActionPanelModel{selected}.header() != header_->text())
        crossFade(*header_, selectionSpring, context_, this);
    selected_ = next;
    for (std::size_t i = 0; i < selection_.size(); ++i)
        selection_[i]->animateTo(static_cast<int>(i) == selected_ ? 1 : 0, selectionSpring, context_);
    refresh();
}

void PreActionPanelView::refresh() {
    const Palette& palette = context_.palette();
    const PreActionPanelModel model{selected()};
    header_->setText(model.header());
    QPalette headerPalette = header_->palette();
    headerPalette.setColor(QPalette::WindowText, palette.*model.headerColor());
    header_->setPalette(headerPalette);
    const auto options = model.options();
    for (std::size_t i = 0; i < options_.size(); ++i) {
        HoverButton* button = options_[i];
        const PreActionOption& o = options[i];
        button->setText(o.label);
        button->setAccessibleName(o.label);
        button->setAccessibleDescription(o.accessibilityHint);
        button->setChecked(o.selected);
        paintOption(i);
    }
}

void PreActionPanelView::paintOption(std::size_t index) {
    const Palette& palette = context_.palette();
    const double selected = selection_[index]->value();
    HoverButton* button = options_[index];
    button->setFill(mixed(palette.panel, palette.accent, selected));
    button->setStroke(mixed(palette.border, palette.accent, selected), 1);
    button->setTextColor(mixed(palette.text, palette.onAccent, selected));
}

}  // namespace pellox::app
