#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include "AccessibleActions.hpp"
#include "ShellTestSupport.hpp"
#include "kit/Fonts.hpp"
#include "kit/HoverButton.hpp"
#include "review/HandReplayScreen.hpp"
#include "review/HistoryScreen.hpp"
#include "review/RangeChartScreen.hpp"
#include "review/RangeGridView.hpp"
#include "review/SettingsScreen.hpp"
#include "review/StatsScreen.hpp"
#include "rules/Json.hpp"
#include "shell/HomeScreen.hpp"
#include "shell/MacRootView.hpp"
#include "shell/MissingRecordView.hpp"
#include "shell/OnboardingScreen.hpp"
#include "shell/OnboardingSheet.hpp"
#include "shell/RangesWindow.hpp"
#include "store/SampleHands.hpp"
#include "store/StatsStore.hpp"
#include "table/TableScreen.hpp"

namespace pellox::app {
namespace {

using testing::AppRig;
using testing::chooseSidebarRow;
using testing::midHandSnapshot;
using testing::settle;
using testing::snapshotKey;

template <typename Screen>
bool shows(QWidget* page) {
    return qobject_cast<Screen*>(page) != nullptr;
}

void clickRow(MacRootView& root, int row) {
    QListWidget* list = root.sidebar();
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    settle();
}

QPushButton* alertButton(QMessageBox* alert, const QString& text) {
    for (QAbstractButton* b : alert->buttons())
        if (b->text() == text) return qobject_cast<QPushButton*>(b);
    return nullptr;
}

void storeAHand(PelloxPokerApp& app) {
    SeededRNG rng(4);
    const auto record = samples::realisticHand(17, rng);
    app.stats().record(samples::outcomeOf(record), record);
}

// Home, its History link, then the newest hand's row: a replay pushed over a pushed History page.
HandReplayScreen* replayOpenedThroughTheHistoryLink(MacRootView& root) {
    root.selectSection(Section::table);
    auto* home = qobject_cast<HomeScreen*>(root.currentPage());
    if (!home) return nullptr;
    QTest::mouseClick(home->quickLink(1), Qt::LeftButton);
    settle();
    auto* history = qobject_cast<HistoryScreen*>(root.currentPage());
    if (!history) return nullptr;
    QListView* list = history->list();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(0, 0)).center());
    settle();
    return qobject_cast<HandReplayScreen*>(root.currentPage());
}

struct Launched {
    AppRig rig;
    PelloxPokerApp* app = nullptr;
    MacRootView* root = nullptr;

    explicit Launched(bool onboarded = true) {
        rig.writeSettings(onboarded);
        app = &rig.launchShown();
        root = &app->rootView();
    }
};

TEST(RootView, SidebarListsTheFiveSectionsWithTheirSymbols) {
    Launched l;
    QListWidget* list = l.root->sidebar();
    ASSERT_EQ(list->count(), 5);
    QStringList titles;
    for (int row = 0; row < list->count(); ++row) {
        titles << list->item(row)->text();
        EXPECT_FALSE(list->item(row)->icon().isNull());
    }
    EXPECT_EQ(titles, (QStringList{"Table", "Stats", "History", "Ranges", "Settings"}));
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_GE(list->width(), 180);
    EXPECT_LE(list->width(), 260);
    EXPECT_TRUE(shows<HomeScreen>(l.root->currentPage()));
    EXPECT_FALSE(l.root->header()->isVisible()) << "the Table section has no title bar of its own";
}

TEST(RootView, EachSectionShowsItsScreenAndNoSelectionShowsTheTable) {
    Launched l;
    clickRow(*l.root, 1);
    EXPECT_TRUE(shows<StatsScreen>(l.root->currentPage()));
    EXPECT_EQ(l.root->titleLabel()->text(), "Stats");
    clickRow(*l.root, 2);
    EXPECT_TRUE(shows<HistoryScreen>(l.root->currentPage()));
    clickRow(*l.root, 3);
    EXPECT_TRUE(shows<RangeChartScreen>(l.root->currentPage()));
    EXPECT_EQ(l.root->titleLabel()->text(), "Preflop Ranges");
    clickRow(*l.root, 4);
    EXPECT_TRUE(shows<SettingsScreen>(l.root->currentPage()));
    l.root->sidebar()->clearSelection();
    settle();
    EXPECT_FALSE(l.root->state().section());
    EXPECT_TRUE(shows<HomeScreen>(l.root->currentPage()));
}

