#include "shell/HomeScreen.hpp"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <cmath>
#include <utility>

#include "kit/Fonts.hpp"
#include "kit/HoverButton.hpp"
#include "kit/KitControl.hpp"
#include "kit/Painting.hpp"
#include "kit/PointerHover.hpp"
#include "kit/ScrollPage.hpp"
#include "kit/SymbolIcon.hpp"
#include "kit/TextColor.hpp"
#include "kit/TextFit.hpp"
#include "session/GameSession.hpp"
#include "shell/GameSeed.hpp"
#include "shell/HomeScreenModel.hpp"
#include "store/SettingsStore.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

namespace model = HomeScreenModel;

constexpr int screenPadding = 24;
constexpr int screenSpacing = 24;
constexpr int headerSpacing = 4;
constexpr qreal titleSize = 30;
constexpr qreal titleTracking = 1;
constexpr qreal taglineSize = 15;
constexpr int cardPadding = 16;
constexpr int cardSpacing = 8;
constexpr qreal cardRadius = 12;
constexpr qreal sectionTitleSize = 12;
constexpr qreal sectionTitleTracking = 1.5;
constexpr int rowSpacing = 8;
constexpr int countDiameter = 48;
constexpr qreal countSize = 17;
constexpr qreal guideRadius = 6;
constexpr int guidePadding = 8;
constexpr qreal guideTitleSize = 15;
constexpr qreal guideDetailSize = 12;
constexpr int modePadding = 16;
constexpr qreal modeTitleSize = 20;
constexpr qreal modeSubtitleSize = 13;
constexpr int lineSpacing = 2;
constexpr qreal linkSymbolSize = 17;
constexpr qreal linkTextSize = 11;
constexpr int linkPadding = 8;
constexpr int linkSpacing = 4;

QLabel* textLabel(const QString& text, const QFont& font, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A titled card on the panel colour; its content goes into layout().
class SectionCard : public QWidget {
  public:
    SectionCard(const AppContext& context, QLabel* title, QWidget* parent)
        : QWidget(parent), context_(context) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(cardPadding, cardPadding, cardPadding, cardPadding);
        layout->setSpacing(cardSpacing);
        title->setParent(this);
        layout->addWidget(title);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        paintSidePanelCard(painter, rect(), context_.palette());
    }

  private:
    const AppContext& context_;
};

// A button of two leading-aligned lines on a rounded shape: the guide cards and the mode cards.
class CardButton : public QAbstractButton {
  public:
    struct Look {
        QColor fill;
        QColor stroke = Qt::transparent;
        QColor title;
        QColor detail;
    };

    CardButton(const AppContext& context, const QString& title, const QString& detail, QFont titleFont,
               QFont detailFont, qreal radius, int padding, QWidget* parent)
        : QAbstractButton(parent),
          detail_(detail),
          titleFont_(std::move(titleFont)),
          detailFont_(std::move(detailFont)),
          radius_(radius),
          padding_(padding) {
        setText(title);
        setAccessibleName(title);
        setAccessibleDescription(detail);
        setCursor(Qt::PointingHandCursor);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        PointerHover::attach(this, context);
        KitControl::install(this);
    }

    void setLook(const Look& look) {
        look_ = look;
        update();
    }
    const Look& look() const noexcept { return look_; }

    QSize sizeHint() const override {
        const qreal lines =
            QFontMetricsF(titleFont_).height() + lineSpacing + QFontMetricsF(detailFont_).height();
        const qreal width = std::max(QFontMetricsF(titleFont_).horizontalAdvance(text()),
                                     QFontMetricsF(detailFont_).horizontalAdvance(detail_));
        return QSize(static_cast<int>(std::ceil(width)), static_cast<int>(std::ceil(lines))) +
               QSize(2 * padding_, 2 * padding_);
    }
    QSize minimumSizeHint() const override { return {2 * padding_, sizeHint().height()}; }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF face = rect();
        fillRoundedRect(painter, face, radius_, look_.fill);
        if (look_.stroke.alpha() > 0) strokeRoundedRectInside(painter, face, radius_, look_.stroke);
        const QRectF content = face.adjusted(padding_, padding_, -padding_, -padding_);
        const qreal titleHeight = QFontMetricsF(titleFont_).height();
        const Qt::Alignment leading = Qt::AlignLeft | Qt::AlignVCenter;
        painter.setPen(look_.title);
        drawFittedText(painter, QRectF(content.topLeft(), QSizeF(content.width(), titleHeight)), text(),
                       titleFont_, 1, leading);
        painter.setPen(look_.detail);
        drawFittedText(painter,
                       QRectF(content.left(), content.top() + titleHeight + lineSpacing, content.width(),
                              QFontMetricsF(detailFont_).height()),
                       detail_, detailFont_, 1, leading);
        if (KitControl::showsFocus(this)) KitControl::paintFocusRing(painter, face, radius_, look_.title);
    }

  private:
    QString detail_;
    QFont titleFont_;
    QFont detailFont_;
    qreal radius_;
    int padding_;
    Look look_;
};

