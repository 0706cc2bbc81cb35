// Pictures of the felt's painted pieces for a person to compare with the design: written only when
// PELLOX_GALLERY_DIR is set.
#include <gtest/gtest.h>

#include <QPainter>

#include "Gallery.hpp"
#include "kit/Fonts.hpp"
#include "kit/PlayingCardView.hpp"
#include "rules/Player.hpp"
#include "table/ChipFlightLayer.hpp"
#include "table/ChipStackView.hpp"
#include "table/FlippableCardView.hpp"
#include "table/PlayerSeatView.hpp"
#include "table/PotChipsView.hpp"

namespace pellox::app {
namespace {

using CardSize = PlayingCardView::CardSize;

void felt(QPainter& painter, const Palette& palette) {
    painter.fillRect(painter.window(), palette.felt);
}

void caption(QPainter& painter, const Palette& palette, QPointF at, const QString& text) {
    painter.save();
    painter.setPen(palette.textMuted);
    painter.setFont(fixedFont(11));
    painter.drawText(at, text);
    painter.restore();
}

void paintDeck(bool fourColor) {
    gallery::paint(fourColor ? "cards-four-colour" : "cards-two-colour", QSize(620, 290),
                   [&](QPainter& p, const Palette& palette) {
                       felt(p, palette);
                       for (int i = 0; i < 52; ++i) {
                           Card card = Card::fromIndex(i);
                           QPointF centre(30 + (i % 13) * 46, 40 + (i / 13) * 64);
                           PlayingCardView(card, CardSize::board, fourColor, 1).paint(p, centre, palette);
                       }
                       caption(p, palette, {10, 280}, fourColor ? "four-colour deck" : "two-colour deck");
                   });
}

TEST(GalleryPieces, EveryCardFaceInBothDecks) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    paintDeck(false);
    paintDeck(true);
}

TEST(GalleryPieces, CardSizesAndBacksAtThreeScales) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    gallery::paint("card-sizes", QSize(840, 300), [](QPainter& p, const Palette& palette) {
        felt(p, palette);
        double x = 20;
        for (double scale : {0.5, 1.0, 1.5}) {
            caption(p, palette, {x, 280}, QString("scale %1").arg(scale));
            for (CardSize size : {CardSize::seat, CardSize::board}) {
                for (std::optional<Card> card :
                     {std::optional<Card>(Card{Rank::ten, Suit::hearts}),
                      std::optional<Card>(Card{Rank::queen, Suit::spades}), std::optional<Card>()}) {
                    PlayingCardView view(card, size, false, scale);
                    view.paint(p, QPointF(x + view.size().width() / 2, 150), palette);
                    x += view.size().width() + 4;
                }
                x += 6;
            }
        }
    });
}

TEST(GalleryPieces, FlipFramesFromBackToFace) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    gallery::paint("card-flip", QSize(520, 120), [](QPainter& p, const Palette& palette) {
        felt(p, palette);
        FlippableCardView::FlipState state(false);
        state.flip(true, 0, 0.35);
        for (int i = 0; i <= 9; ++i) {
            double t = 0.35 * i / 9;
            FlippableCardView(Card{Rank::ace, Suit::diamonds}, true, 1.2, state.pose(t))
                .paint(p, QPointF(35 + i * 50, 55), palette);
        }
        caption(p, palette, {10, 112}, "flip, 0 to 0.35 s");
    });
}

TEST(GalleryPieces, ChipStacksPotChipsAndFlights) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    gallery::paint("chips", QSize(620, 300), [](QPainter& p, const Palette& palette) {
        felt(p, palette);
        double x = 20;
        for (std::int64_t amount : {1, 5, 20, 150, 2500, 1234567}) {
            ChipStackView stack(amount);
            stack.paint(p, QPointF(x + stack.size().width() / 2, 30), palette);
            x += stack.size().width() + 12;
        }
        double y = 70;
        for (double scale : {0.5, 1.0, 1.5}) {
            double px = 20;
            for (std::int64_t amount : {0, 1, 7, 30, 524, 1234, 2000}) {
                PotChipsView chips(amount, scale);
                chips.paint(p, QPointF(px, y));
                px += chips.size().width() + 24;
            }
            y += 30 * scale + 10;
        }
        ChipFlightLayer layer;
        std::vector<ChipFlightLayer::ActiveFlight> flights{
            {"action-1", 40, QPointF(40, 260), QPointF(580, 190)}};
        layer.update(flights, 0.4, 0);
        for (double t : {0.0, 0.1, 0.2, 0.3, 0.38})
            layer.paint(p, flights, t, palette);
        caption(p, palette, {10, 292}, "flight frames at 0, 0.1, 0.2, 0.3, 0.38 s");
    });
}