TEST(RootView, AQuickLinkPushesItsScreenHistoryKeepsOnlyAReplayOtherSectionsPopIt) {
    Launched l;
    storeAHand(*l.app);
    auto* home = qobject_cast<HomeScreen*>(l.root->currentPage());
    ASSERT_NE(home, nullptr);
    QTest::mouseClick(home->quickLink(0), Qt::LeftButton);
    settle();
    EXPECT_TRUE(shows<StatsScreen>(l.root->currentPage()));
    EXPECT_EQ(l.root->state().section(), Section::table) << "the sidebar stays on the Table section";
    EXPECT_TRUE(l.root->backButton()->isVisible());
    EXPECT_EQ(l.root->titleLabel()->text(), "Stats");

    clickRow(*l.root, 2);
    EXPECT_TRUE(shows<HistoryScreen>(l.root->currentPage())) << "History shows History, not the pushed page";
    EXPECT_TRUE(l.root->state().path().empty());
    EXPECT_FALSE(l.root->backButton()->isVisible());

    QPointer<HandReplayScreen> replay = replayOpenedThroughTheHistoryLink(*l.root);
    ASSERT_NE(replay, nullptr);
    clickRow(*l.root, 2);
    EXPECT_EQ(l.root->currentPage(), replay.data()) << "the replay opened from History stays, as it was";
    EXPECT_TRUE(shows<HistoryScreen>(l.root->rootPage()));

    clickRow(*l.root, 1);
    EXPECT_TRUE(shows<StatsScreen>(l.root->currentPage()));
    EXPECT_TRUE(l.root->state().path().empty());
    EXPECT_FALSE(l.root->backButton()->isVisible());
}

TEST(RootView, BackPopsToTheSectionRoot) {
    Launched l;
    l.root->push(Route::stats());
    l.root->push(Route::history());
    QTest::mouseClick(l.root->backButton(), Qt::LeftButton);
    settle();
    EXPECT_TRUE(shows<StatsScreen>(l.root->currentPage()));
    QTest::mouseClick(l.root->backButton(), Qt::LeftButton);
    settle();
    EXPECT_TRUE(shows<HomeScreen>(l.root->currentPage()));
}

TEST(RootView, AReplayOfAStoredHandOrOfOneThatIsGone) {
    Launched l;
    SeededRNG rng(4);
    auto record = samples::realisticHand(17, rng);
    l.app->stats().record(samples::outcomeOf(record), record);
    l.root->selectSection(Section::history);
    l.root->push(Route::handReplay(record.id));
    EXPECT_TRUE(shows<HandReplayScreen>(l.root->currentPage()));
    EXPECT_EQ(l.root->titleLabel()->text(), "Hand 17");

    l.root->push(Route::handReplay("beyond-the-kept-200"));
    auto* missing = qobject_cast<MissingRecordView*>(l.root->currentPage());
    ASSERT_NE(missing, nullptr);
    EXPECT_EQ(l.root->titleLabel()->text(), "Replay");
    QStringList texts;
    for (QLabel* label : missing->findChildren<QLabel*>())
        texts << label->text();
    EXPECT_EQ(texts, (QStringList{"Hand no longer available", "History keeps the most recent 200 hands."}));
}