// One of a row of choices: a screen reader hears which is chosen, as it hears a picker's segments.
void choice(QAbstractButton* button) {
    button->setCheckable(true);
    KitControl::setRole(button, QAccessible::RadioButton);
}

// A section's card with its title label, kept in the screen's slot so a theme change can recolour it.
SectionCard* sectionCard(const AppContext& context, const QString& title, QLabel*& titleSlot,
                         QWidget* parent) {
    const QFont titleFont =
        withTracking(scaledFont(sectionTitleSize, FontWeight::heavy), sectionTitleTracking);
    titleSlot = textLabel(title, titleFont, nullptr);
    return new SectionCard(context, titleSlot, parent);
}

}  // namespace

HomeScreen::HomeScreen(AppContext& context, GameSession& session, SettingsStore& settings,
                       std::function<void()> onStart, std::function<void(const Route&)> push, QWidget* parent)
    : QWidget(parent),
      context_(context),
      session_(session),
      settings_(settings),
      onStart_(std::move(onStart)),
      push_(std::move(push)),
      opponents_(model::defaultOpponents) {
    QScrollArea* scroll = makeScrollPage(this, buildContent());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);

    guideModeSubscription_ = settings_.guideMode.subscribe([this](std::string_view) { restyle(); });
    connect(&context_, &AppContext::paletteChanged, this, &HomeScreen::restyle);
    restyle();
}

HomeScreen::~HomeScreen() = default;

QWidget* HomeScreen::buildContent() {
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(screenPadding, screenPadding, screenPadding, screenPadding);
    layout->setSpacing(screenSpacing);
    layout->addWidget(buildHeader(content));
    layout->addWidget(buildOpponents(content));
    layout->addWidget(buildGuide(content));
    layout->addWidget(buildModeCards(content));
    layout->addWidget(buildQuickLinks(content));
    layout->addStretch(1);
    return content;
}

QWidget* HomeScreen::buildHeader(QWidget* parent) {
    auto* header = new QWidget(parent);
    auto* layout = new QVBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(headerSpacing);
    title_ = textLabel(model::titleText(),
                       withTracking(scaledFont(titleSize, FontWeight::black), titleTracking), header);
    tagline_ = textLabel(model::tagline(), scaledFont(taglineSize), header);
    tagline_->setWordWrap(true);
    layout->addWidget(title_);
    layout->addWidget(tagline_);
    return header;
}

QWidget* HomeScreen::buildOpponents(QWidget* parent) {
    auto* card = sectionCard(context_, model::opponentsSectionTitle(), sectionTitles_[0], parent);
    auto* row = new QHBoxLayout;
    row->setSpacing(rowSpacing);
    for (int count : model::opponentCounts) {
        auto* button = new HoverButton(context_, model::countLabel(count), card);
        button->setShape(HoverButton::Shape::circle);
        const int diameter = textScaledHeight(countDiameter);
        button->setFaceSize({diameter, diameter});
        button->setTextFont(scaledFont(countSize, FontWeight::heavy));
        button->setAccessibleName(model::countAccessibleName(count));
        choice(button);
        connect(button, &QAbstractButton::clicked, this, [this, count] { setOpponents(count); });
        countButtons_[static_cast<std::size_t>(count - 1)] = button;
        row->addWidget(button);
    }
    row->addStretch(1);
    static_cast<QVBoxLayout*>(card->layout())->addLayout(row);
    return card;
}

QWidget* HomeScreen::buildGuide(QWidget* parent) {
    auto* card = sectionCard(context_, model::guideSectionTitle(), sectionTitles_[1], parent);
    auto* column = new QVBoxLayout;
    column->setSpacing(rowSpacing);
    std::size_t i = 0;
    for (const auto& guide : model::guideCards()) {
        auto* button =
            new CardButton(context_, guide.title, guide.detail, scaledFont(guideTitleSize, FontWeight::bold),
                           scaledFont(guideDetailSize), guideRadius, guidePadding, card);
        choice(button);
        // Choosing the chosen card again changes no setting: the restyle checks it again all the same.
        connect(button, &QAbstractButton::clicked, this, [this, mode = guide.mode] {
            selectGuideMode(mode);
            restyle();
        });
        guideCards_[i++] = button;
        column->addWidget(button);
    }
    static_cast<QVBoxLayout*>(card->layout())->addLayout(column);
    return card;
}

