// A new user's first hours with the application, from onboarding to a resumed hand and a whole tournament,
// through the windows only: what the user clicks, types and reads.
#include <QComboBox>
#include <QListView>
#include <QPointer>

#include "AccessibleActions.hpp"
#include "JourneySupport.hpp"
#include "kit/SegmentedControl.hpp"
#include "review/HandReplayScreen.hpp"
#include "review/HistoryListModel.hpp"
#include "review/HistoryScreen.hpp"
#include "review/ReplayCursor.hpp"
#include "review/SettingsScreen.hpp"
#include "review/StatsScreen.hpp"
#include "rules/Json.hpp"
#include "session/SessionSnapshotStore.hpp"
#include "shell/GameSeed.hpp"
#include "shell/HomeScreen.hpp"
#include "shell/OnboardingSheet.hpp"
#include "shell/RangesWindow.hpp"
#include "store/SettingsStore.hpp"
#include "store/StatsStore.hpp"
#include "table/ActionBarView.hpp"
#include "table/NextHandButton.hpp"
#include "table/SessionSummarySheet.hpp"
#include "table/SessionSummaryView.hpp"
#include "table/TableOverlay.hpp"
#include "table/TablePacing.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

using journey::button;
using journey::click;
using journey::Journey;
using journey::settle;
using journey::visible;
using journey::visibleWindow;

// The human's part through the action bar: check when free, else call, as its buttons read.
void checkOrCallByClick(Journey& j) {
    ActionBarView* bar = visible<ActionBarView>(j.table());
    ASSERT_NE(bar, nullptr) << "the action bar is up on the human's turn";
    const auto legal = *j.session().humanLegalActions();
    const QString text =
        legal.canCheck ? QStringLiteral("Check") : QStringLiteral("Call $%1").arg(legal.callAmount);
    QAbstractButton* b = button(bar, text);
    click(b ? b : button(bar, QStringLiteral("All In")));
}

void key(Journey& j, Qt::Key k) {
    QTest::keyClick(&j.app->mainWindow(), k);
    settle();
}

// Out of chips in a cash game: the overlay's Rebuy, as the user would choose.
void rebuyIfBroke(Journey& j) {
    if (!j.session().humanBustedInCash()) return;
    // The hand that broke the human stays on the felt until Space moves on; then the overlay comes.
    EXPECT_EQ(visible<TableOverlay>(j.table()), nullptr);
    key(j, Qt::Key_Space);
    auto* overlay = visible<TableOverlay>(j.table());
    ASSERT_NE(overlay, nullptr);
    EXPECT_EQ(overlay->title()->text(), "You're out of chips");
    if (gallery::enabled())
        journey::shootWindow("app-1280x820-table-out-of-chips", j.app->mainWindow(), j.app->settings());
    click(button(overlay, QStringLiteral("Rebuy")));
    EXPECT_FALSE(j.session().humanBustedInCash());
}

// Space until the next hand is dealt: it first shows the rest of the board, then deals on.
void spaceToNextHand(Journey& j) {
    rebuyIfBroke(j);
    const std::int64_t hand = j.session().table()->handNumber;
    for (int i = 0; i < 8 && j.session().table()->handNumber == hand; ++i)
        key(j, Qt::Key_Space);
    ASSERT_EQ(j.session().table()->handNumber, hand + 1);
}

// Plays the hand in progress to its end, the human deciding by `human`.
void playHand(Journey& j, const std::function<void()>& human) {
    ASSERT_TRUE(j.drive([&] { return j.handOver(); }, human)) << "hand " << j.session().table()->handNumber;
}

// "Exit" between hands opens the summary at once; during a hand it asks first.
SessionSummarySheet* exitToSummary(Journey& j) {
    click(button(j.table(), QStringLiteral("Exit")));
    if (auto* ask = visibleWindow<QMessageBox>()) {
        EXPECT_EQ(ask->text(), "Leave this hand?");
        click(button(ask, QStringLiteral("Leave")));
    }
    return visibleWindow<SessionSummarySheet>();
}

