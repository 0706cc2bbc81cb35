#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>
#include <csignal>

#include "ShellTestSupport.hpp"
#include "review/RangeChartScreen.hpp"
#include "rules/Json.hpp"
#include "shell/MacNavigation.hpp"
#include "shell/MacRootView.hpp"
#include "shell/MainWindow.hpp"
#include "shell/OnboardingSheet.hpp"
#include "shell/PelloxCommands.hpp"
#include "shell/QuitOnSignals.hpp"
#include "shell/RangesWindow.hpp"
#include "shell/SaveFailureAlert.hpp"
#include "store/SampleHands.hpp"
#include "store/StatsStore.hpp"
#include "table/TableHeader.hpp"
#include "table/TableScreen.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

using testing::AppRig;
using testing::settle;
using testing::snapshotKey;

QStringList actionTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* a : menu->actions())
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

int rangesWindowCount() {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "ranges" && w->isVisible()) ++count;
    return count;
}

void activate(QWidget& window) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

// Runs the application's event loop until it quits, as main() does; `during` runs once the loop turns.
int runUntilQuit(const std::function<void()>& during) {
    QTimer::singleShot(0, during);
    return QApplication::exec();
}

TEST(Application, StartUpLoadsTheStoresFromTheFileAndWritesNothing) {
    AppRig rig;
    rig.writeSettings(true, TableTheme::midnight);
    {
        StatsStore stats;
        stats.load(std::make_shared<UserDefaultsStore>(rig.path));
        SeededRNG rng(3);
        auto record = samples::realisticHand(1, rng);
        stats.record(samples::outcomeOf(record), record);
    }
    const QByteArray before = rig.fileBytes();
    PelloxPokerApp& app = rig.launch();
    EXPECT_EQ(app.settings().tableTheme.get(), TableTheme::midnight);
    EXPECT_TRUE(app.settings().hasLoaded());
    EXPECT_EQ(app.stats().handHistory().size(), 1u);
    EXPECT_EQ(app.mainContext().palette(), Palette::midnight());
    EXPECT_NE(app.mainContext().feedback(), nullptr);
    EXPECT_FALSE(app.session().table());
    EXPECT_EQ(rig.fileBytes(), before);
}

TEST(Application, FirstLaunchOnAnEmptyFileWritesNothingUntilSomethingIsSaved) {
    AppRig rig;
    PelloxPokerApp& app = rig.launchShown();
    EXPECT_EQ(app.settings().makeSnapshot(), SettingsStore::Snapshot{});
    EXPECT_EQ(app.mainContext().palette(), Palette::cardRoom());
    EXPECT_FALSE(rig.file().string("pellox-poker-settings"));
    EXPECT_FALSE(rig.file().string("pellox-poker-stats"));
}

TEST(Application, WindowsTheirTitlesAndSizes) {
    AppRig rig;
    rig.writeSettings();
    PelloxPokerApp& app = rig.launchShown();
    MainWindow& main = app.mainWindow();
    EXPECT_EQ(main.windowTitle(), "Pellox Poker");
    EXPECT_EQ(main.size(), QSize(1280, 820));
    EXPECT_EQ(main.minimumSize(), QSize(1000, 680));
    main.resize(500, 300);
    EXPECT_EQ(main.size(), QSize(1000, 680));
    EXPECT_FALSE(main.testAttribute(Qt::WA_DeleteOnClose));

    EXPECT_EQ(app.rangesWindow(), nullptr) << "the ranges window opens only when asked for";
    app.openRanges();
    RangesWindow* ranges = app.rangesWindow();
    ASSERT_NE(ranges, nullptr);
    EXPECT_EQ(ranges->windowTitle(), "Preflop Ranges");
    EXPECT_EQ(ranges->size(), QSize(620, 720));
    EXPECT_EQ(ranges->minimumSize(), QSize(560, 620));
    EXPECT_TRUE(ranges->isWindow());
    EXPECT_EQ(ranges->parentWidget(), nullptr);
    EXPECT_EQ(ranges->context().feedback(), nullptr) << "no sound player in the ranges window";
    EXPECT_NE(ranges->findChild<RangeChartScreen*>(), nullptr);
}

