#include "table/ActionLogSheet.hpp"

#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "kit/Fonts.hpp"
#include "kit/ModalButtons.hpp"
#include "kit/PlayingCardView.hpp"
#include "kit/PointerHover.hpp"
#include "kit/ScrollPage.hpp"
#include "kit/TextBlock.hpp"
#include "rules/Card.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"
#include "theme/PaletteRole.hpp"

namespace pellox::app {

namespace {

constexpr int idealWidth = 460;
constexpr int idealHeight = 520;

constexpr int contentPadding = 24;
constexpr int contentSpacing = 24;
constexpr int sectionSpacing = 8;
constexpr int headerSpacing = 8;
constexpr int toolbarPadding = 10;

TextBlock* text(QWidget* parent, const QString& value, const QFont& font, const QColor& color) {
    auto* block = new TextBlock(value, parent);
    block->setTextFont(font);
    block->setColor(color);
    return block;
}

}  // namespace

ActionLogSheet::ActionLogSheet(const AppContext& context, std::vector<ActionLogStreet> log, QWidget* parent)
    : QDialog(parent), context_(context), log_(std::move(log)) {
    setWindowTitle(tr("This Hand"));
    setWindowModality(Qt::WindowModal);
    setMinimumSize(idealWidth, idealHeight);
    resize(idealWidth, idealHeight);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* close = new QPushButton(tr("Close"), this);
    // The sheet's one button: focused, or with the keys in the list, Return closes as the desktop's dialogs do.
    close->setAutoDefault(true);
    PointerHover::attach(close, context_);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* toolbar = new ModalButtons({close}, this);
    toolbar->setContentsMargins(toolbarPadding, toolbarPadding, toolbarPadding, toolbarPadding);
    column->addWidget(toolbar);

    // Nothing in the list takes the keys: the list is a stop of its own, scrolled by the arrows and pages.
    content_ = new QWidget;
    rows_ = new QVBoxLayout(content_);
    rows_->setContentsMargins(contentPadding, contentPadding, contentPadding, contentPadding);
    rows_->setSpacing(contentSpacing);
    QScrollArea* scroll = makeScrollPage(this, content_, tr("This Hand"));
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    column->addWidget(scroll, 1);

    connect(&context_, &AppContext::paletteChanged, this, &ActionLogSheet::rebuild);
    rebuild();
}

ActionLogSheet::~ActionLogSheet() = default;

void ActionLogSheet::setLog(std::vector<ActionLogStreet> log) {
    if (log == log_) return;
    log_ = std::move(log);
    rebuild();
}

PaletteRole ActionLogSheet::cardColor(const Card& card) {
    return card.suit == Suit::diamonds || card.suit == Suit::hearts ? PaletteRole::danger : PaletteRole::text;
}

void ActionLogSheet::rebuild() {
    while (QLayoutItem* item = rows_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const Palette& p = context_.palette();
    rows_->addWidget(text(content_, tr("This Hand"), fixedFont(17, FontWeight::heavy), p.text));
    for (const ActionLogStreet& street : log_)
        rows_->addWidget(section(street));
    if (log_.empty()) {
        rows_->addWidget(
            text(content_, tr("Nothing has happened yet this hand."), fixedFont(15), p.textMuted));
    }
    rows_->addStretch(1);
    update();
}

QWidget* ActionLogSheet::section(const ActionLogStreet& street) {
    const Palette& p = context_.palette();
    auto* box = new QWidget(content_);
    box->setObjectName(QString::fromStdString(street.id));
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(sectionSpacing);

    auto* header = new QHBoxLayout;
    header->setSpacing(headerSpacing);
    auto* label = text(box, QString::fromStdString(street.label).toUpper(),
                       withTracking(fixedFont(12, FontWeight::heavy), 1), p.accent);
    label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    header->addWidget(label, 0, Qt::AlignVCenter);
    for (const Card& card : street.cards) {
        auto* cardText = text(box, QString::fromStdString(symbolText(card)), fixedFont(13, FontWeight::bold),
                              color(cardColor(card), p));
        cardText->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        cardText->setAccessibleName(spokenName(card));
        header->addWidget(cardText, 0, Qt::AlignVCenter);
    }
    header->addStretch(1);
    column->addLayout(header);

    for (const ActionLogEntry& entry : street.entries) {
        column->addWidget(text(box, QString::fromStdString(entry.text),
                               fixedFont(15, entry.isHuman ? FontWeight::bold : FontWeight::regular),
                               entry.isHuman ? p.text : p.textMuted));
    }
    return box;
}

void ActionLogSheet::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), context_.palette().feltDark);
}

}  // namespace pellox::app
