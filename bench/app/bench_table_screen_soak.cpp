// A thousand fast hands played through the table screen, its timers' runs performed as soon as they are
// armed: the process's resident memory once the hand history is full and at the end, and the growth between
// them. Exits with 1 when the growth passes the bound.
#include <unistd.h>
#include <QApplication>
#include <QCoreApplication>
#include <cstdio>
#include <fstream>
#include <memory>

#include "kit/KeyedTimer.hpp"
#include "rules/SeededRNG.hpp"
#include "session/GameSession.hpp"
#include "store/InMemoryStore.hpp"
#include "store/SettingsStore.hpp"
#include "store/StatsStore.hpp"
#include "table/TablePacingTask.hpp"
#include "table/TableScreen.hpp"
#include "theme/AppContext.hpp"

namespace {

using namespace pellox;
using namespace pellox::app;

constexpr std::int64_t hands = 1000;
// The hand history fills up to its 200 records first.
constexpr std::int64_t warmUpHands = 200;
constexpr double boundMiB = 8;

double residentMiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

PlayerActionType humanChoice(const LegalActions& legal, SeededRNG& rng) {
    const double u = rng.next();
    if (legal.canCheck) return u < 0.8 ? PlayerActionType::check : PlayerActionType::allIn;
    if (u < 0.45 && legal.canFold) return PlayerActionType::fold;
    if (u < 0.95 && legal.canCall) return PlayerActionType::call;
    return PlayerActionType::allIn;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    auto store = std::make_shared<InMemoryStore>();
    SettingsStore settings;
    StatsStore stats;
    settings.load(store);
    stats.load(store);
    settings.gameSpeed.set(GameSpeed::fast);
    settings.guideMode.set(GuideMode::gradeOnly);
    GameSession session(settings, stats);
    session.setComputesAdviceSynchronously(true);
    AppContext context(&settings);
    context.setReduceMotion(false);
    session.startCashGame(5, 1000);

    TableScreen screen(context, session, settings, false, false, [] {});
    screen.resize(1280, 820);
    screen.show();
    TablePacingTask& task = screen.pacingTask();
    SeededRNG rng(7);

    double warm = 0;
    std::int64_t reported = 0;
    std::int64_t steps = 0;
    while (session.table()->handNumber <= hands) {
        QCoreApplication::processEvents();
        task.flush();
        if (session.table()->handNumber == warmUpHands && warm == 0) warm = residentMiB();
        if (session.table()->handNumber % 100 == 0 && session.table()->handNumber != reported) {
            reported = session.table()->handNumber;
            std::printf("hand %lld: %.1f MiB resident\n", static_cast<long long>(reported), residentMiB());
        }
        ++steps;
        if (task.preActionTimer().runPendingNow() || task.pacingTimer().runPendingNow()) continue;
        if (session.isHumanTurn()) {
            screen.submit({humanChoice(*session.humanLegalActions(), rng), std::nullopt});
        } else if (session.humanBustedInCash()) {
            session.rebuy();
        } else {
            std::fprintf(stderr, "the game stopped at hand %lld\n",
                         static_cast<long long>(session.table()->handNumber));
            return 1;
        }
    }
    const double end = residentMiB();
    std::printf(
        "hands %lld, steps %lld, resident after %lld hands %.1f MiB, at the end %.1f MiB, growth %.1f MiB "
        "(bound %.0f MiB)\n",
        static_cast<long long>(hands), static_cast<long long>(steps), static_cast<long long>(warmUpHands),
        warm, end, end - warm, boundMiB);
    return end - warm <= boundMiB ? 0 : 1;
}
