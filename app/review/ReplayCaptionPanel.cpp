#include "review/ReplayCaptionPanel.hpp"

#include <QPainter>

#include "kit/Fonts.hpp"
#include "kit/Painting.hpp"
#include "kit/TextColor.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

constexpr int padding = 8;
constexpr qreal radius = 6;

}  // namespace

ReplayCaptionPanel::ReplayCaptionPanel(AppContext& context, QWidget* parent)
    : QLabel(parent), context_(context) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setContentsMargins(padding, padding, padding, padding);
    setFont(scaledFont(15, FontWeight::semibold));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);
    connect(&context_, &AppContext::paletteChanged, this, &ReplayCaptionPanel::recolor);
    recolor();
}

void ReplayCaptionPanel::recolor() {
    setTextColor(this, context_.palette().text);
    update();
}

void ReplayCaptionPanel::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        fillRoundedRect(painter, rect(), radius, context_.palette().panel);
    }
    QLabel::paintEvent(event);
}

}  // namespace pellox::app