QWidget* HomeScreen::buildModeCards(QWidget* parent) {
    auto* cards = new QWidget(parent);
    auto* column = new QVBoxLayout(cards);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(rowSpacing);
    std::size_t i = 0;
    for (const auto& mode : model::modeCards()) {
        auto* button = new CardButton(
            context_, mode.title, mode.subtitle, scaledFont(modeTitleSize, FontWeight::black),
            scaledFont(modeSubtitleSize, FontWeight::semibold), cardRadius, modePadding, cards);
        connect(button, &QAbstractButton::clicked, this, [this, m = mode.mode] { start(m); });
        modeCards_[i++] = button;
        column->addWidget(button);
    }
    return cards;
}

QWidget* HomeScreen::buildQuickLinks(QWidget* parent) {
    auto* links = new QWidget(parent);
    auto* row = new QHBoxLayout(links);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(rowSpacing);
    std::size_t i = 0;
    for (const auto& link : model::quickLinks()) {
        auto* button = new HoverButton(context_, link.label, links);
        button->setShape(HoverButton::Shape::roundedRect, cardRadius);
        button->setTextFont(scaledFont(linkTextSize, FontWeight::bold));
        button->setSymbol(symbolNamed(link.symbol), ScaledFont{linkSymbolSize}.scaledSize(),
                          FontWeight::semibold, HoverButton::SymbolPlacement::above, linkSpacing);
        button->setPadding({0, linkPadding, 0, linkPadding});
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(button, &QAbstractButton::clicked, this, [this, route = link.route] {
            if (push_) push_(route);
        });
        quickLinks_[i++] = button;
        row->addWidget(button, 1);
    }
    return links;
}

HoverButton* HomeScreen::countButton(int count) const {
    return countButtons_.at(static_cast<std::size_t>(count - 1));
}

QAbstractButton* HomeScreen::guideCard(GuideMode mode) const {
    for (std::size_t i = 0; i < guideCards_.size(); ++i)
        if (model::guideCards()[i].mode == mode) return guideCards_[i];
    return nullptr;
}

QAbstractButton* HomeScreen::modeCard(GameMode mode) const {
    return modeCards_[mode == GameMode::cash ? 0 : 1];
}

void HomeScreen::setOpponents(int count) {
    opponents_ = count;
    restyle();
}

void HomeScreen::selectGuideMode(GuideMode mode) {
    settings_.guideMode.set(mode);
    settings_.save();
}

void HomeScreen::start(GameMode mode) {
    const int bots = opponents_;
    const std::optional<std::int32_t> seed = fixedGameSeed();
    if (mode == GameMode::cash)
        session_.startCashGame(bots, seed);
    else
        session_.startTournament(bots, seed);
    if (onStart_) onStart_();
}

void HomeScreen::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), context_.palette().feltDark);
}

void HomeScreen::restyle() {
    const Palette& palette = context_.palette();
    setTextColor(title_, palette.text);
    setTextColor(tagline_, palette.textMuted);
    for (QLabel* label : sectionTitles_)
        setTextColor(label, palette.textMuted);
    for (int count : model::opponentCounts) {
        const auto colors = model::countButtonColors(count == opponents_, palette);
        countButton(count)->setChecked(count == opponents_);
        countButton(count)->setFill(colors.fill);
        countButton(count)->setTextColor(colors.text);
    }
    for (std::size_t i = 0; i < guideCards_.size(); ++i) {
        const bool chosen = model::guideCards()[i].mode == settings_.guideMode.get();
        guideCards_[i]->setChecked(chosen);
        const auto colors = model::guideCardColors(chosen, palette);
        static_cast<CardButton*>(guideCards_[i])
            ->setLook({colors.fill, colors.stroke, colors.title, palette.textMuted});
    }
    for (std::size_t i = 0; i < modeCards_.size(); ++i) {
        const QColor fill = model::modeCardFill(model::modeCards()[i].mode, palette);
        static_cast<CardButton*>(modeCards_[i])->setLook({fill, Qt::transparent, Qt::white, Qt::white});
    }
    for (HoverButton* link : quickLinks_) {
        link->setFill(palette.panel);
        link->setStroke(palette.border, 1);
        link->setTextColor(palette.text);
    }
    update();
}

}  // namespace pellox::app
