// Pictures of the kit for a person to judge (written only when PELLOX_GALLERY_DIR is set).
#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "Gallery.hpp"
#include "kit/Fonts.hpp"
#include "kit/HoverButton.hpp"
#include "kit/ModalButtons.hpp"
#include "kit/Painting.hpp"
#include "kit/PointerHover.hpp"
#include "kit/SegmentedControl.hpp"
#include "kit/Stepper.hpp"
#include "kit/SymbolIcon.hpp"
#include "kit/TextColor.hpp"
#include "kit/TextFit.hpp"

namespace pellox::app {
namespace {

void hover(QWidget* widget) {
    QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(widget, &event);
}

HoverButton* actionButton(AppContext& context, const QString& text, const QColor& fill) {
    auto* button = new HoverButton(context, text);
    button->setShape(HoverButton::Shape::roundedRect, 12);
    button->setFill(fill);
    button->setTextColor(Qt::white);
    button->setTextFont(fixedFont(17, FontWeight::heavy));
    button->setMinimumTextScale(0.7);
    button->setFixedHeight(52);
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);  // equal shares of the row
    return button;
}

HoverButton* preset(AppContext& context, const QString& text, bool selected) {
    const Palette& p = context.palette();
    auto* button = new HoverButton(context, text);
    button->setShape(HoverButton::Shape::capsule);
    button->setFill(selected ? p.accent : p.seatEmpty);
    button->setTextColor(selected ? p.onAccent : p.text);
    button->setTextFont(fixedFont(13, FontWeight::bold));
    button->setPadding({16, 8, 16, 8});
    button->setHitMargins({0, 7, 0, 7});
    return button;
}

HoverButton* transport(AppContext& context, Symbol symbol, bool enabled) {
    const Palette& p = context.palette();
    auto* button = new HoverButton(context);
    button->setShape(HoverButton::Shape::none);
    button->setSymbol(symbol, 17, FontWeight::bold);
    button->setFaceSize({28, 28});
    button->setPadding({});
    button->setTextColor(enabled ? p.accent : p.textMuted);
    button->setEnabled(enabled);
    return button;
}

HoverButton* quickLink(AppContext& context, Symbol symbol, const QString& text) {
    const Palette& p = context.palette();
    auto* button = new HoverButton(context, text);
    button->setShape(HoverButton::Shape::roundedRect, 12);
    button->setFill(p.panel);
    button->setStroke(p.border, 1);
    button->setTextColor(p.text);
    button->setTextFont(scaledFont(11, FontWeight::bold));
    button->setSymbol(symbol, 17, FontWeight::semibold, HoverButton::SymbolPlacement::above, 4);
    button->setFaceSize({96, 64});
    return button;
}

QLabel* caption(AppContext& context, const QString& text) {
    auto* label = new QLabel(text);
    label->setFont(scaledFont(11, FontWeight::semibold));
    setTextColor(label, context.palette().textMuted);
    return label;
}

TEST(GalleryKit, Buttons) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    gallery::shootEach("kit-buttons", {560, 420}, [](AppContext& context) {
        const Palette& p = context.palette();
        auto root = std::make_unique<QWidget>();
        auto* column = new QVBoxLayout(root.get());
        column->setContentsMargins(16, 16, 16, 16);
        column->setSpacing(8);

        column->addWidget(caption(context, "Action bar (the call button hovered; the raise text shrinks)"));
        auto* actions = new QHBoxLayout;
        actions->setSpacing(8);
        HoverButton* call = actionButton(context, "Call $20", p.callBtn);
        actions->addWidget(actionButton(context, "Fold", p.foldBtn));
        actions->addWidget(call);
        actions->addWidget(actionButton(context, "Raise $123456789", p.raiseBtn));
        actions->addWidget(actionButton(context, "All-in $1500", p.allInBtn));
        column->addLayout(actions);

        column->addWidget(caption(context, "Presets (Pot selected, hit area 7 px above and below)"));
        auto* presets = new QHBoxLayout;
        presets->setSpacing(8);
        presets->addStretch();
        for (const char* text : {"Min", "\u00bd Pot", "Pot", "All-in"})
            presets->addWidget(preset(context, text, QString(text) == "Pot"));
        presets->addStretch();
        column->addLayout(presets);

        column->addWidget(caption(context, "Replay transport (first two disabled, play hovered)"));
        auto* row = new QHBoxLayout;
        HoverButton* play = nullptr;
        for (Symbol s : {Symbol::backwardEndFill, Symbol::chevronLeft, Symbol::playFill, Symbol::chevronRight,
                         Symbol::forwardEndFill}) {
            const bool enabled = s != Symbol::backwardEndFill && s != Symbol::chevronLeft;
            HoverButton* button = transport(context, s, enabled);
            if (s == Symbol::playFill) play = button;
            row->addWidget(button);
        }
        row->addStretch();
        column->addLayout(row);

        column->addWidget(caption(context, "Quick links (Stats hovered)"));
        auto* links = new QHBoxLayout;
        HoverButton* stats = quickLink(context, Symbol::chartBarFill, "Stats");
        links->addWidget(stats);
        links->addWidget(quickLink(context, Symbol::clockArrowCirclepath, "History"));
        links->addWidget(quickLink(context, Symbol::squareGrid3x3Fill, "Ranges"));
        links->addWidget(quickLink(context, Symbol::gearshapeFill, "Settings"));
        links->addStretch();
        column->addLayout(links);
        column->addStretch();

        context.setReduceMotion(true);
        for (QWidget* w :
             {static_cast<QWidget*>(call), static_cast<QWidget*>(play), static_cast<QWidget*>(stats)})
            hover(w);
        return root;
    });
}