TEST(Application, MenusFollowLinuxConventionsWithoutANewWindowItem) {
    AppRig rig;
    rig.writeSettings();
    PelloxPokerApp& app = rig.launch();
    const QList<QAction*> menus = app.mainWindow().menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), "File");
    EXPECT_EQ(menus[1]->text(), "Table");
    EXPECT_EQ(menus[2]->text(), "Help");
    EXPECT_EQ(actionTexts(menus[0]->menu()), (QStringList{"Settings...", "-", "Quit"}));
    EXPECT_EQ(actionTexts(menus[1]->menu()), QStringList{"Preflop Ranges"});
    EXPECT_EQ(actionTexts(menus[2]->menu()),
              QStringList{"While playing: F folds, C checks or calls, A goes all in, Space deals on."});
    EXPECT_FALSE(menus[2]->menu()->actions()[0]->isEnabled()) << "the help line is text, not a command";
    EXPECT_EQ(app.commands().settingsAction()->shortcut(), QKeySequence("Ctrl+,"));
    EXPECT_EQ(app.commands().quitAction()->shortcut(), QKeySequence("Ctrl+Q"));
    EXPECT_EQ(app.commands().rangesAction()->shortcut(), QKeySequence("Ctrl+R"));
    for (QAction* menu : menus)
        for (QAction* a : menu->menu()->actions())
            EXPECT_FALSE(a->text().contains("New", Qt::CaseInsensitive)) << a->text().toStdString();
}