TEST(RootView, StartingAGameShowsTheTableAndLeavingItTheHomeScreenAgain) {
    Launched l;
    auto* home = qobject_cast<HomeScreen*>(l.root->currentPage());
    QTest::mouseClick(home->countButton(5), Qt::LeftButton);
    QTest::mouseClick(home->modeCard(GameMode::tournament), Qt::LeftButton);
    settle();
    ASSERT_TRUE(shows<TableScreen>(l.root->currentPage()));
    EXPECT_EQ(l.app->session().table()->players.size(), 6u);

    l.root->leaveTable();
    settle();
    EXPECT_FALSE(l.app->session().table()) << "leaving the table ends the game";
    home = qobject_cast<HomeScreen*>(l.root->currentPage());
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(home->opponents(), 3);
    EXPECT_FALSE(l.rig.file().string(snapshotKey)) << "the abandoned hand is not offered at the next launch";
}

TEST(RootView, ATableThatIsNotShownIsDestroyed) {
    Launched l;
    l.app->session().startCashGame(2, 1);
    l.root->resume(*l.app->session().makeSnapshot());
    QPointer<QWidget> table = l.root->currentPage();
    ASSERT_TRUE(shows<TableScreen>(table));
    clickRow(*l.root, 1);
    EXPECT_TRUE(table.isNull());
    clickRow(*l.root, 0);
    EXPECT_TRUE(shows<TableScreen>(l.root->currentPage())) << "the game goes on where it was";
}

TEST(RootView, ResumeOfferedOnceAtLaunchAndResumeOpensTheTable) {
    AppRig rig;
    rig.writeSettings();
    const SessionSnapshot stored = midHandSnapshot(GameMode::tournament);
    rig.writeSnapshot(stored);
    PelloxPokerApp& app = rig.launchShown();
    MacRootView& root = app.rootView();
    QMessageBox* alert = root.resumeAlert();
    ASSERT_NE(alert, nullptr);
    EXPECT_TRUE(alert->isVisible());
    EXPECT_EQ(alert->windowModality(), Qt::WindowModal);
    EXPECT_EQ(alert->text(), "Resume your hand?");
    EXPECT_EQ(alert->informativeText(), "A tournament hand was still in progress when you left.");
    ASSERT_EQ(alert->buttons().size(), 2);
    EXPECT_EQ(alert->buttonRole(alertButton(alert, "Resume")), QMessageBox::AcceptRole);
    EXPECT_EQ(alert->buttonRole(alertButton(alert, "Start fresh")), QMessageBox::RejectRole);
    EXPECT_FALSE(rig.file().string(snapshotKey)) << "the key goes as soon as it was read";

    root.selectSection(Section::stats);
    QTest::mouseClick(alertButton(alert, "Resume"), Qt::LeftButton);
    settle();
    EXPECT_EQ(root.resumeAlert(), nullptr);
    EXPECT_EQ(root.state().section(), Section::table);
    EXPECT_TRUE(shows<TableScreen>(root.currentPage()));
    ASSERT_TRUE(app.session().table());
    EXPECT_EQ(Json(*app.session().table()), Json(stored.table));
}

TEST(RootView, ASnapshotTheSessionRefusesOpensNoTable) {
    Launched l;
    SessionSnapshot unplayable = midHandSnapshot(GameMode::cash);
    unplayable.table.dealerSeatIndex = 12;
    l.root->selectSection(Section::stats);
    l.root->resume(unplayable);
    EXPECT_FALSE(l.app->session().table());
    EXPECT_EQ(l.root->state().section(), Section::stats);
    EXPECT_FALSE(l.root->state().isPlaying());
}

TEST(RootView, StartFreshLeavesTheHomeScreenAndNothingForTheNextLaunch) {
    AppRig rig;
    rig.writeSettings();
    rig.writeSnapshot(midHandSnapshot(GameMode::cash));
    {
        PelloxPokerApp& app = rig.launchShown();
        QMessageBox* alert = app.rootView().resumeAlert();
        ASSERT_NE(alert, nullptr);
        EXPECT_EQ(alert->informativeText(), "A cash game hand was still in progress when you left.");
        QTest::keyClick(alert, Qt::Key_Escape);
        settle();
        EXPECT_EQ(app.rootView().resumeAlert(), nullptr);
        EXPECT_FALSE(app.session().table());
        EXPECT_TRUE(shows<HomeScreen>(app.rootView().currentPage()));
        app.saveSnapshotOnQuit();
        rig.app.reset();
    }
    PelloxPokerApp& next = rig.launchShown();
    EXPECT_EQ(next.rootView().resumeAlert(), nullptr);
}

