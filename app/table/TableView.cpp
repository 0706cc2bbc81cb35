#include "table/TableView.hpp"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <algorithm>

#include "kit/Fonts.hpp"
#include "kit/Painting.hpp"
#include "kit/PlayingCardView.hpp"
#include "kit/Spring.hpp"
#include "kit/TextFit.hpp"
#include "rules/LegalActions.hpp"
#include "rules/UncalledBet.hpp"
#include "session/GameSession.hpp"
#include "store/SettingsStore.hpp"
#include "table/FeltMotion.hpp"
#include "table/PlayerSeatView.hpp"
#include "table/PotChipsView.hpp"
#include "table/TableViewAccessible.hpp"
#include "table/TableViewModel.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {

namespace {

constexpr double feltRadius = 40;
constexpr double railWidth = 7;
constexpr double feltShadowOpacity = 0.5;
constexpr double feltShadowRadius = 10;
constexpr double feltShadowOffsetY = 8;
constexpr double logoInsetX = 40;
constexpr double logoInsetY = 60;
constexpr double logoFillOpacity = 0.04;
constexpr double logoTextSize = 42;
constexpr double logoTracking = 8;
constexpr double logoTextOpacity = 0.06;
constexpr double clusterSpacing = 4;
constexpr double boardSpacing = 3;
constexpr double boardEnterScale = 0.4;
constexpr double boardEnterOffset = -18;  // points, not scaled
constexpr double bannerTextSize = 12;
constexpr double bannerPaddingX = 8;
constexpr double bannerPaddingY = 3;
constexpr double bannerOpacity = 0.78;
constexpr double bannerEnterScale = 0.85;
constexpr double potSpacing = 8;
constexpr double potLabelSize = 10;
constexpr double potLabelTracking = 1;
constexpr double potAmountSize = 15;
constexpr double potAmountMinScale = 0.6;
constexpr double potPaddingX = 16;
constexpr double potPaddingY = 2;
constexpr double potOpacity = 0.65;
constexpr int frameMilliseconds = 16;

QRectF toQt(const Rect& r) {
    return {r.origin.x, r.origin.y, r.size.width, r.size.height};
}

QPointF toQt(const Point& p) {
    return {p.x, p.y};
}

}  // namespace

// Everything one paint or one refresh needs to know about the table, computed once.
struct TableView::Scene {
    QRectF felt;  // in widget coordinates; the table space starts at its top-left corner
    std::vector<const Player*> players;
    std::size_t drawn = 0;
    TableLayout::Result layout;
    QPointF dealOrigin;
    std::vector<Card> board;
    HandKey hand;
    std::int64_t pot = 0;
    std::int64_t landedBoard = 0;
    bool streetLanded = true;
    bool holeCardsTurn = false;  // the bots' hole cards face up at the hand's end
    bool awardShown = true;
    std::vector<Winner> won;  // as won, once the award is shown
};

// The centre cluster's pieces where they come to rest, in table coordinates.
struct TableView::Cluster {
    double scale = 1;
    QPointF centre;
    QSizeF card;
    double cardGap = 0;
    std::vector<QPointF> cardCentres;
    std::optional<QString> banner;
    QRectF bannerRect;
    QFont bannerFont;
    QRectF pot;
    QRectF chips;
    QRectF label;
    QRectF amount;
    QFont labelFont;
    QFont amountFont;

    // The same, relative to the centre, for the springs to move.
    FeltMotion::Arrangement arrangement() const {
        FeltMotion::Arrangement a;
        if (!cardCentres.empty()) {
            a.boardY = cardCentres.front().y() - centre.y();
            a.cardWidth = card.width();
            a.cardStep = card.width() + cardGap;
            a.rowWidth = cardCentres.back().x() - cardCentres.front().x() + card.width();
        }
        a.banner = bannerRect.translated(-centre);
        a.potY = pot.center().y() - centre.y();
        a.potWidth = pot.width();
        return a;
    }
};