Player seatPlayer(std::string name, bool isBot, Position position) {
    Player p;
    p.id = isBot ? "bot-1" : "human";
    p.name = std::move(name);
    p.isBot = isBot;
    p.stack = 1180;
    p.position = position;
    p.holeCards = {Card{Rank::ace, Suit::spades}, Card{Rank::ten, Suit::hearts}};
    return p;
}

void paintSeats(double scale) {
    const std::vector<Card> board{Card{Rank::ace, Suit::hearts}, Card{Rank::seven, Suit::clubs},
                                  Card{Rank::two, Suit::diamonds}};
    struct State {
        const char* label;
        Player player;
        bool acting = false, dealer = false, reveal = false;
        std::optional<std::int64_t> won = {};
        std::vector<PlayerSeatView::CardPose> poses = {};
    };
    std::vector<State> states;
    states.push_back({"acting", seatPlayer("You", false, Position::bb), true});
    Player folded = seatPlayer("Nitty Nick", true, Position::utg);
    folded.hasFolded = true;
    states.push_back({"folded", folded});
    Player allIn = seatPlayer("Maniac Mo", true, Position::mp1);
    allIn.isAllIn = true;
    allIn.streetContribution = 400;
    allIn.stack = 0;
    states.push_back({"all in", allIn});
    Player bet = seatPlayer("Calling Cate", true, Position::co);
    bet.streetContribution = 60;
    states.push_back({"bet", bet});
    states.push_back({"winner", seatPlayer("You", false, Position::sb), false, false, false, 1460});
    states.push_back({"dealer", seatPlayer("Riverboat Ray", true, Position::btn), false, true});
    states.push_back({"hidden bot", seatPlayer("Nitty Nick", true, Position::hj)});
    states.push_back({"revealed bot", seatPlayer("Maniac Mo", true, Position::utg1), false, false, true});
    states.push_back({"dealing",
                      seatPlayer("You", false, Position::co),
                      false,
                      false,
                      false,
                      std::nullopt,
                      {{1, {0, true}}, {0.55, {0, true}}}});
    states.push_back({"turning",
                      seatPlayer("Steady Sam", true, Position::hj),
                      false,
                      false,
                      true,
                      std::nullopt,
                      {{1, {55, false}}, {1, {-35, true}}}});
    Player empty = seatPlayer("Calling Cate", true, Position::mp);
    empty.holeCards.clear();
    states.push_back({"no cards", empty});

    double width = 96 * scale;
    double gap = 14 + 10 * scale;
    QSize size(static_cast<int>(gap + states.size() * (width + gap)), static_cast<int>(156 * scale + 60));
    gallery::paint(QString("seats-scale-%1").arg(scale), size, [&](QPainter& p, const Palette& palette) {
        felt(p, palette);
        double x = gap;
        for (const State& s : states) {
            QRectF box(x, 20, width, 156 * scale);
            PlayerSeatView view{.player = s.player,
                                .scale = scale,
                                .isActing = s.acting,
                                .isDealer = s.dealer,
                                .revealHoleCards = s.reveal,
                                .board = board,
                                .winnerAmount = s.won,
                                .cardsLanded = 2,
                                .dealOrigin = QPointF(-40, -90) * scale};
            view.paint(p, box, palette, s.poses);
            caption(p, palette, {x, size.height() - 12.0}, s.label);
            x += width + gap;
        }
    });
}

TEST(GalleryPieces, SeatsInEveryStateAtThreeScales) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    for (double scale : {0.5, 1.0, 1.5})
        paintSeats(scale);
}

}  // namespace
}  // namespace pellox::app