TEST(RootView, AnUnreadableOrUnplayableSnapshotGivesNoAlertAndIsRemoved) {
    Json unplayable = Json::parse(*SessionSnapshotStore::persisted.encode(midHandSnapshot(GameMode::cash)));
    unplayable["state"]["table"]["currentToActSeatIndex"] = 7;
    for (const std::string& text : {std::string("{\"version\":3,\"state\":"), unplayable.dump()}) {
        AppRig rig;
        rig.writeSettings();
        rig.file().set(text, snapshotKey);
        PelloxPokerApp& app = rig.launchShown();
        EXPECT_EQ(app.rootView().resumeAlert(), nullptr);
        EXPECT_FALSE(rig.file().string(snapshotKey));
        EXPECT_FALSE(app.session().table());
    }
}

TEST(RootView, OnboardingStaysUntilFinishedAndReturnsAfterRestoringDefaults) {
    Launched l(false);
    OnboardingSheet* sheet = l.root->onboardingSheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->windowModality(), Qt::WindowModal);
    QTest::keyClick(sheet, Qt::Key_Escape);
    sheet->close();
    settle();
    EXPECT_TRUE(sheet->isVisible()) << "neither Escape nor the close button closes it";
    EXPECT_EQ(l.root->onboardingSheet(), sheet);

    QTest::mouseClick(sheet->screen()->skipButton(), Qt::LeftButton);
    settle();
    EXPECT_EQ(l.root->onboardingSheet(), nullptr);
    EXPECT_TRUE(l.app->settings().hasOnboarded.get());
    SettingsStore reread;
    reread.load(std::make_shared<UserDefaultsStore>(l.rig.path));
    EXPECT_TRUE(reread.hasOnboarded.get()) << "finishing saves the settings";

    l.app->settings().restoreDefaults();
    settle();
    ASSERT_NE(l.root->onboardingSheet(), nullptr);
    EXPECT_EQ(l.root->onboardingSheet()->screen()->page(), 0);
}

TEST(RootView, TheResumeQuestionWaitsForTheOnboardingSheet) {
    AppRig rig;
    rig.writeSettings(false);
    rig.writeSnapshot(midHandSnapshot(GameMode::cash));
    PelloxPokerApp& app = rig.launchShown();
    ASSERT_NE(app.rootView().onboardingSheet(), nullptr);
    EXPECT_EQ(app.rootView().resumeAlert(), nullptr);
    app.rootView().onboardingSheet()->screen()->skipButton()->click();
    settle();
    ASSERT_NE(app.rootView().resumeAlert(), nullptr);
    EXPECT_TRUE(app.rootView().resumeAlert()->isVisible());
}

}  // namespace
}  // namespace pellox::app

namespace pellox::app {
namespace {

TEST(RootView, ChoosingHistoryThroughAccessibilityKeepsAPushedReplayAsAClickDoes) {
    Launched l;
    storeAHand(*l.app);
    QPointer<HandReplayScreen> replay = replayOpenedThroughTheHistoryLink(*l.root);
    ASSERT_NE(replay, nullptr);
    chooseSidebarRow(l.root->sidebar(), "History");
    settle();
    EXPECT_EQ(l.root->state().section(), Section::history);
    EXPECT_EQ(l.root->currentPage(), replay.data()) << "History keeps the replay";
    chooseSidebarRow(l.root->sidebar(), "Stats");
    settle();
    EXPECT_TRUE(shows<StatsScreen>(l.root->currentPage()));
    EXPECT_TRUE(l.root->state().path().empty());
}

TEST(RootView, TheSelectedRowsSymbolTakesTheSelectionsTextColour) {
    Launched l;
    const QColor onSelection = l.root->sidebar()->palette().color(QPalette::HighlightedText);
    const QIcon icon = l.root->sidebar()->item(0)->icon();
    const QSize size = l.root->sidebar()->iconSize();
    auto hasColour = [](const QImage& image, const QColor& colour) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y).alpha() == 255 && image.pixelColor(x, y).rgb() == colour.rgb())
                    return true;
        return false;
    };
    EXPECT_TRUE(hasColour(icon.pixmap(size, QIcon::Selected).toImage(), onSelection));
    EXPECT_FALSE(hasColour(icon.pixmap(size, QIcon::Normal).toImage(), onSelection));
}

}  // namespace
}  // namespace pellox::app