std::int64_t gradedInHistory(const StatsStore& stats) {
    std::int64_t graded = 0;
    for (const HandRecord& r : stats.handHistory())
        graded += static_cast<std::int64_t>(r.grades.size());
    return graded;
}

bool humanDid(const HandRecord& record, PlayerActionType type) {
    for (const EngineEvent& e : record.events)
        if (const auto* taken = e.as<EngineEvent::ActionTaken>();
            taken && taken->playerId == "human" && taken->action.type == type)
            return true;
    return false;
}

QString labelNamed(QWidget* root, const QString& name) {
    auto* label = root->findChild<QLabel*>(name);
    return label ? label->text() : QString();
}

TEST(Journey, ANewUserPlaysReviewsRethemesQuitsAndResumes) {
    Journey j;
    PelloxPokerApp& app = j.launch();

    // First launch: the onboarding sheet over the home screen; Skip closes it for good.
    OnboardingSheet* sheet = app.rootView().onboardingSheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_NE(visible<HomeScreen>(j.page()), nullptr);
    click(button(sheet, QStringLiteral("Skip")));
    EXPECT_EQ(visibleWindow<OnboardingSheet>(), nullptr);
    EXPECT_TRUE(app.settings().hasOnboarded.get());

    // Fast speed, chosen where the user chooses it.
    j.selectSection(Section::settings);
    auto* settingsScreen = visible<SettingsScreen>(j.page());
    ASSERT_NE(settingsScreen, nullptr);
    click(settingsScreen->speedPicker()->segment(2));
    EXPECT_EQ(app.settings().gameSpeed.get(), GameSpeed::fast);

    // A cash game against three bots from the home screen.
    j.selectSection(Section::table);
    auto* home = visible<HomeScreen>(j.page());
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(home->opponents(), 3);
    click(home->modeCard(GameMode::cash));
    ASSERT_NE(j.table(), nullptr);
    EXPECT_EQ(j.session().sessionSeed(), Journey::seed);
    EXPECT_EQ(j.session().table()->players.size(), 4u);
    j.table()->pacingTask().setJitter([] { return 0.0; });
    j.activate();

    // Five hands: the action bar and the Next Hand button, then the keys C, F, A and Space.
    playHand(j, [&] { checkOrCallByClick(j); });
    rebuyIfBroke(j);
    click(visible<NextHandButton>(j.table()));
    EXPECT_EQ(j.session().table()->handNumber, 2);
    playHand(j, [&] { key(j, Qt::Key_C); });
    spaceToNextHand(j);
    // F on the first hand in which the human has a decision (a walk in the big blind has none).
    bool folded = false;
    const auto foldOnce = [&] {
        if (folded) return key(j, Qt::Key_C);
        const auto before = j.session().currentHandEvents().size();
        key(j, Qt::Key_F);
        EXPECT_GT(j.session().currentHandEvents().size(), before) << "F folds";
        folded = true;
        EXPECT_TRUE(j.session().table()->player("human")->hasFolded);
    };
    playHand(j, foldOnce);
    spaceToNextHand(j);
    playHand(j, foldOnce);
    EXPECT_TRUE(folded);
    spaceToNextHand(j);
    playHand(j, [&] { key(j, Qt::Key_A); });
    EXPECT_TRUE(humanDid(app.stats().handHistory().front(), PlayerActionType::allIn)) << "A goes all in";
    ASSERT_EQ(app.stats().handHistory().size(), 5u);
    EXPECT_TRUE(std::any_of(app.stats().handHistory().begin(), app.stats().handHistory().end(),
                            [](const HandRecord& r) { return humanDid(r, PlayerActionType::fold); }));

    // Leaving the table: the summary of the five hands, then the home screen.
    SessionSummarySheet* summary = exitToSummary(j);
    ASSERT_NE(summary, nullptr) << "the session summary is shown on leaving";
    EXPECT_EQ(summary->view()->model().handsValue, "5");
    click(summary->view()->mainMenuButton());
    EXPECT_FALSE(j.session().table());
    EXPECT_NE(visible<HomeScreen>(j.page()), nullptr);

    // History: the five hands newest first; a replay steps to its last frame.
    j.selectSection(Section::history);
    auto* history = visible<HistoryScreen>(j.page());
    ASSERT_NE(history, nullptr);
    ASSERT_EQ(history->model()->rowCount(), 5);
    for (int i = 0; i < 5; ++i) {
        ASSERT_NE(history->model()->record(i), nullptr);
        EXPECT_EQ(history->model()->record(i)->handNumber, static_cast<std::int64_t>(5 - i));
    }
    const QModelIndex newest = history->model()->index(0, 0);
    QTest::mouseClick(history->list()->viewport(), Qt::LeftButton, Qt::NoModifier,
                      history->list()->visualRect(newest).center());
    settle();
    auto* replay = visible<HandReplayScreen>(j.page());
    ASSERT_NE(replay, nullptr);
    click(replay->transportButton(TransportButton::last));
    EXPECT_EQ(replay->cursor().cursor(), replay->cursor().lastStepIndex());
    EXPECT_GT(replay->cursor().lastStepIndex(), 0);
    EXPECT_FALSE(replay->transportButton(TransportButton::next)->isEnabled());

    // Stats: five hands and the graded decisions.
    j.selectSection(Section::stats);
    auto* statsScreen = visible<StatsScreen>(j.page());
    ASSERT_NE(statsScreen, nullptr);
    const std::int64_t graded = gradedInHistory(app.stats());
    EXPECT_GT(graded, 0) << "the default guide grades the human's decisions";
    EXPECT_EQ(app.stats().stats().decisionsGraded, graded);
    EXPECT_EQ(labelNamed(statsScreen, "hands"), "5");
    EXPECT_EQ(labelNamed(statsScreen, "decisions"), QString::number(graded));

    // Settings: a new theme recolours both windows.
    j.selectSection(Section::settings);
    app.openRanges();
    settle();
    settingsScreen = visible<SettingsScreen>(j.page());
    ASSERT_NE(settingsScreen, nullptr);
    QComboBox* theme = settingsScreen->themePicker();
    const int midnight = theme->findText(QStringLiteral("Midnight"));
    ASSERT_GE(midnight, 0);
    theme->setCurrentIndex(midnight);
    emit theme->activated(midnight);
    settle();
    EXPECT_EQ(app.settings().tableTheme.get(), TableTheme::midnight);
    EXPECT_EQ(app.mainContext().palette(), Palette::midnight());
    EXPECT_EQ(app.rangesWindow()->context().palette(), Palette::midnight());
    const QImage ranges = app.rangesWindow()->grab().toImage();
    EXPECT_EQ(ranges.pixelColor(2, ranges.height() - 3), Palette::midnight().feltDark);
    const QImage form = settingsScreen->grab().toImage();
    EXPECT_EQ(form.pixelColor(2, form.height() - 3), Palette::midnight().feltDark);
    app.rangesWindow()->close();

    // A new game, quit in the middle of a hand.
    j.selectSection(Section::table);
    click(visible<HomeScreen>(j.page())->modeCard(GameMode::cash));
    ASSERT_NE(j.table(), nullptr);
    j.table()->pacingTask().setJitter([] { return 0.0; });
    ASSERT_TRUE(j.drive([&] { return j.session().isHumanTurn(); }, nullptr));
    // Exit during a hand asks first; "Keep playing" changes nothing.
    click(button(j.table(), QStringLiteral("Exit")));
    auto* ask = visibleWindow<QMessageBox>();
    ASSERT_NE(ask, nullptr);
    EXPECT_EQ(ask->text(), "Leave this hand?");
    if (gallery::enabled())
        journey::shootWindow("app-1280x820-table-exit-confirmation", app.mainWindow(), app.settings());
    click(button(ask, QStringLiteral("Keep playing")));
    EXPECT_EQ(visibleWindow<SessionSummarySheet>(), nullptr);
    EXPECT_TRUE(j.session().isHumanTurn());
    const Json left(*j.session().table());
    const auto leftEvents = j.session().currentHandEvents().size();
    EXPECT_EQ(j.quit(), 0);
    EXPECT_TRUE(SessionSnapshotStore(std::make_shared<UserDefaultsStore>(j.path)).load());

    // The second launch offers the hand; Resume deals on from the same cards and stacks.
    j.launch();
    QMessageBox* alert = j.root().resumeAlert();
    ASSERT_NE(alert, nullptr);
    EXPECT_TRUE(alert->isVisible());
    EXPECT_EQ(alert->text(), "Resume your hand?");
    EXPECT_EQ(alert->informativeText(), "A cash game hand was still in progress when you left.");
    EXPECT_EQ(j.app->settings().tableTheme.get(), TableTheme::midnight) << "the theme was kept";
    click(button(alert, QStringLiteral("Resume")));
    ASSERT_NE(j.table(), nullptr);
    EXPECT_EQ(Json(*j.session().table()), left);
    EXPECT_EQ(j.session().currentHandEvents().size(), leftEvents);
    EXPECT_FALSE(SessionSnapshotStore(std::make_shared<UserDefaultsStore>(j.path)).load())
        << "a stored hand is offered once";
    j.table()->pacingTask().setJitter([] { return 0.0; });
    j.activate();
    ASSERT_TRUE(j.drive([&] { return j.session().isHumanTurn(); }, nullptr));
    key(j, Qt::Key_C);
    EXPECT_GT(j.session().currentHandEvents().size(), leftEvents) << "the resumed hand plays on";
}