TableView::TableView(const AppContext& context, const GameSession& session, const SettingsStore& settings,
                     std::function<void()> onFold, std::function<void()> onSkipReveal, QWidget* parent)
    : QWidget(parent),
      context_(context),
      session_(session),
      settings_(settings),
      onFold_(std::move(onFold)),
      onSkipReveal_(std::move(onSkipReveal)),
      motion_(new FeltMotion(this)) {
    connect(motion_, &FeltMotion::changed, this, qOverload<>(&QWidget::update));
    connect(motion_, &FeltMotion::landed, this, &TableView::motionLanded);
    elapsed_.start();
    frameTimer_.setTimerType(Qt::PreciseTimer);
    frameTimer_.setInterval(frameMilliseconds);
    connect(&frameTimer_, &QTimer::timeout, this, &TableView::tick);
    dealTimer_.setTimerType(Qt::PreciseTimer);
    connect(&dealTimer_, &QTimer::timeout, this, &TableView::landNextCard);
    watchedEventCount_ = session_.currentHandEvents().size();
    connect(&context_, &AppContext::paletteChanged, this, qOverload<>(&QWidget::update));
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    TableViewAccessible::install();
}

TableView::~TableView() = default;

QSize TableView::sizeHint() const {
    return {640, 660};
}

QSize TableView::minimumSizeHint() const {
    return {200, 200};
}

double TableView::now() const {
    return clock_ ? clock_() : static_cast<double>(elapsed_.nsecsElapsed()) / 1e9;
}

void TableView::setClock(std::function<double()> clock) {
    clock_ = std::move(clock);
    // The seats' motions were timed on the other clock: they start over at rest.
    seats_.clear();
    if (refreshed_) updateSeats(scene());
}

TableView::Scene TableView::scene() const {
    Scene s;
    s.felt = QRectF(rect()).adjusted(shadowMarginX, shadowMarginTop, -shadowMarginX, -shadowMarginBottom);
    const auto& table = session_.table();
    s.players = TableViewModel::orderedPlayers(table, GameSession::humanId);
    const Size size{std::max(s.felt.width(), 0.0), std::max(s.felt.height(), 0.0)};
    s.layout = TableLayout::compute(static_cast<std::int64_t>(s.players.size()), size);
    s.drawn = TableViewModel::drawnSeatCount(s.players.size(), s.layout);
    s.dealOrigin = toQt(TableViewModel::dealOrigin(table, s.players, s.layout, size));
    s.board = TableViewModel::visibleBoard(table, revealed_);
    s.hand = {game_, table ? table->handNumber : 0};
    s.pot = session_.potTotal();
    s.landedBoard = std::min(static_cast<std::int64_t>(motion_->landedCards()),
                             static_cast<std::int64_t>(s.board.size()));
    s.streetLanded = TableViewModel::streetLanded(table, revealed_, s.landedBoard);
    s.holeCardsTurn = TableViewModel::holeCardsTurn(table, revealed_, s.landedBoard);
    s.awardShown = TableViewModel::awardShown(table, revealed_, s.landedBoard, motion_->showdownTurned());
    if (table && s.awardShown) s.won = UncalledBet::winnersAsWon(*table);
    return s;
}

std::int64_t TableView::landedBoardCount() const {
    return scene().landedBoard;
}

