#include "shell/MissingRecordView.hpp"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "kit/Fonts.hpp"
#include "kit/TextColor.hpp"
#include "store/HandRecord.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

constexpr int spacing = 8;
constexpr qreal headlineSize = 17;
constexpr qreal explanationSize = 14;

QLabel* label(const QString& text, const QFont& font, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setFont(font);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

}  // namespace

QString MissingRecordView::headline() {
    return QStringLiteral("Hand no longer available");
}

QString MissingRecordView::explanation() {
    return QStringLiteral("History keeps the most recent %1 hands.").arg(HandRecord::historyLimit);
}

MissingRecordView::MissingRecordView(AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    setWindowTitle(QStringLiteral("Replay"));
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(spacing);
    layout->addStretch(1);
    headline_ = label(headline(), fixedFont(headlineSize, FontWeight::bold), this);
    explanation_ = label(explanation(), fixedFont(explanationSize), this);
    layout->addWidget(headline_);
    layout->addWidget(explanation_);
    layout->addStretch(1);
    connect(&context_, &AppContext::paletteChanged, this, &MissingRecordView::restyle);
    restyle();
}

void MissingRecordView::restyle() {
    const Palette& palette = context_.palette();
    setTextColor(headline_, palette.text);
    setTextColor(explanation_, palette.textMuted);
    update();
}

void MissingRecordView::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), context_.palette().feltDark);
}

}  // namespace pellox::app