TEST(Application, TwoCtrlRGiveOneRangesWindow) {
    AppRig rig;
    rig.writeSettings();
    PelloxPokerApp& app = rig.launchShown();
    activate(app.mainWindow());
    QTest::keyClick(&app.mainWindow(), Qt::Key_R, Qt::ControlModifier);
    ASSERT_NE(app.rangesWindow(), nullptr);
    RangesWindow* first = app.rangesWindow();
    activate(app.mainWindow());
    QTest::keyClick(&app.mainWindow(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(app.rangesWindow(), first);
    EXPECT_EQ(rangesWindowCount(), 1);
}

TEST(Application, SettingsShortcutWorksFromTheRangesWindowAlsoWithTheMainWindowClosed) {
    AppRig rig;
    rig.writeSettings();
    PelloxPokerApp& app = rig.launchShown();
    app.rootView().push(Route::stats());
    app.openRanges();
    app.mainWindow().close();
    settle();
    activate(*app.rangesWindow());
    QTest::keyClick(app.rangesWindow(), Qt::Key_Comma, Qt::ControlModifier);
    settle();
    EXPECT_EQ(app.rootView().state().section(), Section::settings);
    EXPECT_TRUE(app.rootView().state().path().empty());
    EXPECT_FALSE(app.navigation().requestedSection()) << "the request is cleared at once";
    EXPECT_TRUE(app.mainWindow().isVisible()) << "the Settings section is shown in the main window";

    app.rootView().push(Route::ranges());
    activate(*app.rangesWindow());
    QTest::keyClick(app.rangesWindow(), Qt::Key_Comma, Qt::ControlModifier);
    EXPECT_EQ(app.rootView().state().section(), Section::settings);
    EXPECT_TRUE(app.rootView().state().path().empty()) << "asking again works again";
}

TEST(Application, ANewThemeRecoloursBothWindows) {
    AppRig rig;
    rig.writeSettings();
    PelloxPokerApp& app = rig.launchShown();
    app.openRanges();
    QSignalSpy rangesSpy(&app.rangesWindow()->context(), &AppContext::paletteChanged);
    app.settings().tableTheme.set(TableTheme::oxblood);
    EXPECT_EQ(rangesSpy.count(), 1);
    EXPECT_EQ(app.rangesWindow()->context().palette(), Palette::oxblood());
    EXPECT_EQ(app.mainContext().palette(), Palette::oxblood());
    const QImage image = app.rangesWindow()->grab().toImage();
    EXPECT_EQ(image.pixelColor(2, image.height() - 3), Palette::oxblood().feltDark);
}

TEST(Application, QuittingMidHandStoresTheHandAndBetweenHandsRemovesIt) {
    AppRig rig;
    rig.writeSettings();
    PelloxPokerApp& app = rig.launchShown();
    app.session().startCashGame(2, 99);
    EXPECT_EQ(runUntilQuit([&] { app.commands().quitAction()->trigger(); }), 0);
    const auto stored = SessionSnapshotStore(std::make_shared<UserDefaultsStore>(rig.path)).load();
    ASSERT_TRUE(stored);
    EXPECT_EQ(Json(stored->table), Json(*app.session().table()));

    app.session().endSession();
    EXPECT_EQ(runUntilQuit([&] { app.commands().quitAction()->trigger(); }), 0);
    EXPECT_FALSE(rig.file().string(snapshotKey));
}

TEST(Application, AQuitFromTheRangesWindowWithTheMainWindowClosedStillStoresTheHand) {
    AppRig rig;
    rig.writeSettings();
    PelloxPokerApp& app = rig.launchShown();
    app.openRanges();
    app.session().startTournament(3, 5);
    bool runningAfterMainClosed = false;
    const int code = runUntilQuit([&] {
        app.mainWindow().close();
        QTimer::singleShot(0, [&] {
            runningAfterMainClosed = true;
            app.rangesWindow()->close();
        });
    });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(runningAfterMainClosed) << "closing the main window left the ranges window running";
    const auto stored = SessionSnapshotStore(std::make_shared<UserDefaultsStore>(rig.path)).load();
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->mode, GameMode::tournament);
}

TEST(Application, ClosingTheRangesWindowFirstLeavesTheApplicationRunning) {
    AppRig rig;
    rig.writeSettings();
    PelloxPokerApp& app = rig.launchShown();
    app.openRanges();
    bool mainStillOpen = false;
    runUntilQuit([&] {
        app.rangesWindow()->close();
        QTimer::singleShot(0, [&] {
            mainStillOpen = app.mainWindow().isVisible();
            app.mainWindow().close();
        });
    });
    EXPECT_TRUE(mainStillOpen);
}

TEST(Application, QuitWorksWhileTheOnboardingSheetIsUp) {
    AppRig rig;
    PelloxPokerApp& app = rig.launchShown();
    ASSERT_NE(app.rootView().onboardingSheet(), nullptr);
    app.session().startCashGame(2, 12);
    bool quitting = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(2); });
    watchdog.start(5000);
    const int code = runUntilQuit([&] {
        quitting = true;
        OnboardingSheet* sheet = app.rootView().onboardingSheet();
        sheet->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(sheet));
        QTest::keyClick(sheet, Qt::Key_Q, Qt::ControlModifier);
    });
    EXPECT_TRUE(quitting);
    EXPECT_EQ(code, 0) << "the sheet does not hold the quit back";
    EXPECT_TRUE(rig.file().string(snapshotKey));
}

TEST(Application, SigtermSigintAndSighupQuitThroughTheSamePathAndStoreTheHand) {
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        AppRig rig;
        rig.writeSettings();
        PelloxPokerApp& app = rig.launchShown();
        app.session().startCashGame(1, 8);
        EXPECT_EQ(runUntilQuit([signal] { std::raise(signal); }), 0) << signal;
        EXPECT_TRUE(rig.file().string(snapshotKey)) << signal;
    }
}

