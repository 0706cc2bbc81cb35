#include "table/ActionBarView.hpp"

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "kit/Fonts.hpp"
#include "kit/HoverButton.hpp"
#include "kit/SliderValueText.hpp"
#include "kit/Transition.hpp"
#include "rules/Card.hpp"
#include "table/ActionBarModel.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {

namespace {

constexpr int spacing = 8;
constexpr int raiseSectionSpacing = 4;
constexpr int paddingX = 24;
constexpr int paddingY = 16;
constexpr int buttonRadius = 12;
constexpr double buttonTextSize = 17;
constexpr double buttonMinTextScale = 0.7;
constexpr double presetTextSize = 13;
constexpr int presetPaddingX = 16;
constexpr int presetMinPaddingX = 6;
constexpr int presetPaddingY = 8;
constexpr int presetHitMargin = 7;

}  // namespace

ActionBarView::ActionBarView(const AppContext& context, OnAction onAction, QWidget* parent)
    : QWidget(parent), context_(context), onAction_(std::move(onAction)) {
    build();
    connect(&context_, &AppContext::paletteChanged, this, &ActionBarView::refresh);
}

void ActionBarView::build() {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(paddingX, paddingY, paddingX, paddingY);
    column->setSpacing(spacing);

    raiseSection_ = new QWidget(this);
    auto* raise = new QVBoxLayout(raiseSection_);
    raise->setContentsMargins(0, 0, 0, 0);
    raise->setSpacing(raiseSectionSpacing);
    presetRow_ = new QHBoxLayout;
    presetRow_->setSpacing(spacing);
    presetRow_->addStretch();
    for (std::size_t i = 0; i < presets_.size(); ++i) {
        auto* preset = new HoverButton(context_, {}, raiseSection_);
        preset->setShape(HoverButton::Shape::capsule);
        preset->setTextFont(fixedFont(presetTextSize, FontWeight::bold));
        preset->setPadding({presetPaddingX, presetPaddingY, presetPaddingX, presetPaddingY});
        preset->setHitMargins({0, presetHitMargin, 0, presetHitMargin});
        connect(preset, &QAbstractButton::clicked, this, [this, i] {
            raiseTo_ = ActionBarModel(legal_, potSize_, raiseTo_).presets()[i].amount;
            refresh();
        });
        presets_[i] = preset;
        presetRow_->addWidget(preset);
    }
    presetRow_->addStretch();
    raise->addLayout(presetRow_);
    slider_ = new QSlider(Qt::Horizontal, raiseSection_);
    // First of all: the slider's first change of name or value may already build its accessible interface.
    setAccessibleValueText(slider_, {});
    slider_->setAccessibleName(QStringLiteral("Raise amount"));
    // Arrow keys move by one chip step, Page Up and Down by ten.
    slider_->setSingleStep(static_cast<int>(chipStep));
    slider_->setPageStep(static_cast<int>(10 * chipStep));
    connect(slider_, &QSlider::valueChanged, this, &ActionBarView::sliderMoved);
    raise->addWidget(slider_);
    column->addWidget(raiseSection_);

    auto* row = new QHBoxLayout;
    row->setSpacing(spacing);
    buttonRow_ = row;
    for (int i = 0; i < 3; ++i) {
        auto* button = new HoverButton(context_, {}, this);
        button->setShape(HoverButton::Shape::roundedRect, buttonRadius);
        button->setTextFont(fixedFont(buttonTextSize, FontWeight::heavy));
        button->setMinimumTextScale(buttonMinTextScale);
        button->setFixedHeight(buttonHeight);
        // The text has the face's whole width: amounts of up to six digits fit the side panel.
        button->setPadding({0, 0, 0, 0});
        // The row shares its width out by the stretch fitButtons() sets, not by the texts' own sizes.
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        button->installEventFilter(this);
        connect(button, &QAbstractButton::clicked, this, [this, i] {
            const auto shown = ActionBarModel(legal_, potSize_, raiseTo_).buttons();
            if (static_cast<std::size_t>(i) < shown.size() && onAction_) onAction_(shown[i].action);
        });
        buttons_.push_back(button);
        row->addWidget(button, 1);
    }
    column->addLayout(row);
    refresh();
}

