// One frame of the felt's painted pieces: six seats, five board cards, the pot and two chip flights into a
// 1280 × 820 image. The felt repaints at animation rate, so a frame has to stay far below 16 ms.
#include "AppBench.hpp"

#include <QImage>
#include <QPainter>
#include <vector>

#include "kit/PlayingCardView.hpp"
#include "rules/Player.hpp"
#include "table/ChipFlightLayer.hpp"
#include "table/PlayerSeatView.hpp"
#include "table/PotChipsView.hpp"
#include "table/SeatAnimation.hpp"
#include "theme/Palette.hpp"
#include "view/TableLayout.hpp"

namespace {

using namespace pellox;
using namespace pellox::app;

struct Table {
    std::vector<Player> players;
    std::vector<Card> board;
    std::vector<SeatAnimation> animations;
    TableLayout::Result layout;
    std::vector<ChipFlightLayer::ActiveFlight> flights;
    ChipFlightLayer flightLayer;
};

Table makeTable() {
    Table t;
    const char* names[] = {"You", "Riverboat Ray", "Nitty Nick", "Maniac Mo", "Calling Cate", "Steady Sam"};
    Position positions[] = {Position::bb, Position::utg, Position::mp,
                            Position::co, Position::btn, Position::sb};
    std::vector<Card> deck = Card::standardDeck();
    for (int i = 0; i < 6; ++i) {
        Player p;
        p.id = i == 0 ? "human" : "bot-" + std::to_string(i);
        p.name = names[i];
        p.isBot = i != 0;
        p.stack = 1000 + 37 * i;
        p.position = positions[i];
        p.seatIndex = i;
        p.holeCards = {deck[static_cast<std::size_t>(7 * i)], deck[static_cast<std::size_t>(7 * i + 3)]};
        p.streetContribution = i % 2 == 0 ? 40 : 0;
        t.players.push_back(p);
    }
    t.board = {deck[50], deck[30], deck[12], deck[45], deck[22]};
    t.layout = TableLayout::compute(6, Size{1280, 820});
    t.animations.resize(6);
    for (std::size_t i = 0; i < 6; ++i)
        t.animations[i].update(t.players[i].holeCards, i == 0, 2, 0.32, 0.35, 0);
    t.flights = {{"action-3", 40, QPointF(200, 600), QPointF(640, 410)},
                 {"award-9", 1240, QPointF(640, 410), QPointF(1000, 200)}};
    t.flightLayer.update(t.flights, 0.4, 0);
    return t;
}

QRectF toQt(const Rect& r) {
    return {r.origin.x, r.origin.y, r.size.width, r.size.height};
}

void paintFrame(QPainter& painter, Table& t, double now) {
    const Palette& palette = Palette::cardRoom();
    double s = t.layout.scale;
    QRectF centre = toQt(t.layout.center);
    QSizeF card = PlayingCardView::frameSize(PlayingCardView::CardSize::board, s);
    double rowWidth = 5 * card.width() + 4 * 3 * s;
    for (std::size_t i = 0; i < t.board.size(); ++i) {
        QPointF at(centre.center().x() - rowWidth / 2 + card.width() / 2 +
                       static_cast<double>(i) * (card.width() + 3 * s),
                   centre.top() + card.height() / 2);
        PlayingCardView(t.board[i], PlayingCardView::CardSize::board, false, s).paint(painter, at, palette);
    }
    PotChipsView(1234, s).paint(painter, QPointF(centre.left(), centre.bottom() - 14 * s));
    for (std::size_t i = 0; i < t.players.size(); ++i) {
        QRectF box = toQt(t.layout.seats[i].frame);
        PlayerSeatView view{.player = t.players[i],
                            .scale = s,
                            .isActing = i == 0,
                            .isDealer = i == 4,
                            .board = t.board,
                            .cardsLanded = 2,
                            .dragOffset = t.animations[i].dragOffset(now)};
        view.paint(painter, box, palette, t.animations[i].cardPoses(now));
    }
    t.flightLayer.paint(painter, t.flights, now, palette);
}

void BM_PaintTablePieces(benchmark::State& state) {
    Table table = makeTable();
    QImage image(1280, 820, QImage::Format_ARGB32_Premultiplied);
    image.fill(Palette::cardRoom().felt);
    double now = 0.1;
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        paintFrame(painter, table, now);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PaintTablePieces)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return pellox::app::bench::runBenchmarks(argc, argv);
}
