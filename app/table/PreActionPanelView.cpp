#include "table/PreActionPanelView.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "kit/Fonts.hpp"
#include "kit/HoverButton.hpp"
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

void PreActionPanelView::setSelected(std::optional<PreAction> selected) {
    selected_ = selected ? static_cast<int>(*selected) : -1;
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
        button->setFill(o.selected ? palette.accent : palette.panel);
        button->setStroke(o.selected ? palette.accent : palette.border, 1);
        button->setTextColor(o.selected ? palette.onAccent : palette.text);
    }
}

}  // namespace pellox::app