TEST(Application, GoingAwayWhileTheGuideComputesIsSafe) {
    for (int round = 0; round < 5; ++round) {
        AppRig rig;
        rig.writeSettings();
        PelloxPokerApp& app = rig.launchShown();
        app.session().startCashGame(1, round);
        ASSERT_TRUE(app.session().isHumanTurn()) << "heads-up, the dealer acts first";
        rig.app.reset();
        settle();
    }
}

// A crash or a kill does not go through the quit: the hand is already stored from the moment the human came
// to act, and removed once it is over.
TEST(Application, TheHandIsStoredWheneverTheHumanComesToAct) {
    AppRig rig;
    rig.writeSettings();
    PelloxPokerApp& app = rig.launchShown();
    app.session().startCashGame(1, 8);
    ASSERT_TRUE(app.session().isHumanTurn()) << "heads-up, the dealer acts first";
    settle();
    auto stored = SessionSnapshotStore(std::make_shared<UserDefaultsStore>(rig.path)).load();
    ASSERT_TRUE(stored) << "stored without a quit";
    EXPECT_EQ(Json(stored->table), Json(*app.session().table()));

    app.session().submitHumanAction(PlayerActionType::fold);
    ASSERT_FALSE(app.session().table()->isHandInProgress);
    // Before the event loop turns again: the save of the finished hand took its stored copy with it.
    EXPECT_FALSE(rig.file().string(snapshotKey)) << "a finished hand leaves nothing to resume";
    StatsStore onFile;
    onFile.load(std::make_shared<UserDefaultsStore>(rig.path));
    ASSERT_EQ(onFile.handHistory().size(), 1u);
    EXPECT_EQ(onFile.handHistory().front().id, stored->handId());
}

// A file left with a finished hand both recorded and stored as unfinished offers nothing at the next launch.
TEST(Application, AStoredHandThatIsTheNewestRecordIsNotOffered) {
    AppRig rig;
    rig.writeSettings();
    SessionSnapshot stored;
    {
        SettingsStore settings;
        StatsStore stats;
        settings.load(std::make_shared<UserDefaultsStore>(rig.path));
        stats.load(std::make_shared<UserDefaultsStore>(rig.path));
        GameSession session(settings, stats);
        settings.guideMode.set(GuideMode::off);
        session.startCashGame(1, 8);
        ASSERT_TRUE(session.isHumanTurn());
        stored = *session.makeSnapshot();
        session.submitHumanAction(PlayerActionType::fold);
        ASSERT_EQ(stats.handHistory().front().id, stored.handId());
    }
    rig.writeSnapshot(stored);
    PelloxPokerApp& app = rig.launchShown();
    EXPECT_EQ(app.rootView().resumeAlert(), nullptr);
    EXPECT_FALSE(app.rootView().resumable());
    EXPECT_FALSE(rig.file().string(snapshotKey));
    EXPECT_EQ(app.stats().handHistory().size(), 1u);
}

TEST(Application, AQuitWhileTheResumeQuestionIsOpenKeepsTheHand) {
    AppRig rig;
    rig.writeSettings();
    rig.writeSnapshot(testing::midHandSnapshot(GameMode::cash));
    PelloxPokerApp& app = rig.launchShown();
    ASSERT_NE(app.rootView().resumeAlert(), nullptr);
    EXPECT_FALSE(rig.file().string(snapshotKey)) << "read once: a crash now would not offer it again";
    EXPECT_EQ(runUntilQuit([&] { app.commands().quitAction()->trigger(); }), 0);
    EXPECT_TRUE(rig.file().string(snapshotKey)) << "the unanswered question comes back at the next start";
}