TEST(Journey, ATournamentToItsEndShowsItsStandings) {
    Journey j;
    {
        SettingsStore settings;
        settings.load(std::make_shared<UserDefaultsStore>(j.path));
        settings.hasOnboarded.set(true);
        settings.gameSpeed.set(GameSpeed::fast);
        settings.save();
    }
    PelloxPokerApp& app = j.launch();
    auto* home = visible<HomeScreen>(j.page());
    ASSERT_NE(home, nullptr);
    // One bot and no guide keep the tournament short.
    click(home->countButton(1));
    click(home->guideCard(GuideMode::off));
    click(home->modeCard(GameMode::tournament));
    ASSERT_NE(j.table(), nullptr);
    j.table()->pacingTask().setJitter([] { return 0.0; });
    j.activate();
    j.dealsOn = true;
    ASSERT_TRUE(j.drive([&] { return j.session().tournamentOver(); }, [&] { key(j, Qt::Key_C); }));
    // The last hand plays out on the felt, then the tournament's end is shown over it.
    ASSERT_TRUE(j.drive([&] { return visible<TableOverlay>(j.table()) != nullptr; }, nullptr));
    EXPECT_TRUE(j.handOver());

    auto* overlay = visible<TableOverlay>(j.table());
    ASSERT_NE(overlay, nullptr) << "the tournament's end is shown over the table";
    EXPECT_EQ(overlay->title()->text(), "Tournament Complete");
    QStringList expected;
    for (const Standing& s : *j.session().standings())
        expected << QStringLiteral("%1. %2").arg(s.place).arg(
            QString::fromStdString(j.session().playerName(s.playerId)));
    EXPECT_EQ(expected.filter(QStringLiteral(". You")).size(), 1);
    EXPECT_EQ(overlay->lines(), expected);
    EXPECT_EQ(expected.size(), 2);
    if (gallery::enabled())
        journey::shootWindow("app-1280x820-table-tournament-complete", app.mainWindow(), app.settings());
    EXPECT_EQ(app.stats().handHistory().size(), static_cast<std::size_t>(j.session().table()->handNumber));

    click(button(overlay, QStringLiteral("See summary")));
    auto* summary = visibleWindow<SessionSummarySheet>();
    ASSERT_NE(summary, nullptr);
    EXPECT_EQ(summary->view()->model().modeText, "Tournament");
    click(summary->view()->mainMenuButton());
    EXPECT_NE(visible<HomeScreen>(j.page()), nullptr);
}