TableView::Cluster TableView::cluster(const Scene& scene) const {
    Cluster c;
    const double s = scene.layout.scale;
    c.scale = s;
    const QRectF centre = toQt(scene.layout.center);
    const QSizeF card = PlayingCardView::frameSize(PlayingCardView::CardSize::board, s);
    const double gap = clusterSpacing * s;
    c.centre = centre.center();
    c.card = card;
    c.cardGap = boardSpacing * s;

    c.banner = TableViewModel::bannerText(session_.table(), revealed_, GameSession::humanId);
    c.bannerFont = fixedFont(bannerTextSize * s, FontWeight::bold);
    QSizeF banner;
    if (c.banner) {
        const double wrap = std::max(centre.width(), card.width() * 3) - 2 * bannerPaddingX * s;
        const QRectF text =
            QFontMetricsF(c.bannerFont).boundingRect(QRectF(0, 0, wrap, 1e6), Qt::TextWordWrap, *c.banner);
        banner = {text.width() + 2 * bannerPaddingX * s, text.height() + 2 * bannerPaddingY * s};
    }

    c.labelFont = withTracking(fixedFont(potLabelSize * s, FontWeight::heavy), potLabelTracking);
    c.amountFont = fixedFont(potAmountSize * s, FontWeight::heavy, FontDesign::rounded);
    const PotChipsView chips(scene.pot, s);
    const QString amount = TableViewModel::potText(scene.pot);
    const QFontMetricsF label(c.labelFont), digits(c.amountFont);
    const QSizeF chipSize = chips.size();
    const double labelWidth = label.horizontalAdvance(QStringLiteral("POT"));
    const double amountWidth = digits.horizontalAdvance(amount);
    const double spacing = potSpacing * s;
    const double chipsPart = chipSize.width() > 0 ? chipSize.width() + spacing : 0;
    const double contentHeight = std::max({chipSize.height(), label.height(), digits.height()});
    const QSizeF pot(chipsPart + labelWidth + spacing + amountWidth + 2 * potPaddingX * s,
                     contentHeight + 2 * potPaddingY * s);

    const double boardHeight = scene.board.empty() ? 0 : card.height();
    double total = boardHeight + pot.height() + (c.banner ? banner.height() + gap : 0);
    if (!scene.board.empty()) total += gap;
    double y = centre.center().y() - total / 2;
    const double cx = centre.center().x();

    if (!scene.board.empty()) {
        const auto n = static_cast<double>(scene.board.size());
        const double row = n * card.width() + (n - 1) * boardSpacing * s;
        for (std::size_t i = 0; i < scene.board.size(); ++i) {
            const double x = cx - row / 2 + static_cast<double>(i) * (card.width() + boardSpacing * s);
            c.cardCentres.emplace_back(x + card.width() / 2, y + card.height() / 2);
        }
        y += card.height() + gap;
    }
    if (c.banner) {
        c.bannerRect = QRectF(cx - banner.width() / 2, y, banner.width(), banner.height());
        y += banner.height() + gap;
    }
    c.pot = QRectF(cx - pot.width() / 2, y, pot.width(), pot.height());
    double x = c.pot.left() + potPaddingX * s;
    const double mid = c.pot.center().y();
    c.chips = QRectF(x, mid - chipSize.height() / 2, chipSize.width(), chipSize.height());
    x += chipsPart;
    c.label = QRectF(x, mid - label.height() / 2, labelWidth, label.height());
    x += labelWidth + spacing;
    c.amount = QRectF(x, mid - digits.height() / 2, c.pot.right() - potPaddingX * s - x, digits.height());
    return c;
}

// Like the action bar, the seat folds only on a street whose cards the felt shows.
bool TableView::humanMayFold(const Scene& scene) const {
    const auto legal = session_.humanLegalActions();
    return session_.isHumanTurn() && legal && legal->canFold && session_.table() && scene.streetLanded;
}

PlayerSeatView TableView::seatView(const Scene& scene, std::size_t k) const {
    const auto& table = *session_.table();
    const Player& player = *scene.players[k];
    const QRectF box = toQt(scene.layout.seats[k].frame);
    const auto seat = seats_.find(player.id);
    return PlayerSeatView{
        .player = player,
        .scale = scene.layout.scale,
        .isActing = table.currentToActSeatIndex && *table.currentToActSeatIndex == player.seatIndex,
        .isDealer = player.seatIndex == table.dealerSeatIndex,
        .revealHoleCards = scene.holeCardsTurn,
        // The made hand names only the board's cards at rest.
        .board = std::span<const Card>(scene.board).first(static_cast<std::size_t>(scene.landedBoard)),
        .winnerAmount = TableViewModel::winnerAmount(scene.won, player.id),
        .heldBackWinnings = scene.awardShown ? 0 : TableViewModel::chipsAwarded(session_.table(), player.id),
        .fourColor = settings_.fourColorDeck.get(),
        .cardsLanded = cardsLanded(player.seatIndex),
        .dealOrigin = scene.dealOrigin - box.center(),
        .canFold = player.id == GameSession::humanId && humanMayFold(scene),
        .dragOffset = seat == seats_.end() ? 0.0 : seat->second.dragOffset(now()),
    };
}