TEST(Application, ASettingsFileThatCannotBeWrittenIsToldOnceWithItsPath) {
    AppRig rig;
    rig.writeSettings();
    const QString folder = rig.dir.filePath("blocked");
    QDir().mkpath(folder + "/Pellox Poker.conf");  // a folder where the file should be
    rig.path = folder + "/Pellox Poker.conf";
    PelloxPokerApp& app = rig.launchShown();
    EXPECT_EQ(app.saveFailureAlert(), nullptr) << "nothing was written yet";
    app.settings().tableTheme.set(TableTheme::midnight);
    app.settings().save();
    app.stats().recordSessionStart();
    settle();
    QMessageBox* alert = app.saveFailureAlert();
    ASSERT_NE(alert, nullptr);
    EXPECT_TRUE(alert->isVisible());
    EXPECT_EQ(alert->text(), saveFailureTitle);
    EXPECT_TRUE(alert->informativeText().contains(rig.path)) << alert->informativeText().toStdString();
    alert->accept();
    settle();
    EXPECT_EQ(app.saveFailureAlert(), nullptr);
    app.stats().recordSessionStart();
    settle();
    EXPECT_EQ(app.saveFailureAlert(), nullptr) << "told once";
    EXPECT_EQ(app.stats().stats().sessions, 2) << "play goes on";
}

TEST(QuitOnSignals, ReportsTheSignalOnTheEventLoopAndPutsTheOldHandlerBack) {
    struct sigaction before {};
    ::sigaction(SIGTERM, nullptr, &before);
    {
        QuitOnSignals quit;
        QSignalSpy spy(&quit, &QuitOnSignals::received);
        std::raise(SIGTERM);
        std::raise(SIGINT);
        EXPECT_TRUE(spy.wait(1000) || spy.count() > 0);
        settle();
        ASSERT_EQ(spy.count(), 2);
        EXPECT_EQ(spy[0][0].toInt(), SIGTERM);
        EXPECT_EQ(spy[1][0].toInt(), SIGINT);
    }
    struct sigaction after {};
    ::sigaction(SIGTERM, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
}

}  // namespace
}  // namespace pellox::app

namespace pellox::app {
namespace {

using testing::AppRig;
using testing::midHandSnapshot;
using testing::settle;

// The table's question is up over the main window: the commands still answer, and its closing gives the
// keyboard back to the table.
TEST(Application, MenuCommandsWorkUnderATableQuestionAndFocusReturnsToTheTable) {
    AppRig rig;
    rig.writeSettings();
    PelloxPokerApp& app = rig.launchShown();
    app.rootView().resume(midHandSnapshot(GameMode::cash));
    settle();
    auto* table = qobject_cast<TableScreen*>(app.rootView().currentPage());
    ASSERT_NE(table, nullptr);
    app.mainWindow().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app.mainWindow()));
    auto* exit = table->findChild<TableHeader*>()->exitButton();
    exit->setFocus(Qt::TabFocusReason);
    QTest::keyClick(exit, Qt::Key_Return);
    settle();
    auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->text(), "Leave this hand?");
    EXPECT_TRUE(question->actions().contains(app.commands().quitAction()));
    EXPECT_TRUE(question->actions().contains(app.commands().settingsAction()));
    question->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(question));
    QTest::keyClick(question, Qt::Key_R, Qt::ControlModifier);
    settle();
    EXPECT_NE(app.rangesWindow(), nullptr) << "Ctrl+R works under the question";
    if (app.rangesWindow()) app.rangesWindow()->close();

    QTest::keyClick(question, Qt::Key_Escape);
    settle();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    ASSERT_NE(app.mainWindow().focusWidget(), nullptr);
    EXPECT_TRUE(table->isAncestorOf(app.mainWindow().focusWidget())) << "focus is back on the table";
    EXPECT_TRUE(app.session().table().has_value()) << "Escape keeps playing";
}

TEST(Application, TheOnboardingSheetIsNamed) {
    AppRig rig;
    PelloxPokerApp& app = rig.launchShown();
    OnboardingSheet* sheet = app.rootView().onboardingSheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->windowTitle(), "Welcome to Pellox Poker");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(sheet)->text(QAccessible::Name),
              "Welcome to Pellox Poker");
}

}  // namespace
}  // namespace pellox::app
