#include "review/ReplayGuideCallout.hpp"

#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <QVariantAnimation>

#include "kit/Fonts.hpp"
#include "kit/Motion.hpp"
#include "kit/Painting.hpp"
#include "kit/TextColor.hpp"
#include "strategy/GradedDecision.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

constexpr int padding = 8;
constexpr int spacing = 3;
constexpr qreal radius = 6;
constexpr qreal borderOpacity = 0.6;

}  // namespace

ReplayGuideCallout::ReplayGuideCallout(AppContext& context, QWidget* parent)
    : QWidget(parent),
      context_(context),
      title_(new QLabel(this)),
      explanation_(new QLabel(this)),
      opacity_(new QGraphicsOpacityEffect(this)),
      fade_(new QVariantAnimation(this)) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);
    title_->setTextFormat(Qt::PlainText);
    title_->setFont(scaledFont(14, FontWeight::bold));
    explanation_->setTextFormat(Qt::PlainText);
    explanation_->setFont(scaledFont(12));
    explanation_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(padding, padding, padding, padding);
    layout->setSpacing(spacing);
    layout->addWidget(title_);
    layout->addWidget(explanation_);

    opacity_->setOpacity(1);
    setGraphicsEffect(opacity_);
    connect(fade_, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& value) { opacity_->setOpacity(value.toDouble()); });
    connect(fade_, &QVariantAnimation::finished, this, [this] {
        if (!decision_) hide();
    });
    connect(&context_, &AppContext::paletteChanged, this, &ReplayGuideCallout::refreshLook);
    hide();
}

ReplayGuideCallout::~ReplayGuideCallout() = default;

void ReplayGuideCallout::setDecision(const GradedDecision* decision, std::optional<Spring> motion) {
    const bool wasShown = decision_ != nullptr;
    decision_ = decision ? std::make_unique<GradedDecision>(*decision) : nullptr;
    const int duration = motion ? Motion::milliseconds(motion->settleDuration(), context_) : 0;
    // Leaving, the callout keeps its last look while it fades.
    refreshLook();
    if (decision_ && !wasShown) {
        opacity_->setOpacity(0);
        show();
        fadeTo(1, duration);
    } else if (!decision_ && wasShown) {
        fadeTo(0, duration);
    }
}

void ReplayGuideCallout::fadeTo(double opacity, int milliseconds) {
    fade_->stop();
    if (milliseconds <= 0) {
        opacity_->setOpacity(opacity);
        if (!decision_) hide();
        return;
    }
    fade_->setStartValue(opacity_->opacity());
    fade_->setEndValue(opacity);
    fade_->setDuration(milliseconds);
    fade_->start();
}

void ReplayGuideCallout::refreshLook() {
    if (!decision_) return;
    look_ = GuideCalloutLook::make(*decision_, context_.palette());
    title_->setText(look_->title);
    explanation_->setText(look_->explanation);
    setTextColor(title_, look_->color);
    setTextColor(explanation_, context_.palette().textMuted);
    setAccessibleName(look_->title);
    setAccessibleDescription(look_->explanation);
    update();
}

std::optional<GuideCalloutLook> ReplayGuideCallout::look() const {
    return decision_ ? look_ : std::nullopt;
}

QString ReplayGuideCallout::titleText() const {
    return title_->text();
}

void ReplayGuideCallout::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    fillRoundedRect(painter, rect(), radius, context_.palette().panel);
    if (look_) strokeRoundedRectInside(painter, rect(), radius, withOpacity(look_->color, borderOpacity), 1);
}

}  // namespace pellox::app