std::int64_t TableView::cardsLanded(std::int64_t seatIndex) const {
    const auto& table = session_.table();
    return TableViewModel::cardsLanded(dealtHand_, dealtCount_, {game_, table ? table->handNumber : 0},
                                       TableViewModel::dealSteps(table), seatIndex);
}

// --- Refresh: the hooks of a new hand and of new events, then the seats' motion.

void TableView::refresh(std::int64_t revealedBoardCount, const AnimationTimings& timings, std::uint64_t game,
                        bool motionless) {
    revealed_ = revealedBoardCount;
    timings_ = timings;
    game_ = game;
    motionless_ = motionless;
    const Scene s = scene();
    const bool firstShown = !watchedHand_;
    const bool newHand = firstShown || *watchedHand_ != s.hand;
    if (newHand) {
        watchedHand_ = s.hand;
        startDeal();
    }
    updateMotion(s);
    showEnd(firstShown, newHand);
    animate();
}

// What waits for the felt's own motion: the hole cards turn once the board has landed, and the chips that
// fly, the seats and the winner badges follow the award. A felt first shown at a hand's end shows it whole.
void TableView::showEnd(bool firstShown, bool newHand) {
    motion_->updateShowdown(scene().holeCardsTurn, timings_.cardFlip, motionless_ || firstShown);
    const Scene s = scene();
    const std::size_t flying = TableViewModel::flyingEventCount(session_.currentHandEvents(), s.awardShown);
    if (!firstShown && (flying != watchedEventCount_ || newHand)) consumeEvents(s, flying);
    watchedEventCount_ = flying;
    updateSeats(s);
    updateWinners(s);
}

void TableView::motionLanded() {
    // A change of hand the screen has not brought yet waits for its refresh.
    if (!refreshed_ || !watchedHand_ || scene().hand != *watchedHand_) return;
    showEnd(false, false);
    animate();
    emit boardLanded();
}

void TableView::startDeal() {
    dealTimer_.stop();
    const auto steps = TableViewModel::dealSteps(session_.table());
    if (steps.empty()) return;
    const auto& table = session_.table();
    dealtHand_ = {game_, table ? table->handNumber : 0};
    dealtCount_ = 0;
    dealSteps_ = static_cast<std::int64_t>(steps.size());
    landNextCard();
    if (dealtCount_ >= dealSteps_) return;
    if (timings_.cardStagger <= 0) {
        while (dealtCount_ < dealSteps_)
            landNextCard();
        return;
    }
    dealTimer_.start(std::max(1, static_cast<int>(timings_.cardStagger * 1000 + 0.5)));
}

void TableView::landNextCard() {
    const auto& table = session_.table();
    if (dealtHand_ != HandKey{game_, table ? table->handNumber : 0}) {
        dealTimer_.stop();  // a newer hand has begun
        return;
    }
    ++dealtCount_;
    if (dealtCount_ >= dealSteps_) dealTimer_.stop();
    if (refreshed_) {
        updateSeats(scene());
        animate();
    }
}

void TableView::consumeEvents(const Scene& s, std::size_t count) {
    if (!session_.table()) return;
    const QPointF potPoint = s.felt.isEmpty() ? toQt(s.layout.center.center()) : cluster(s).pot.center();
    auto seatPoint = [&s](std::string_view id) -> std::optional<QPointF> {
        for (std::size_t k = 0; k < s.drawn; ++k)
            if (s.players[k]->id == id) return toQt(s.layout.seats[k].frame.center());
        return std::nullopt;
    };
    const std::span<const EngineEvent> events(session_.currentHandEvents());
    for (auto& flight : consumer_.consume(events.first(count), s.hand, seatPoint, potPoint))
        flights_.push_back(std::move(flight));
    tick();
}

void TableView::updateSeats(const Scene& s) {
    refreshed_ = true;
    const double t = now();
    std::map<std::string, SeatAnimation> kept;
    for (std::size_t k = 0; k < s.drawn; ++k) {
        const Player& p = *s.players[k];
        SeatAnimation motion = seats_.count(p.id) ? std::move(seats_[p.id]) : SeatAnimation{};
        const bool faceUp = !p.isBot || s.holeCardsTurn;
        motion.update(p.holeCards, faceUp, cardsLanded(p.seatIndex), timings_.cardFlight, timings_.cardFlip,
                      t);
        kept.emplace(p.id, std::move(motion));
    }
    seats_ = std::move(kept);
    if (!seats_.count(std::string(GameSession::humanId))) drag_.cancel();
}