namespace pellox::app {
namespace {

using testing::AppRig;
using testing::midHandSnapshot;

// "Resume your hand?" follows the text size as every sheet does, its question in bold.
TEST(RootView, TheResumeQuestionFollowsTheTextSize) {
    const double before = ScaledFont::textScale();
    std::vector<double> sizes;
    for (double scale : {1.0, 2.0}) {
        ScaledFont::setTextScale(scale);
        AppRig rig;
        rig.writeSettings();
        rig.writeSnapshot(midHandSnapshot(GameMode::cash));
        PelloxPokerApp& app = rig.launchShown();
        QMessageBox* alert = app.rootView().resumeAlert();
        ASSERT_NE(alert, nullptr);
        auto* title = alert->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        auto* message = alert->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"));
        ASSERT_TRUE(title && message);
        EXPECT_TRUE(title->font().bold());
        sizes.push_back(pixelSizeOf(title->font()));
        sizes.push_back(pixelSizeOf(message->font()));
    }
    ScaledFont::setTextScale(before);
    EXPECT_DOUBLE_EQ(sizes[2], 2 * sizes[0]);
    EXPECT_DOUBLE_EQ(sizes[3], 2 * sizes[1]);
}

// Choosing a hand, choosing another and clearing the choice leave every cell of the range grid where it was,
// in the Ranges section and in the ranges window, at each text size: the read's card takes no room from the
// grid, so the next click lands on the hand it is aimed at.
TEST(RootView, TheRangeCellsStayUnderThePointerAsTheReadChanges) {
    struct Restore {
        double before = ScaledFont::textScale();
        ~Restore() { ScaledFont::setTextScale(before); }
    } restore;
    for (double scale : {1.0, 1.5, 2.0}) {
        ScaledFont::setTextScale(scale);
        Launched l;
        clickRow(*l.root, 3);
        l.app->openRanges();
        settle();
        auto* section = qobject_cast<RangeChartScreen*>(l.root->currentPage());
        ASSERT_NE(section, nullptr);
        const auto text = [](const QRectF& r) {
            return QStringLiteral("%1,%2 %3x%4")
                .arg(r.x())
                .arg(r.y())
                .arg(r.width())
                .arg(r.height())
                .toStdString();
        };
        for (RangeChartScreen* screen : {section, l.app->rangesWindow()->screen()}) {
            auto* grid = screen->findChild<RangeGridView*>();
            const auto cells = [grid] {
                std::vector<QRectF> placed;
                for (int i = 0; i < RangeGridView::cellCount; ++i)
                    placed.push_back(grid->cellRect(i).translated(grid->mapTo(grid->window(), QPointF())));
                return placed;
            };
            const auto unchosen = cells();
            for (const QString& hand :
                 {QStringLiteral("AKs"), QStringLiteral("A2s"), QStringLiteral("A2s")}) {
                int at = 0;
                while (RangeGridView::label(at) != hand)
                    ++at;
                QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(at).center().toPoint());
                settle();
                const auto now = cells();
                EXPECT_TRUE(now == unchosen) << "at " << scale << "x after " << hand.toStdString() << ", AA "
                                             << text(unchosen[0]) << " became " << text(now[0]);
            }
            EXPECT_FALSE(screen->selected()) << "the second click on A2s cleared it";
        }
    }
}

}  // namespace
}  // namespace pellox::app