TEST(GameSeed, OnlyAWholeNumberFixesTheSeed) {
    EXPECT_EQ(parseGameSeed(QStringLiteral("42")), 42);
    EXPECT_EQ(parseGameSeed(QStringLiteral(" -7 ")), -7);
    EXPECT_EQ(parseGameSeed(QString()), std::nullopt);
    EXPECT_EQ(parseGameSeed(QStringLiteral("seed")), std::nullopt);
    EXPECT_EQ(parseGameSeed(QStringLiteral("99999999999")), std::nullopt) << "beyond the stored seed";
}

// The summary of a session left mid-hand waits for "Play again" or "Main menu": the Settings command, the
// sidebar and Back leave it and its table alone, while the ranges window still opens.
TEST(Journey, TheHeldSummaryOutlastsTheSettingsCommandAndItsSessionStaysLeft) {
    Journey j;
    PelloxPokerApp& app = j.launch();
    click(button(app.rootView().onboardingSheet(), QStringLiteral("Skip")));
    settle();
    click(visible<HomeScreen>(j.page())->modeCard(GameMode::cash));
    ASSERT_NE(j.table(), nullptr);
    j.table()->pacingTask().setJitter([] { return 0.0; });
    ASSERT_TRUE(j.drive([&] { return j.session().isHumanTurn(); }, nullptr));
    click(button(j.table(), QStringLiteral("Exit")));
    auto* ask = visibleWindow<QMessageBox>();
    ASSERT_NE(ask, nullptr);
    click(button(ask, QStringLiteral("Leave")));
    QPointer<SessionSummarySheet> summary = visibleWindow<SessionSummarySheet>();
    ASSERT_NE(summary, nullptr);
    QPointer<TableScreen> table = j.table();
    const auto events = j.session().currentHandEvents().size();
    summary->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(summary));

    QTest::keyClick(summary, Qt::Key_Comma, Qt::ControlModifier);
    settle();
    app.commands().settingsAction()->trigger();
    testing::chooseSidebarRow(j.root().sidebar(), QStringLiteral("Stats"));
    settle();
    ASSERT_TRUE(summary && summary->isVisible()) << "the summary waits for its own buttons";
    ASSERT_TRUE(table && j.table() == table) << "the left table stays, its summary over it";
    EXPECT_EQ(j.root().state().section(), Section::table);
    EXPECT_EQ(j.root().sidebar()->currentRow(), 0);
    EXPECT_TRUE(table->showingSummary());
    for (int i = 0; i < 5; ++i)
        j.stepTable();
    EXPECT_EQ(j.session().currentHandEvents().size(), events) << "the left hand does not play on";

    QTest::keyClick(summary, Qt::Key_R, Qt::ControlModifier);
    settle();
    ASSERT_NE(app.rangesWindow(), nullptr);
    EXPECT_TRUE(app.rangesWindow()->isVisible()) << "the ranges window may open";
    app.rangesWindow()->close();

    click(summary->view()->mainMenuButton());
    settle();
    EXPECT_NE(visible<HomeScreen>(j.page()), nullptr);
    app.commands().settingsAction()->trigger();
    settle();
    EXPECT_NE(visible<SettingsScreen>(j.page()), nullptr) << "answered, the command works again";
}

}  // namespace
}  // namespace pellox::app
