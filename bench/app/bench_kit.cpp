// Painting the widget kit: every symbol, the painting helpers, text fitting and the kit's widgets, as a
// screen repaints them; and a sound replayed from the cache.
#include "AppBench.hpp"

#include <QEnterEvent>
#include <QImage>
#include <QPainter>

#include "kit/Fonts.hpp"
#include "kit/HoverButton.hpp"
#include "kit/Painting.hpp"
#include "kit/SegmentedControl.hpp"
#include "kit/Stepper.hpp"
#include "kit/SymbolIcon.hpp"
#include "kit/TextFit.hpp"
#include "store/SettingsStore.hpp"
#include "theme/AppContext.hpp"
#include "theme/Feedback.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

QImage canvas(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Palette::cardRoom().feltDark);
    return image;
}

void BM_PaintEverySymbol(benchmark::State& state) {
    QImage image = canvas({28 * 14, 28});
    const qreal size = static_cast<qreal>(state.range(0));
    for (auto _ : state) {
        QPainter painter(&image);
        int x = 0;
        for (Symbol s : allSymbols()) {
            paintSymbol(painter, s, QRectF(x, 0, 28, 28), size, Qt::white, FontWeight::bold);
            x += 28;
        }
    }
    state.SetItemsProcessed(state.iterations() * 14);
}
BENCHMARK(BM_PaintEverySymbol)->Arg(17)->Arg(56);

void BM_PaintHelpers(benchmark::State& state) {
    const Palette& p = Palette::midnight();
    QImage image = canvas({400, 200});
    const QFont font = fixedFont(11, FontWeight::bold);
    for (auto _ : state) {
        QPainter painter(&image);
        paintSidePanelCard(painter, QRectF(8, 8, 220, 120), p);
        paintTintedBadge(painter, QRectF(16, 140, 80, 20), p.success, "Premium", font, p.success);
        fillCapsule(painter, QRectF(240, 20, 90, 24), p.success);
        strokeCapsuleInside(painter, QRectF(240, 20, 90, 24), withOpacity(Qt::white, 0.5), 1);
    }
}
BENCHMARK(BM_PaintHelpers);

// A card's shadow, blurred anew on every paint.
void BM_PaintShadow(benchmark::State& state) {
    QImage image = canvas({200, 200});
    const QPainterPath card = roundedRectPath(QRectF(50, 40, 60, 84), 6);
    for (auto _ : state) {
        QPainter painter(&image);
        paintShadow(painter, card, QColor(0, 0, 0, 102), static_cast<qreal>(state.range(0)), QPointF(0, 2));
    }
}
BENCHMARK(BM_PaintShadow)->Arg(3)->Arg(12);

void BM_FitText(benchmark::State& state) {
    const QFont font = fixedFont(17, FontWeight::heavy);
    const qreal width = static_cast<qreal>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(fitText("Raise $12500", font, width, 0.7));
}
BENCHMARK(BM_FitText)->Arg(200)->Arg(100)->Arg(40);

// Each kit widget painted whole, as a repaint of a screen does; the hovered button goes through the
// highlight's offscreen pass.
void BM_PaintKitWidgets(benchmark::State& state) {
    SettingsStore settings;
    AppContext context(&settings);
    context.setReduceMotion(true);
    HoverButton button(context, "Call $20");
    button.setFill(Palette::cardRoom().callBtn);
    button.setTextFont(fixedFont(17, FontWeight::heavy));
    button.resize(180, 52);
    HoverButton transport(context);
    transport.setSymbol(Symbol::playFill, 17, FontWeight::bold);
    transport.setShape(HoverButton::Shape::none);
    transport.resize(28, 28);
    SegmentedControl segments(context, "Filter", {"All", "Won", "Lost", "Misplayed"});
    segments.resize(360, 26);
    Stepper stepper(
        context, [](std::int64_t v) { return QString("Buy-in: $%1").arg(v); }, 100, 10000, 100);
    stepper.resize(360, 28);
    const bool hovered = state.range(0) == 1;
    for (QWidget* w : {static_cast<QWidget*>(&button), static_cast<QWidget*>(&transport),
                       static_cast<QWidget*>(&segments), static_cast<QWidget*>(&stepper)}) {
        w->show();
        if (hovered) {
            QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
            QCoreApplication::sendEvent(w, &enter);
        }
    }
    QCoreApplication::processEvents();
    QImage image = canvas({360, 200});
    for (auto _ : state) {
        button.render(&image);
        transport.render(&image, QPoint(0, 60));
        segments.render(&image, QPoint(0, 100));
        stepper.render(&image, QPoint(0, 140));
    }
}
BENCHMARK(BM_PaintKitWidgets)->Arg(0)->Arg(1);

// A sound already loaded restarts without being read again.
void BM_ReplayCachedSound(benchmark::State& state) {
    SettingsStore settings;
    Feedback feedback(settings);
    feedback.play(Feedback::Sfx::chip);
    for (auto _ : state)
        feedback.play(Feedback::Sfx::chip);
    if (feedback.loadedCount() != 1) state.SkipWithError("the sound was loaded more than once");
}
BENCHMARK(BM_ReplayCachedSound);

}  // namespace
}  // namespace pellox::app

int main(int argc, char** argv) {
    return pellox::app::bench::runBenchmarks(argc, argv);
}
