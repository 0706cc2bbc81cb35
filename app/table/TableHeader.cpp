#include "table/TableHeader.hpp"

#include <QHBoxLayout>

#include "kit/Fonts.hpp"
#include "kit/HoverButton.hpp"
#include "kit/TextBlock.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {

TableHeader::TableHeader(const AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context), exit_(new HoverButton(context, tr("Exit"), this)) {
    const QFont font = fixedFont(15, FontWeight::bold);
    exit_->setShape(HoverButton::Shape::none);
    exit_->setPadding({});
    exit_->setTextFont(font);
    title_ = new TextBlock({}, this);
    title_->setTextFont(font);
    title_->setMaximumLines(1);
    title_->setAlignment(Qt::AlignHCenter);
    twin_ = new QWidget(this);
    twin_->setFixedSize(exit_->sizeHint());
    twin_->setAccessibleName({});

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(exit_, 0, Qt::AlignVCenter);
    row->addWidget(title_, 1, Qt::AlignVCenter);
    row->addWidget(twin_, 0, Qt::AlignVCenter);
    connect(exit_, &QAbstractButton::clicked, this, &TableHeader::exitRequested);
    connect(&context_, &AppContext::paletteChanged, this, &TableHeader::applyPalette);
    applyPalette();
}

void TableHeader::setTitle(const QString& title) {
    title_->setText(title);
}

QAbstractButton* TableHeader::exitButton() const {
    return exit_;
}

void TableHeader::applyPalette() {
    const Palette& p = context_.palette();
    exit_->setTextColor(p.accent);
    title_->setColor(p.text);
}

}  // namespace pellox::app
