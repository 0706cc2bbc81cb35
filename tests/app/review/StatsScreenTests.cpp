#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "Gallery.hpp"
#include "review/AccuracyBar.hpp"
#include "review/RecentHandsChartView.hpp"
#include "review/StatsFixtures.hpp"
#include "review/StatsScreen.hpp"
#include "store/SettingsStore.hpp"
#include "store/StatsStore.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"
#include "view/HandReport.hpp"

namespace pellox::app {
namespace {

QStringList labelTexts(const QWidget& widget) {
    QStringList texts;
    for (const QLabel* label : widget.findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

QString labelNamed(const QWidget& widget, const QString& name) {
    const auto* label = widget.findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("<missing>");
}

QWidget* leaksCard(const StatsScreen& screen) {
    return screen.scrollArea()->widget()->findChild<QWidget*>(QStringLiteral("leaks"));
}

QString percentOf(double fraction) {
    return QString::number(std::lround(fraction * 100)) + "%";
}

struct StatsScreenTest : ::testing::Test {
    SettingsStore settings;
    AppContext context{&settings};
    StatsStore store;
};

TEST_F(StatsScreenTest, FiguresOfAGeneratedHistory) {
    test::recordSampleHands(store, 90, 77);
    store.recordSessionStart();
    store.recordSessionStart();
    StatsScreen screen(context, store, false);
    screen.resize(720, 900);
    QApplication::processEvents();
    const TrainingStats& s = store.stats();

    const double accuracy = static_cast<double>(s.decisionsAgreed) / static_cast<double>(s.decisionsGraded);
    EXPECT_EQ(labelNamed(screen, "accuracy"), percentOf(accuracy));
    EXPECT_EQ(labelNamed(screen, "grade"), QString::fromStdString(letterGrade(accuracy)));
    EXPECT_EQ(labelNamed(screen, "hands"), QString::number(s.handsPlayed));
    EXPECT_EQ(labelNamed(screen, "decisions"), QString::number(s.decisionsGraded));
    EXPECT_EQ(labelNamed(screen, "sessions"), "2");

    const QStringList texts = labelTexts(screen);
    for (const char* title : {"RECENT HANDS", "BY STREET", "BY POSITION", "LEAKS", "NET CHIPS", "Cash game",
                              "Tournament", "matched the guide"})
        EXPECT_TRUE(texts.contains(title)) << title;
    EXPECT_TRUE(
        texts.contains("Per-hand accuracy for your last 30 graded hands. The dashed line is your "
                       "lifetime average."));

    // Each breakdown row reads its bucket aloud; the street rows come first, then every graded position.
    QStringList rows;
    for (const QWidget* w : screen.findChildren<QWidget*>())
        if (w->accessibleName().endsWith(" decisions")) rows << w->accessibleName();
    ASSERT_EQ(rows.size(), 4 + 9);
    const auto& flop = s.byStreet.at(StreetKey::flop);
    EXPECT_EQ(rows[1],
              "Flop: " + percentOf(*flop.accuracy()) + " of " + QString::number(flop.graded) + " decisions");
    const auto& dealer = s.byPosition.at(Position::btn);
    EXPECT_EQ(rows[4], "Dealer: " + percentOf(*dealer.accuracy()) + " of " + QString::number(dealer.graded) +
                           " decisions");
    EXPECT_EQ(screen.findChildren<AccuracyBar*>().size(), 13);

    // The three weakest leaks in order, each with its accuracy and count.
    const auto leaks = s.leaks();
    const QStringList leakTexts = labelTexts(*leaksCard(screen));
    ASSERT_EQ(leakTexts.size(), 1 + 3 * 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(leakTexts[1 + 3 * i], displayName(leaks[i]));
        EXPECT_EQ(leakTexts[2 + 3 * i], percentOf(leaks[i].accuracy));
        EXPECT_EQ(leakTexts[3 + 3 * i], "of " + QString::number(leaks[i].graded));
    }

    const auto sign = [](std::int64_t n) {
        return (n > 0 ? "+$" : n < 0 ? "-$" : "$") + QString::number(std::abs(n));
    };
    EXPECT_TRUE(texts.contains(sign(s.netChipsByMode.at(GameMode::cash))));
    EXPECT_TRUE(texts.contains(sign(s.netChipsByMode.at(GameMode::tournament))));

    const auto* chart = screen.findChild<RecentHandsChartView*>();
    ASSERT_TRUE(chart);
    EXPECT_EQ(chart->model().points, s.recentHandAccuracy);
}

TEST_F(StatsScreenTest, WithoutGradesOnlyTheEmptyStateShows) {
    for (int i = 0; i < 3; ++i)
        store.record({GameMode::cash, 25, Position::co, {}}, HandRecord{});
    StatsScreen screen(context, store, true);
    screen.resize(600, 300);
    screen.show();
    QApplication::processEvents();
    EXPECT_EQ(labelTexts(screen),
              (QStringList{"Nothing graded yet",
                           "Play a hand with the guide set to Show advice or Test yourself, "
                           "and your decisions start being scored against it."}));
    EXPECT_EQ(leaksCard(screen), nullptr);
    EXPECT_EQ(screen.scrollArea()->verticalScrollBar()->value(), 0);
}

TEST_F(StatsScreenTest, RedrawsWhenAHandIsRecorded) {
    StatsScreen screen(context, store, false);
    QApplication::processEvents();
    EXPECT_TRUE(labelTexts(screen).contains("Nothing graded yet"));

    store.record({GameMode::tournament, -300, Position::bb, {test::grade(Street::preflop, true)}},
                 HandRecord{});
    QApplication::processEvents();
    EXPECT_EQ(labelNamed(screen, "accuracy"), "100%");
    EXPECT_EQ(labelNamed(screen, "grade"), "A+");
    EXPECT_EQ(screen.scrollArea()->widget()->findChild<QWidget*>("recentHands"),
              nullptr);  // one point is no chart
    EXPECT_TRUE(labelTexts(screen).contains("-$300"));
    EXPECT_TRUE(labelTexts(screen).contains(StatsScreenModel::noLeaksText()));

    store.record({GameMode::tournament, 0, Position::bb, {test::grade(Street::flop, false)}}, HandRecord{});
    QApplication::processEvents();
    EXPECT_EQ(labelNamed(screen, "accuracy"), "50%");
    EXPECT_NE(screen.scrollArea()->widget()->findChild<QWidget*>("recentHands"), nullptr);
}

TEST_F(StatsScreenTest, StartsWithTheLeaksCardCentred) {
    test::recordSampleHands(store, 40, 5);
    StatsScreen screen(context, store, true);
    screen.resize(700, 420);
    screen.show();
    QApplication::processEvents();
    QApplication::processEvents();
    const QWidget* leaks = leaksCard(screen);
    ASSERT_TRUE(leaks);
    const int viewport = screen.scrollArea()->viewport()->height();
    const int value = screen.scrollArea()->verticalScrollBar()->value();
    EXPECT_GT(value, 0);
    EXPECT_NEAR(leaks->y() + leaks->height() / 2 - value, viewport / 2, 1);

    StatsScreen fromTop(context, store, false);
    fromTop.resize(700, 420);
    fromTop.show();
    QApplication::processEvents();
    EXPECT_EQ(fromTop.scrollArea()->verticalScrollBar()->value(), 0);
}

// The page is a stop of its own: the screen, deleted while the page has the keys, lets them go.
TEST_F(StatsScreenTest, IsDeletedWithTheKeysOnIt) {
    QWidget window;
    auto screen = std::make_unique<StatsScreen>(context, store, false, &window);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    screen->scrollArea()->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(screen->scrollArea()->hasFocus());
    screen.reset();
    EXPECT_EQ(QApplication::focusWidget(), nullptr);
}

int baselineIn(const QLabel& label, const QWidget& ancestor) {
    return label.mapTo(&ancestor, label.contentsRect().topLeft()).y() + QFontMetrics(label.font()).ascent();
}

TEST_F(StatsScreenTest, TheGradeStandsOnTheFiguresBaseline) {
    store.record({GameMode::cash, 0, Position::bb, {test::grade(Street::flop, true)}}, HandRecord{});
    StatsScreen screen(context, store, false);
    screen.resize(640, 600);
    screen.show();
    QApplication::processEvents();
    const auto* accuracy = screen.findChild<QLabel*>("accuracy");
    const auto* grade = screen.findChild<QLabel*>("grade");
    ASSERT_TRUE(accuracy && grade);
    EXPECT_NEAR(baselineIn(*grade, screen), baselineIn(*accuracy, screen), 1);
    EXPECT_GT(grade->x(), screen.width() / 2);  // pushed to the trailing edge
}

TEST_F(StatsScreenTest, FollowsTheLiveTheme) {
    store.record({GameMode::cash, 0, Position::bb, {test::grade(Street::flop, true)}}, HandRecord{});
    StatsScreen screen(context, store, false);
    settings.tableTheme.set(TableTheme::oxblood);
    QApplication::processEvents();
    const auto* accuracy = screen.findChild<QLabel*>("accuracy");
    ASSERT_TRUE(accuracy);
    EXPECT_EQ(accuracy->palette().color(QPalette::WindowText), Palette::oxblood().accent);
}

TEST_F(StatsScreenTest, Gallery) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    StatsStore empty;
    StatsScreen emptyScreen(context, empty, false);
    emptyScreen.resize(720, 240);
    emptyScreen.show();
    gallery::shoot("stats-empty", emptyScreen, settings);

    test::recordSampleHands(store, 120, 20240611);
    store.recordSessionStart();
    StatsScreen screen(context, store, false);
    screen.resize(720, 1500);
    screen.show();
    gallery::shoot("stats", screen, settings);

    StatsStore few;
    few.record({GameMode::cash,
                150,
                Position::sb,
                {test::grade(Street::preflop, true), test::grade(Street::flop, false)}},
               HandRecord{});
    few.record({GameMode::cash, 0, Position::sb, {test::grade(Street::turn, false)}}, HandRecord{});
    few.record({GameMode::cash, 0, Position::sb, {test::grade(Street::turn, true)}}, HandRecord{});
    StatsScreen fewScreen(context, few, false);
    fewScreen.resize(560, 1100);
    fewScreen.show();
    gallery::shoot("stats-first-hands", fewScreen, settings);

    // The plot's extremes: hands at 0 and at 100%, the lifetime rule on the middle line.
    RecentHandsChartView chart(context, RecentHandsChartModel({0.0, 1.0, 0.5, 0.25, 1.0, 0.0}, 0.5));
    chart.resize(520, RecentHandsChartView::chartHeight);
    chart.show();
    gallery::shootAlone("stats-chart", chart, settings, context);
}

}  // namespace
}  // namespace pellox::app
