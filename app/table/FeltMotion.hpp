#pragma once
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "kit/Spring.hpp"
#include "rules/Card.hpp"
#include "table/PlayerSeatView.hpp"

namespace pellox::app {

class AnimatedNumber;

// The felt's transitions on Qt's animation clock: the pot counting to its new amount, the centre cluster
// springing to its new arrangement, board cards and the banner coming and going, the showdown's hole cards
// turning, the winner badges. The felt tells it the new state at each refresh and reads the poses of the
// moment when it paints; it repaints on `changed`. Under reduce motion (`motionless`) every change lands at
// once.
class FeltMotion : public QObject {
    Q_OBJECT
  public:
    static constexpr Spring boardSpring{0.32, 0.85};
    static constexpr Spring potSpring{0.3, 0.85};
    static constexpr Spring bannerSpring{0.3, 0.85};
    // The badge comes with the hand's result, as the banner does.
    static constexpr Spring winnerBadgeSpring = bannerSpring;

    // Where the cluster's pieces stand, relative to the centre of the centre box.
    struct Arrangement {
        double boardY = 0;  // centre of the board row
        double rowWidth = 0;
        double cardWidth = 0;
        double cardStep = 0;  // from one board card's centre to the next
        QRectF banner;
        double potY = 0;  // centre of the pot capsule
        double potWidth = 0;
    };
    struct State {
        std::int64_t pot = 0;
        std::vector<Card> board;
        std::optional<QString> banner;
        Arrangement arrangement;
    };
    // A board card or banner on its way out, where it last stood.
    struct LeavingCard {
        Card card;
        QPointF centre;
        double opacity = 1;
    };
    struct LeavingBanner {
        QString text;
        QRectF rect;
        double presence = 1;
    };
    using BadgePose = PlayerSeatView::WinnerBadgePose;

    explicit FeltMotion(QObject* parent = nullptr);
    ~FeltMotion() override;

    void update(const State& state, bool motionless);
    // Winners by player id; a badge whose player won nothing any more goes out with its last amount.
    void updateWinners(const std::map<std::string, std::int64_t>& winners, bool motionless);
    // The showdown's hole cards turn face up once `turning` holds, taking `seconds`; what waits for them (the
    // award) waits that long. Anything else starts it over.
    void updateShowdown(bool turning, double seconds, bool motionless);

    // The arrangement as it stands now: `target` (as the felt lays it out at this size) moved by what is left
    // of each spring.
    Arrangement shown(const Arrangement& target) const;
    // The pot's digits as they count, whole chips between the old amount and the new.
    std::int64_t shownPot() const;
    // How far board card `index` has come in (1 in place).
    double cardEntrance(std::size_t index) const;
    // How many of the board's first cards have come in and come to rest.
    std::size_t landedCards() const;
    // The showdown's hole cards have turned.
    bool showdownTurned() const;
    double bannerPresence() const;
    std::vector<LeavingCard> leavingCards() const;
    std::optional<LeavingBanner> leavingBanner() const;
    std::optional<BadgePose> winnerBadge(const std::string& playerId) const;

    bool isRunning() const;

  signals:
    void changed();
    // A motion that others wait for has ended on its own (never told from within an update): a board card
    // came to rest, or the showdown's hole cards have turned.
    void landed();

  private:
    // Their numbers are children of this object, deleted once they have gone out.
    struct Leaving {
        LeavingCard card;
        AnimatedNumber* opacity = nullptr;
    };
    struct Badge {
        std::int64_t amount = 0;
        bool leaving = false;
        AnimatedNumber* presence = nullptr;
    };

    AnimatedNumber* number(double initial);
    const Spring* layoutSpring(const State& next) const;
    void shift(AnimatedNumber& offset, double from, double to, bool existed, const Spring* spring,
               bool motionless);
    void updateBoard(const State& next, bool motionless);
    void updateBanner(const State& next, bool motionless);
    void updatePot(std::int64_t pot, bool motionless);

    State state_;
    bool started_ = false;
    bool updating_ = false;
    AnimatedNumber* pot_;
    AnimatedNumber* boardShift_;
    AnimatedNumber* rowShift_;
    AnimatedNumber* bannerShift_;
    AnimatedNumber* potShift_;
    AnimatedNumber* potWidthShift_;
    AnimatedNumber* banner_;
    std::vector<AnimatedNumber*> entrances_;
    AnimatedNumber* showdown_;
    std::vector<Leaving> leaving_;
    std::optional<LeavingBanner> leavingBanner_;
    AnimatedNumber* leavingBannerPresence_;
    std::map<std::string, Badge> badges_;
};

}  // namespace pellox::app