void ActionBarView::setLegal(const LegalActions& legal, std::int64_t potSize) {
    setLegal(legal, potSize, Decision{});
}

void ActionBarView::setLegal(const LegalActions& legal, std::int64_t potSize, const Decision& decision) {
    const bool changed = decision_ != decision || !(legal == legal_);
    legal_ = legal;
    decision_ = decision;
    potSize_ = potSize;
    if (changed) raiseTo_ = legal.minRaiseTo;
    refresh();
}

void ActionBarView::sliderMoved(int value) {
    raiseTo_ = ActionBarModel::raiseToFromSlider(value);
    refresh();
}

void ActionBarView::refresh() {
    const Palette& palette = context_.palette();
    const ActionBarModel model(legal_, potSize_, raiseTo_);

    raiseSection_->setVisible(model.showsRaiseSection());
    const auto presets = model.presets();
    for (std::size_t i = 0; i < presets_.size(); ++i) {
        presets_[i]->setText(presets[i].text);
        presets_[i]->setAccessibleName(presets[i].accessibleName);
        presets_[i]->setFill(presets[i].selected ? palette.accent : palette.seatEmpty);
        presets_[i]->setTextColor(presets[i].selected ? palette.onAccent : palette.text);
    }
    {
        // The slider keeps its own position: the rounded amount is not fed back into it.
        const QSignalBlocker quiet(slider_);
        const int low = static_cast<int>(model.sliderMinimum());
        const int high = static_cast<int>(model.sliderMaximum());
        if (slider_->minimum() != low || slider_->maximum() != high ||
            ActionBarModel::raiseToFromSlider(slider_->value()) != raiseTo_) {
            slider_->setRange(low, high);
            slider_->setValue(static_cast<int>(std::clamp<std::int64_t>(raiseTo_, low, high)));
        }
    }
    QPalette tint = slider_->palette();
    tint.setColor(QPalette::Highlight, palette.accent);
    slider_->setPalette(tint);
    setAccessibleValueText(slider_, model.sliderAccessibleValue());

    const auto shown = model.buttons();
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i]->setVisible(i < shown.size());
        if (i >= shown.size()) continue;
        buttons_[i]->setText(shown[i].text);
        buttons_[i]->setFill(palette.*shown[i].fill);
        buttons_[i]->setTextColor(Qt::white);
    }
    fitPresets();
    fitButtons();
    update();
}

void ActionBarView::fitButtons() {
    const int available = width() - 2 * paddingX;
    if (available <= 0) return;
    std::vector<QString> texts;
    for (HoverButton* button : buttons_)
        if (!button->isHidden()) texts.push_back(button->text());
    const std::vector<int> widths =
        ActionBarModel::buttonWidths(texts, fixedFont(buttonTextSize, FontWeight::heavy), available, spacing);
    std::size_t next = 0;
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        if (!buttons_[i]->isHidden())
            buttonRow_->setStretch(static_cast<int>(i), std::max(1, widths[next++]));
}

// The presets keep their padding while the row has room, and give it up before their text shrinks.
void ActionBarView::fitPresets() {
    const int available = width() - 2 * paddingX;
    if (available <= 0) return;
    int natural = spacing * static_cast<int>(presets_.size() - 1);
    for (HoverButton* preset : presets_) {
        preset->setPadding({presetPaddingX, presetPaddingY, presetPaddingX, presetPaddingY});
        natural += preset->sizeHint().width();
    }
    if (natural <= available) return;
    const int perSide = static_cast<int>(std::ceil((natural - available) / (2.0 * presets_.size())));
    const int padding = std::max(presetMinPaddingX, presetPaddingX - perSide);
    for (HoverButton* preset : presets_)
        preset->setPadding({padding, presetPaddingY, padding, presetPaddingY});
}

void ActionBarView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitPresets();
    fitButtons();
}

bool ActionBarView::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            pressed_ = enteringEffect(*this) ? nullptr : watched;
            return pressed_ == nullptr;
        case QEvent::MouseButtonRelease: {
            const bool held = pressed_ == watched;
            pressed_ = nullptr;
            return !held;
        }
        default:
            return QWidget::eventFilter(watched, event);
    }
}

void ActionBarView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), context_.palette().feltDark);
}

}  // namespace pellox::app