void TableView::updateMotion(const Scene& s) {
    const Cluster c = cluster(s);
    motion_->update({s.pot, s.board, c.banner, c.arrangement()}, motionless_);
}

void TableView::updateWinners(const Scene& s) {
    std::map<std::string, std::int64_t> winners;
    for (std::size_t k = 0; k < s.drawn; ++k)
        if (auto amount = TableViewModel::winnerAmount(s.won, s.players[k]->id))
            winners.emplace(s.players[k]->id, *amount);
    motion_->updateWinners(winners, motionless_);
}

void TableView::tick() {
    const double t = now();
    for (const std::string& id : flightLayer_.update(flights_, timings_.chipFlight, t))
        std::erase_if(flights_, [&](const ChipFlightLayer::ActiveFlight& f) { return f.id == id; });
    bool moving = flightLayer_.isAnimating(t) || drag_.isPressed();
    for (const auto& [id, seat] : seats_)
        moving = moving || seat.isAnimating(t);
    if (!moving) frameTimer_.stop();
    update();
}

void TableView::animate() {
    if (!frameTimer_.isActive()) frameTimer_.start();
    tick();
}

// --- Painting

void TableView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintFelt(painter);
    const Scene s = scene();
    if (s.felt.isEmpty()) return;
    painter.save();
    // Everything stays 16 points inside the felt but a seat flung away by a fold: a rectangle clips it as
    // well as the rounded edge would, at a fraction of the cost per frame.
    painter.setClipRect(s.felt.adjusted(railWidth, railWidth, -railWidth, -railWidth));
    painter.translate(s.felt.topLeft());
    const Palette& palette = context_.palette();
    const double t = now();
    paintCluster(painter, s, cluster(s));
    for (std::size_t k = 0; k < s.drawn; ++k) {
        const PlayerSeatView seat = seatView(s, k);
        const auto motion = seats_.find(s.players[k]->id);
        std::vector<PlayerSeatView::CardPose> poses;
        if (motion != seats_.end()) poses = motion->second.cardPoses(t);
        seat.paint(painter, toQt(s.layout.seats[k].frame), palette, poses,
                   motion_->winnerBadge(s.players[k]->id));
    }
    flightLayer_.paint(painter, flights_, t, palette);
    painter.restore();
}

// The felt, its rail, shadow and logo change only with the size and the theme: painted once into a picture.
void TableView::paintFelt(QPainter& painter) const {
    const QRectF felt =
        QRectF(rect()).adjusted(shadowMarginX, shadowMarginTop, -shadowMarginX, -shadowMarginBottom);
    if (felt.isEmpty()) return;
    const Palette& palette = context_.palette();
    const qreal ratio = devicePixelRatioF();
    const QString key = QStringLiteral("%1x%2@%3:%4:%5")
                            .arg(width())
                            .arg(height())
                            .arg(ratio)
                            .arg(palette.felt.rgba())
                            .arg(palette.rail.rgba());
    if (key != feltKey_) {
        feltKey_ = key;
        feltPicture_ = QPixmap((QSizeF(size()) * ratio).toSize());
        feltPicture_.setDevicePixelRatio(ratio);
        feltPicture_.fill(Qt::transparent);
        QPainter p(&feltPicture_);
        p.setRenderHint(QPainter::Antialiasing);
        paintShadow(p, roundedRectPath(felt, feltRadius), withOpacity(Qt::black, feltShadowOpacity),
                    feltShadowRadius, QPointF(0, feltShadowOffsetY));
        fillRoundedRect(p, felt, feltRadius, palette.felt);
        p.setClipPath(roundedRectPath(felt, feltRadius));
        const QRectF inner = felt.adjusted(logoInsetX, logoInsetY, -logoInsetX, -logoInsetY);
        if (!inner.isEmpty()) fillRoundedRect(p, inner, feltRadius, withOpacity(Qt::white, logoFillOpacity));
        p.setFont(withTracking(fixedFont(logoTextSize, FontWeight::black), logoTracking));
        p.setPen(withOpacity(Qt::white, logoTextOpacity));
        p.drawText(felt, Qt::AlignCenter, QStringLiteral("PELLOX"));
        p.setClipping(false);
        strokeRoundedRectInside(p, felt, feltRadius, palette.rail, railWidth);
    }
    painter.drawPixmap(0, 0, feltPicture_);
}