TEST(GalleryKit, Controls) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    gallery::shootEach("kit-controls", {520, 300}, [](AppContext& context) {
        auto root = std::make_unique<QWidget>();
        auto* column = new QVBoxLayout(root.get());
        column->setContentsMargins(16, 16, 16, 16);
        column->setSpacing(10);
        column->addWidget(caption(context, "Segmented pickers"));
        auto* filter = new SegmentedControl(context, "Filter", {"All", "Won", "Lost", "Misplayed"});
        filter->setCurrentIndex(1);
        column->addWidget(filter);
        auto* guide = new SegmentedControl(context, "Guide", {"Show advice", "Test yourself", "Off"});
        column->addWidget(guide);
        auto* narrow =
            new SegmentedControl(context, "Situation", {"First in", "Facing a raise", "Facing a 3-bet"});
        narrow->setCurrentIndex(2);
        narrow->setFixedWidth(240);
        column->addWidget(narrow);
        column->addWidget(caption(context, "Steppers (at the lower bound, between, at the upper bound)"));
        auto* low = new Stepper(
            context, [](std::int64_t v) { return QString("Big blind: $%1").arg(v); }, 2, 100, 2);
        low->setValue(2);
        auto* mid = new Stepper(
            context, [](std::int64_t v) { return QString("Buy-in: $%1").arg(v); }, 100, 10000, 100);
        mid->setValue(1000);
        auto* high = new Stepper(
            context, [](std::int64_t v) { return QString("Tournament stack: %1").arg(v); }, 500, 50000, 500);
        high->setValue(50000);
        for (Stepper* s : {low, mid, high})
            column->addWidget(s);
        column->addWidget(caption(context, "Modal buttons"));
        column->addWidget(new ModalButtons({new QPushButton("Cancel"), new QPushButton("Leave")}));
        column->addStretch();
        return root;
    });
}

TEST(GalleryKit, Symbols) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    const auto symbols = allSymbols();
    const int rows = static_cast<int>(symbols.size());
    gallery::paint("kit-symbols", {620, 40 + rows * 64}, [&](QPainter& painter, const Palette& palette) {
        painter.setPen(palette.textMuted);
        painter.setFont(fixedFont(11, FontWeight::semibold));
        painter.drawText(QRectF(16, 8, 600, 20),
                         "10 bold, 17 regular/bold (28 frame), 28 semibold, 56 semibold; name");
        for (int i = 0; i < rows; ++i) {
            const qreal y = 36 + i * 64;
            const Symbol s = symbols[static_cast<size_t>(i)];
            paintSymbol(painter, s, QRectF(16, y + 18, 10, 10), 10, palette.textMuted, FontWeight::bold);
            painter.setPen(QPen(withOpacity(palette.border, 1), 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(40.5, y + 8.5, 27, 27));
            paintSymbol(painter, s, QRectF(40, y + 8, 28, 28), 17, palette.text, FontWeight::regular);
            paintSymbol(painter, s, QRectF(76, y + 8, 28, 28), 17, palette.accent, FontWeight::bold);
            paintSymbol(painter, s, QRectF(116, y + 8, 28, 28), 28, palette.text, FontWeight::semibold);
            paintSymbol(painter, s, QRectF(156, y, 56, 56), 56, palette.accent, FontWeight::semibold);
            painter.setPen(palette.text);
            painter.setFont(fixedFont(13));
            painter.drawText(QRectF(230, y, 380, 56), Qt::AlignVCenter, QString::fromLatin1(systemName(s)));
        }
    });
}

