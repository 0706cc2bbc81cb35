// Pictures of the whole application, when PELLOX_GALLERY_DIR is set: every screen, sheet and alert of the
// main window, grabbed with the window around it (sheets and alerts drawn where they stand over it), at the
// smallest and the default window size, in each table theme, and again at one and a half and twice the text
// size; and the ranges window at both of its sizes.
#include <QDialog>
#include <QPainter>
#include <tuple>

#include "Gallery.hpp"
#include "JourneySupport.hpp"
#include "kit/Fonts.hpp"
#include "review/HistoryScreen.hpp"
#include "review/RangeChartScreen.hpp"
#include "review/SettingsScreen.hpp"
#include "rules/RawEnum.hpp"
#include "session/SessionSnapshotStore.hpp"
#include "shell/HomeScreen.hpp"
#include "shell/OnboardingSheet.hpp"
#include "shell/RangesWindow.hpp"
#include "shell/Route.hpp"
#include "store/SampleHands.hpp"
#include "store/SettingsStore.hpp"
#include "store/StatsStore.hpp"

namespace pellox::app {
namespace {

using journey::button;
using journey::click;
using journey::Journey;
using journey::settle;
using journey::shootWindow;
using journey::visible;

const QSize minimumSize{1000, 680};
const QSize defaultSize{1280, 820};

QString sizeName(QSize size) {
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

void fillHistory(StatsStore& stats) {
    SeededRNG rng(8);
    for (std::int64_t hand = 1; hand <= 24; ++hand) {
        HandRecord record = samples::realisticHand(hand, rng);
        stats.record(samples::outcomeOf(record), record);
    }
}

void shootEveryScreen(QSize size, const QString& prefix) {
    Journey j;
    {
        SessionSnapshotStore(std::make_shared<UserDefaultsStore>(j.path)).save([] {
            SettingsStore s;
            StatsStore st;
            GameSession g(s, st);
            s.guideMode.set(GuideMode::off);
            g.startTournament(3, 5);
            return *g.makeSnapshot();
        }());
    }
    PelloxPokerApp& app = j.launch();
    MainWindow& window = app.mainWindow();
    window.resize(size);
    settle();
    SettingsStore& settings = app.settings();
    const auto shoot = [&](const QString& name) { shootWindow(prefix + name, window, settings); };

    shoot("onboarding");
    click(button(app.rootView().onboardingSheet(), QStringLiteral("Skip")));
    settle();
    j.root().offerResume();
    settle();
    if (j.root().resumeAlert()) {
        shoot("resume-alert");
        click(button(j.root().resumeAlert(), QStringLiteral("Start fresh")));
    }
    shoot("home");

    fillHistory(app.stats());
    j.selectSection(Section::stats);
    shoot("stats");
    j.selectSection(Section::history);
    shoot("history");
    j.root().push(Route::handReplay(app.stats().handHistory().front().id));
    settle();
    shoot("replay");
    j.root().push(Route::handReplay("gone"));
    settle();
    shoot("missing-record");
    j.selectSection(Section::ranges);
    shoot("ranges");
    j.selectSection(Section::settings);
    shoot("settings");
    if (auto* screen = visible<SettingsScreen>(j.page())) {
        click(screen->eraseButton());
        shoot("settings-erase");
        if (screen->eraseDialog()) screen->eraseDialog()->reject();
        settle();
    }

    // The table: the human's turn with the guide shown, then the hand's end with its report.
    j.selectSection(Section::table);
    click(visible<HomeScreen>(j.page())->modeCard(GameMode::cash));
    ASSERT_NE(j.table(), nullptr);
    j.table()->pacingTask().setJitter([] { return 0.0; });
    ASSERT_TRUE(j.drive([&] { return j.session().isHumanTurn(); }, nullptr));
    journey::waitFor([&] { return j.adviceReady(); });
    settle();
    shoot("table-human-turn");
    ASSERT_TRUE(
        j.drive([&] { return j.handOver(); },
                [&] {
                    const auto legal = *j.session().humanLegalActions();
                    j.table()->submit(
                        {legal.canCheck ? PlayerActionType::check : PlayerActionType::call, std::nullopt});
                }));
    shoot("table-hand-over");
    click(button(j.table(), QStringLiteral("Exit")));
    shoot("table-summary");
}

class GalleryApp : public ::testing::TestWithParam<QSize> {};

TEST_P(GalleryApp, EveryScreenAndSheetOfTheMainWindow) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    shootEveryScreen(GetParam(), QStringLiteral("app-") + sizeName(GetParam()) + QLatin1Char('-'));
}

INSTANTIATE_TEST_SUITE_P(Sizes, GalleryApp, ::testing::Values(minimumSize, defaultSize),
                         [](const auto& info) { return sizeName(info.param).toStdString(); });

// The same screens with larger text, as a larger desktop text size or PELLOX_TEXT_SCALE gives it.
class GalleryLargerText : public ::testing::TestWithParam<std::tuple<double, QSize>> {};

TEST_P(GalleryLargerText, EveryScreenAndSheetOfTheMainWindow) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    const auto [scale, size] = GetParam();
    struct Restore {
        double before = ScaledFont::textScale();
        ~Restore() { ScaledFont::setTextScale(before); }
    } restore;
    ScaledFont::setTextScale(scale);
    shootEveryScreen(size, QStringLiteral("app-text%1-%2-").arg(qRound(scale * 100)).arg(sizeName(size)));
}

INSTANTIATE_TEST_SUITE_P(Scales, GalleryLargerText,
                         ::testing::Combine(::testing::Values(1.5, 2.0),
                                            ::testing::Values(minimumSize, defaultSize)),
                         [](const auto& info) {
                             return QStringLiteral("text%1_%2")
                                 .arg(qRound(std::get<0>(info.param) * 100))
                                 .arg(sizeName(std::get<1>(info.param)))
                                 .toStdString();
                         });

TEST(GalleryApp, TheRangesWindowAtBothSizes) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    Journey j;
    PelloxPokerApp& app = j.launch();
    app.openRanges();
    RangesWindow& ranges = *app.rangesWindow();
    for (QSize size : {QSize(560, 620), QSize(620, 720)}) {
        ranges.resize(size);
        settle();
        shootWindow(QStringLiteral("ranges-window-") + sizeName(size), ranges, app.settings());
    }
}

}  // namespace
}  // namespace pellox::app
