#include "table/FeltMotion.hpp"

#include <QScopedValueRollback>
#include <algorithm>
#include <cmath>

#include "kit/AnimatedNumber.hpp"
#include "kit/Motion.hpp"

namespace pellox::app {

namespace {

constexpr std::size_t boardSlots = 5;

}  // namespace

FeltMotion::FeltMotion(QObject* parent)
    : QObject(parent),
      pot_(number(0)),
      boardShift_(number(0)),
      rowShift_(number(0)),
      bannerShift_(number(0)),
      potShift_(number(0)),
      potWidthShift_(number(0)),
      banner_(number(0)),
      showdown_(number(0)),
      leavingBannerPresence_(number(0)) {
    const auto tellLanded = [this] {
        if (!updating_) emit landed();
    };
    for (std::size_t i = 0; i < boardSlots; ++i) {
        entrances_.push_back(number(1));
        connect(entrances_.back(), &AnimatedNumber::finished, this, tellLanded);
    }
    connect(showdown_, &AnimatedNumber::finished, this, tellLanded);
    connect(leavingBannerPresence_, &AnimatedNumber::finished, this, [this] {
        if (leavingBannerPresence_->value() <= 0) leavingBanner_.reset();
    });
}

FeltMotion::~FeltMotion() = default;

AnimatedNumber* FeltMotion::number(double initial) {
    auto* n = new AnimatedNumber(initial, this);
    connect(n, &AnimatedNumber::valueChanged, this, &FeltMotion::changed);
    return n;
}

// The cluster springs along the spring of what changed: the board first, then the banner, then the pot. A
// new arrangement with none of them changed (a new size) lands at once.
const Spring* FeltMotion::layoutSpring(const State& next) const {
    if (next.board.size() != state_.board.size()) return &boardSpring;
    if (next.banner != state_.banner) return &bannerSpring;
    if (next.pot != state_.pot) return &potSpring;
    return nullptr;
}

// A piece that stood before and stands after glides from where it is shown to its new place.
void FeltMotion::shift(AnimatedNumber& offset, double from, double to, bool existed, const Spring* spring,
                       bool motionless) {
    if (!spring || !existed || from == to) {
        if (!spring || !existed) offset.jumpTo(0);
        return;
    }
    offset.jumpTo(from + offset.value() - to);
    offset.animateTo(0, *spring, motionless);
}

void FeltMotion::update(const State& next, bool motionless) {
    const QScopedValueRollback<bool> updating(updating_, true);
    if (!started_) {
        started_ = true;
        state_ = next;
        pot_->jumpTo(static_cast<double>(next.pot));
        banner_->jumpTo(next.banner ? 1 : 0);
        return;
    }
    const Spring* spring = layoutSpring(next);
    const Arrangement& was = state_.arrangement;
    const Arrangement& will = next.arrangement;
    const bool boardStays = !state_.board.empty() && !next.board.empty();
    shift(*boardShift_, was.boardY, will.boardY, boardStays, spring, motionless);
    shift(*rowShift_, was.rowWidth, will.rowWidth, boardStays, spring, motionless);
    const bool bannerStays = state_.banner && next.banner;
    shift(*bannerShift_, was.banner.center().y(), will.banner.center().y(), bannerStays, spring, motionless);
    shift(*potShift_, was.potY, will.potY, true, spring, motionless);
    shift(*potWidthShift_, was.potWidth, will.potWidth, true, spring, motionless);
    updateBoard(next, motionless);
    updateBanner(next, motionless);
    updatePot(next.pot, motionless);
    state_ = next;
}

void FeltMotion::updateBoard(const State& next, bool motionless) {
    const std::size_t before = state_.board.size(), after = next.board.size();
    if (after < before) {
        const Arrangement now = shown(state_.arrangement);
        for (std::size_t i = after; i < before; ++i) {
            const double x = -now.rowWidth / 2 + now.cardStep * static_cast<double>(i) + now.cardWidth / 2;
            AnimatedNumber* opacity = number(1);
            connect(opacity, &AnimatedNumber::finished, this, [this, opacity] {
                if (opacity->value() > 0) return;
                // Deleted on the next turn: this is its own signal.
                opacity->deleteLater();
                std::erase_if(leaving_, [&](const Leaving& l) { return l.opacity == opacity; });
            });
            leaving_.push_back({{state_.board[i], QPointF(x, now.boardY), 1}, opacity});
            opacity->animateTo(0, boardSpring, motionless);
        }
    }
    for (std::size_t i = before; i < std::min(after, boardSlots); ++i) {
        entrances_[i]->jumpTo(0);
        entrances_[i]->animateTo(1, boardSpring, motionless);
    }
}

void FeltMotion::updateBanner(const State& next, bool motionless) {
    if (next.banner == state_.banner) return;
    if (state_.banner && !next.banner) {
        leavingBanner_ = LeavingBanner{*state_.banner, shown(state_.arrangement).banner, banner_->value()};
        leavingBannerPresence_->jumpTo(banner_->value());
        leavingBannerPresence_->animateTo(0, bannerSpring, motionless);
        banner_->jumpTo(0);
    } else if (!state_.banner && next.banner) {
        banner_->animateTo(1, bannerSpring, motionless);
    }
}

void FeltMotion::updatePot(std::int64_t pot, bool motionless) {
    if (pot == state_.pot) return;
    pot_->animateTo(static_cast<double>(pot), potSpring, motionless);
}

void FeltMotion::updateWinners(const std::map<std::string, std::int64_t>& winners, bool motionless) {
    for (const auto& [id, amount] : winners) {
        Badge& badge = badges_[id];
        badge.amount = amount;
        if (!badge.presence) badge.presence = number(0);
        badge.leaving = false;
        badge.presence->animateTo(1, winnerBadgeSpring, motionless);
    }
    for (auto& [id, badge] : badges_) {
        if (winners.count(id) || badge.leaving) continue;
        badge.leaving = true;
        badge.presence->animateTo(0, winnerBadgeSpring, motionless);
    }
    // Badges gone out are dropped at the next change.
    std::erase_if(badges_, [](const auto& entry) {
        const bool gone = entry.second.leaving && !entry.second.presence->isRunning();
        if (gone) entry.second.presence->deleteLater();
        return gone;
    });
}

void FeltMotion::updateShowdown(bool turning, double seconds, bool motionless) {
    const QScopedValueRollback<bool> updating(updating_, true);
    if (!turning) {
        if (showdown_->target() != 0) showdown_->jumpTo(0);
        return;
    }
    showdown_->animateTo(1, Motion::milliseconds(seconds, motionless), QEasingCurve(QEasingCurve::Linear));
}

FeltMotion::Arrangement FeltMotion::shown(const Arrangement& target) const {
    Arrangement a = target;
    a.boardY += boardShift_->value();
    a.rowWidth += rowShift_->value();
    a.banner.translate(0, bannerShift_->value());
    a.potY += potShift_->value();
    a.potWidth += potWidthShift_->value();
    return a;
}

std::int64_t FeltMotion::shownPot() const {
    return std::llround(pot_->boundedValue());
}

double FeltMotion::cardEntrance(std::size_t index) const {
    return index < entrances_.size() ? entrances_[index]->value() : 1;
}

std::size_t FeltMotion::landedCards() const {
    std::size_t landed = 0;
    while (landed < std::min(state_.board.size(), boardSlots) && !entrances_[landed]->isRunning())
        ++landed;
    return landed;
}

bool FeltMotion::showdownTurned() const {
    return showdown_->value() >= 1 && !showdown_->isRunning();
}

double FeltMotion::bannerPresence() const {
    return banner_->value();
}

std::vector<FeltMotion::LeavingCard> FeltMotion::leavingCards() const {
    std::vector<LeavingCard> cards;
    for (const Leaving& l : leaving_) {
        LeavingCard card = l.card;
        card.opacity = std::clamp(l.opacity->value(), 0.0, 1.0);
        cards.push_back(card);
    }
    return cards;
}

std::optional<FeltMotion::LeavingBanner> FeltMotion::leavingBanner() const {
    if (!leavingBanner_) return std::nullopt;
    LeavingBanner banner = *leavingBanner_;
    banner.presence = leavingBannerPresence_->value();
    return banner;
}

std::optional<FeltMotion::BadgePose> FeltMotion::winnerBadge(const std::string& playerId) const {
    const auto badge = badges_.find(playerId);
    if (badge == badges_.end() || (badge->second.leaving && !badge->second.presence->isRunning()))
        return std::nullopt;
    return BadgePose{badge->second.amount, badge->second.presence->value()};
}

bool FeltMotion::isRunning() const {
    for (const auto* n : findChildren<AnimatedNumber*>(Qt::FindDirectChildrenOnly))
        if (n->isRunning()) return true;
    return false;
}

}  // namespace pellox::app