TEST(GalleryKit, PaintingAndText) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    gallery::paint("kit-painting", {620, 440}, [](QPainter& painter, const Palette& p) {
        painter.fillRect(QRectF(0, 0, 620, 220), p.felt);
        // Side-panel cards, plain and with a state colour.
        paintSidePanelCard(painter, QRectF(16, 16, 180, 100), p);
        paintSidePanelCard(painter, QRectF(212, 16, 180, 100), p, p.success);
        painter.setPen(p.text);
        painter.setFont(scaledFont(15, FontWeight::semibold));
        painter.drawText(QRectF(32, 32, 148, 20), "Side-panel card");
        painter.setPen(p.textMuted);
        painter.setFont(scaledFont(12));
        painter.drawText(QRectF(228, 32, 148, 20), "stroked in success");
        // Tinted badges.
        const QFont badgeFont = fixedFont(11, FontWeight::bold);
        paintTintedBadge(painter, QRectF(16, 132, 70, 20), p.success, "Premium", badgeFont, p.success);
        paintTintedBadge(painter, QRectF(94, 132, 70, 20), p.danger, "-EV", badgeFont, p.danger);
        paintTintedBadge(painter, QRectF(172, 132, 70, 20), p.accent, "Strong", badgeFont, p.accent);
        // Shadows under a card shape and a capsule.
        const QRectF card(420, 20, 60, 84);
        paintShadow(painter, roundedRectPath(card, 6), QColor(0, 0, 0, 102), 3, QPointF(0, 2));
        fillRoundedRect(painter, card, 6, p.card);
        strokeRoundedRectInside(painter, card, 6, p.cardBorder, 1);
        const QRectF chip(500, 40, 90, 24);
        paintShadow(painter, capsulePath(chip), QColor(0, 0, 0, 102), 3, QPointF(0, 2));
        fillCapsule(painter, chip, p.success);
        strokeCapsuleInside(painter, chip, withOpacity(Qt::white, 0.5), 1);
        painter.setPen(Qt::white);
        painter.setFont(fixedFont(12, FontWeight::bold));
        painter.drawText(chip, Qt::AlignCenter, "$120");
        // Glow and hover brightening of one colour.
        paintShadow(painter, roundedRectPath(QRectF(420, 140, 60, 60), 12), p.glow, 12);
        fillRoundedRect(painter, QRectF(420, 140, 60, 60), 12, p.seatEmpty);
        fillRoundedRect(painter, QRectF(500, 140, 40, 40), 8, p.raiseBtn);
        fillRoundedRect(painter, QRectF(550, 140, 40, 40), 8, brightened(p.raiseBtn, 0.08));

        // Fonts: every weight, scaled and rounded.
        const char* names[] = {"regular", "medium", "semibold", "bold", "heavy", "black"};
        for (int i = 0; i < 6; ++i) {
            const auto weight = static_cast<FontWeight>(i);
            painter.setPen(p.text);
            painter.setFont(scaledFont(17, weight));
            painter.drawText(QRectF(16, 230 + i * 26, 280, 24),
                             QString("17 %1 Hold'em $1,250").arg(names[i]));
            painter.setFont(fixedFont(17, weight, FontDesign::rounded));
            painter.drawText(QRectF(300, 230 + i * 26, 300, 24),
                             QString("rounded %1 10\u2660 K\u2665").arg(names[i]));
        }
        // Text that shrinks to 0.7, then elides.
        painter.setPen(Qt::white);
        const QFont heavy = fixedFont(17, FontWeight::heavy);
        int x = 16;
        for (int width : {150, 110, 70}) {
            fillRoundedRect(painter, QRectF(x, 392, width, 36), 8, p.callBtn);
            drawFittedText(painter, QRectF(x + 6, 392, width - 12, 36), "Call $1250", heavy, 0.7);
            x += width + 12;
        }
    });
}

}  // namespace
}  // namespace pellox::app