void TableView::paintCluster(QPainter& painter, const Scene& s, const Cluster& c) const {
    const Palette& palette = context_.palette();
    const bool fourColor = settings_.fourColorDeck.get();
    const FeltMotion::Arrangement shown = motion_->shown(c.arrangement());
    for (const auto& leaving : motion_->leavingCards()) {
        painter.save();
        painter.setOpacity(leaving.opacity);
        PlayingCardView(leaving.card, PlayingCardView::CardSize::board, fourColor, c.scale)
            .paint(painter, c.centre + leaving.centre, palette);
        painter.restore();
    }
    const double rowLeft = c.centre.x() - shown.rowWidth / 2;
    for (std::size_t i = 0; i < c.cardCentres.size(); ++i) {
        const double p = motion_->cardEntrance(i);
        const QPointF at(rowLeft + static_cast<double>(i) * (c.card.width() + c.cardGap) + c.card.width() / 2,
                         c.centre.y() + shown.boardY);
        painter.save();
        painter.setOpacity(std::clamp(p, 0.0, 1.0));
        painter.translate(at + QPointF(0, boardEnterOffset * (1 - p)));
        const double grow = boardEnterScale + (1 - boardEnterScale) * p;
        painter.scale(grow, grow);
        PlayingCardView(s.board[i], PlayingCardView::CardSize::board, fourColor, c.scale)
            .paint(painter, QPointF(0, 0), palette);
        painter.restore();
    }
    if (const auto leaving = motion_->leavingBanner())
        paintBanner(painter, leaving->text, leaving->rect.translated(c.centre), leaving->presence, c);
    if (c.banner)
        paintBanner(painter, *c.banner, shown.banner.translated(c.centre), motion_->bannerPresence(), c);

    const QRectF pot(c.centre.x() - shown.potWidth / 2, c.centre.y() + shown.potY - c.pot.height() / 2,
                     shown.potWidth, c.pot.height());
    const QPointF moved = pot.topLeft() - c.pot.topLeft();
    fillCapsule(painter, pot, withOpacity(Qt::black, potOpacity));
    strokeCapsuleInside(painter, pot, palette.accent, 1);
    PotChipsView(s.pot, c.scale).paint(painter, c.chips.topLeft() + moved);
    painter.setPen(palette.textMuted);
    painter.setFont(c.labelFont);
    painter.drawText(c.label.translated(moved), Qt::AlignCenter, QStringLiteral("POT"));
    painter.setPen(palette.accent);
    const QRectF amount = c.amount.translated(moved).adjusted(0, 0, pot.width() - c.pot.width(), 0);
    drawFittedText(painter, amount, TableViewModel::potText(motion_->shownPot()), c.amountFont,
                   potAmountMinScale, Qt::AlignLeft | Qt::AlignVCenter);
}

// Comes and goes by scaling from 0.85 about its centre, fading.
void TableView::paintBanner(QPainter& painter, const QString& text, const QRectF& rect, double presence,
                            const Cluster& c) const {
    const Palette& palette = context_.palette();
    painter.save();
    painter.setOpacity(std::clamp(presence, 0.0, 1.0));
    painter.translate(rect.center());
    const double grow = bannerEnterScale + (1 - bannerEnterScale) * presence;
    painter.scale(grow, grow);
    const QRectF r = rect.translated(-rect.center());
    fillCapsule(painter, r, withOpacity(Qt::black, bannerOpacity));
    strokeCapsuleInside(painter, r, palette.border, 1);
    painter.setPen(palette.text);
    painter.setFont(c.bannerFont);
    painter.drawText(r.adjusted(bannerPaddingX * c.scale, bannerPaddingY * c.scale, -bannerPaddingX * c.scale,
                                -bannerPaddingY * c.scale),
                     Qt::AlignCenter | Qt::TextWordWrap, text);
    painter.restore();
}

