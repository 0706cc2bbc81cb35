#include "table/TableOverlay.hpp"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QVBoxLayout>

#include "kit/Fonts.hpp"
#include "kit/HoverButton.hpp"
#include "kit/ModalButtons.hpp"
#include "kit/Painting.hpp"
#include "kit/TextBlock.hpp"
#include "rules/Standing.hpp"
#include "table/TableControls.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {

namespace {

constexpr qreal veilOpacity = 0.6;
constexpr int cardSpacing = 16;
constexpr int cardPadding = 24;
constexpr int outerPadding = 24;
constexpr qreal cardRadius = 20;

constexpr qreal buttonRadius = 6;
const QMargins buttonPadding(14, 5, 14, 5);
constexpr qreal borderedFillOpacity = 0.12;

// The card itself: feltDark with a thin border, drawn behind its children.
class OverlayCard : public QWidget {
  public:
    OverlayCard(const AppContext& context, QWidget* parent) : QWidget(parent), context_(context) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        const Palette& p = context_.palette();
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        fillRoundedRect(painter, rect(), cardRadius, p.feltDark);
        strokeRoundedRectInside(painter, rect(), cardRadius, p.border);
    }

  private:
    const AppContext& context_;
};

}  // namespace

TableOverlay::TableOverlay(const AppContext& context, const QString& title, QWidget* parent)
    : QWidget(parent), context_(context), card_(new OverlayCard(context, this)) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(outerPadding, outerPadding, outerPadding, outerPadding);
    outer->addWidget(card_, 0, Qt::AlignCenter);
    content_ = new QVBoxLayout(card_);
    content_->setContentsMargins(cardPadding, cardPadding, cardPadding, cardPadding);
    content_->setSpacing(cardSpacing);
    title_ = new TextBlock(title, card_);
    title_->setTextFont(fixedFont(20, FontWeight::heavy));
    title_->setAlignment(Qt::AlignHCenter);
    content_->addWidget(title_);
    if (parent) {
        setGeometry(parent->rect());
        parent->installEventFilter(this);
    }
    for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        connect(shortcut, &QShortcut::activated, this, [this] {
            if (main_) main_->click();
        });
    }
    connect(&context_, &AppContext::paletteChanged, this, &TableOverlay::applyPalette);
}

TableOverlay* TableOverlay::busted(const AppContext& context, QWidget* parent,
                                   std::function<void()> onEndSession, std::function<void()> onRebuy) {
    auto* overlay = new TableOverlay(context, tr("You're out of chips"), parent);
    auto* endSession = overlay->button(tr("End session"), false, std::move(onEndSession));
    auto* rebuy = overlay->button(tr("Rebuy"), true, std::move(onRebuy));
    overlay->content_->addWidget(new ModalButtons({endSession, rebuy}, overlay->card_));
    overlay->setMainButton(rebuy);
    return overlay;
}

TableOverlay* TableOverlay::tournamentComplete(const AppContext& context, QWidget* parent,
                                               const std::vector<Standing>& standings,
                                               const PlayerNameSource& name,
                                               std::function<void()> onSeeSummary) {
    auto* overlay = new TableOverlay(context, tr("Tournament Complete"), parent);
    const std::vector<std::string> texts = TableControls::standingLines(standings, name);
    for (std::size_t i = 0; i < standings.size(); ++i) {
        auto* line = new TextBlock(QString::fromStdString(texts[i]), overlay->card_);
        line->setTextFont(fixedFont(13));
        line->setObjectName(QString::fromStdString(standings[i].playerId));
        line->setAlignment(Qt::AlignHCenter);
        overlay->content_->addWidget(line);
    }
    auto* seeSummary = overlay->button(tr("See summary"), true, std::move(onSeeSummary));
    overlay->content_->addWidget(seeSummary, 0, Qt::AlignHCenter);
    overlay->setMainButton(seeSummary);
    return overlay;
}

HoverButton* TableOverlay::button(const QString& label, bool prominent, std::function<void()> action) {
    auto* b = new HoverButton(context_, label, card_);
    b->setShape(HoverButton::Shape::roundedRect, buttonRadius);
    b->setPadding(buttonPadding);
    b->setTextFont(fixedFont(13, prominent ? FontWeight::semibold : FontWeight::regular));
    b->setProperty("prominent", prominent);
    connect(b, &QAbstractButton::clicked, this, [action = std::move(action)] {
        if (action) action();
    });
    return b;
}

void TableOverlay::setMainButton(QAbstractButton* button) {
    main_ = button;
    applyPalette();
}

QStringList TableOverlay::lines() const {
    QStringList out;
    for (const TextBlock* block : card_->findChildren<TextBlock*>())
        if (block != title_) out << block->text();
    return out;
}

void TableOverlay::applyPalette() {
    const Palette& p = context_.palette();
    for (TextBlock* block : card_->findChildren<TextBlock*>())
        block->setColor(p.text);
    for (HoverButton* b : card_->findChildren<HoverButton*>()) {
        const bool prominent = b->property("prominent").toBool();
        b->setFill(prominent ? p.accent : withOpacity(p.text, borderedFillOpacity));
        b->setTextColor(prominent ? p.onAccent : p.text);
        b->setStroke(prominent ? QColor(Qt::transparent) : p.border, prominent ? 0 : 1);
    }
    update();
}

bool TableOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void TableOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), withOpacity(Qt::black, veilOpacity));
}

// The veil takes every click, so nothing under it is reached.
void TableOverlay::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

}  // namespace pellox::app