void TableView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The cluster's new places at this size are where its springs head, not a move to animate.
    if (refreshed_) updateMotion(scene());
    update();
}

// --- Pointer: a drag up on the human's seat folds; any other press and release is a tap.

void TableView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const Scene s = scene();
    const QPointF at = event->position() - s.felt.topLeft();
    if (s.drawn > 0 && s.players[0]->id == GameSession::humanId &&
        seatView(s, 0).frame(toQt(s.layout.seats[0].frame)).contains(at)) {
        drag_.press(at, now());
        return;
    }
    drag_.cancel();
}

void TableView::mouseMoveEvent(QMouseEvent* event) {
    if (!drag_.isPressed()) return;
    const auto seat = seats_.find(std::string(GameSession::humanId));
    if (seat == seats_.end()) return;
    const Scene s = scene();
    drag_.move(event->position() - s.felt.topLeft(), now(), seat->second, humanMayFold(s));
    animate();
}

void TableView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (!drag_.isPressed()) {
        if (rect().contains(event->position().toPoint())) skipReveal();
        return;
    }
    const auto seat = seats_.find(std::string(GameSession::humanId));
    if (seat == seats_.end()) {
        drag_.cancel();
        return;
    }
    const bool canFold = humanMayFold(scene());
    const auto release =
        drag_.release(event->position() - scene().felt.topLeft(), now(), seat->second, canFold, motionless_);
    animate();
    if (release == SeatDragGesture::Release::tap) skipReveal();
    if (release == SeatDragGesture::Release::folded && onFold_) onFold_();
}

void TableView::skipReveal() {
    if (onSkipReveal_) onSkipReveal_();
}

// --- Accessibility and hit testing

int TableView::seatCount() const {
    return static_cast<int>(scene().drawn);
}

QRectF TableView::seatRect(int index) const {
    const Scene s = scene();
    if (index < 0 || static_cast<std::size_t>(index) >= s.drawn) return {};
    return seatView(s, static_cast<std::size_t>(index))
        .frame(toQt(s.layout.seats[static_cast<std::size_t>(index)].frame))
        .translated(s.felt.topLeft());
}

QString TableView::seatDescription(int index) const {
    const Scene s = scene();
    if (index < 0 || static_cast<std::size_t>(index) >= s.drawn) return {};
    return seatView(s, static_cast<std::size_t>(index)).accessibilityDescription();
}

bool TableView::seatCanFold(int index) const {
    const Scene s = scene();
    if (index < 0 || static_cast<std::size_t>(index) >= s.drawn) return false;
    return seatView(s, static_cast<std::size_t>(index)).canFold;
}

void TableView::foldSeat(int index) {
    if (seatCanFold(index) && onFold_) onFold_();
}

QString TableView::boardDescription() const {
    const auto board = TableViewModel::visibleBoard(session_.table(), revealed_);
    if (board.empty()) return QStringLiteral("No cards on the board yet");
    QStringList names;
    for (const Card& card : board)
        names << spokenName(card);
    return "Board: " + names.join(QStringLiteral(", "));
}

QRectF TableView::boardRect() const {
    const Scene s = scene();
    const Cluster c = cluster(s);
    if (c.cardCentres.empty()) return toQt(s.layout.center).translated(s.felt.topLeft());
    const QSizeF card = PlayingCardView::frameSize(PlayingCardView::CardSize::board, c.scale);
    QRectF r(c.cardCentres.front() - QPointF(card.width() / 2, card.height() / 2), card);
    r = r.united(QRectF(c.cardCentres.back() - QPointF(card.width() / 2, card.height() / 2), card));
    return r.translated(s.felt.topLeft());
}

QString TableView::potDescription() const {
    return TableViewModel::potAccessibilityLabel(session_.potTotal());
}

QRectF TableView::potRect() const {
    const Scene s = scene();
    return cluster(s).pot.translated(s.felt.topLeft());
}

}  // namespace pellox::app
