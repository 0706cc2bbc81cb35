// A user who works with a screen reader and the keyboard alone: every step goes through the controls'
// accessible actions or keys, never a mouse click.
#include <QAccessible>
#include <QListWidget>
#include <QMessageBox>

#include "AccessibleActions.hpp"
#include "JourneySupport.hpp"
#include "kit/HoverButton.hpp"
#include "kit/SegmentedControl.hpp"
#include "review/RangeChartScreen.hpp"
#include "review/RangeDetailView.hpp"
#include "review/RangeGridView.hpp"
#include "review/SettingsScreen.hpp"
#include "shell/HomeScreen.hpp"
#include "shell/OnboardingScreen.hpp"
#include "shell/OnboardingSheet.hpp"
#include "store/SettingsStore.hpp"
#include "store/StatsStore.hpp"
#include "table/ActionBarView.hpp"
#include "table/PreActionPanelView.hpp"
#include "table/SessionSummarySheet.hpp"
#include "table/SessionSummaryView.hpp"

namespace pellox::app {
namespace {

using journey::button;
using journey::Journey;
using journey::settle;
using journey::visible;
using journey::visibleWindow;
using testing::accessibleText;
using testing::chooseSidebarRow;
using testing::operateAccessibly;

// The human's decision through the action bar's accessible buttons: check when free, else call.
void checkOrCall(Journey& j) {
    ActionBarView* bar = visible<ActionBarView>(j.table());
    ASSERT_NE(bar, nullptr);
    const auto legal = *j.session().humanLegalActions();
    const QString text =
        legal.canCheck ? QStringLiteral("Check") : QStringLiteral("Call $%1").arg(legal.callAmount);
    QAbstractButton* b = button(bar, text);
    ASSERT_NE(b, nullptr) << text.toStdString();
    EXPECT_TRUE(operateAccessibly(b));
}

TEST(Journey, AScreenReaderUserGoesFromOnboardingToTheSummaryWithoutAMouse) {
    Journey j;
    PelloxPokerApp& app = j.launch();

    OnboardingSheet* sheet = app.rootView().onboardingSheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(accessibleText(sheet, QAccessible::Name), "Welcome to Pellox Poker");
    for (int page = 0; page < 3; ++page)
        ASSERT_TRUE(operateAccessibly(sheet->screen()->primaryButton()));
    settle();
    EXPECT_EQ(visibleWindow<OnboardingSheet>(), nullptr);
    EXPECT_TRUE(app.settings().hasOnboarded.get());

    chooseSidebarRow(j.root().sidebar(), QStringLiteral("Settings"));
    settle();
    auto* settings = visible<SettingsScreen>(j.page());
    ASSERT_NE(settings, nullptr);
    ASSERT_TRUE(operateAccessibly(settings->speedPicker()->segment(2)));
    EXPECT_EQ(app.settings().gameSpeed.get(), GameSpeed::fast);
    SettingsStore reloaded;
    reloaded.load(std::make_shared<UserDefaultsStore>(j.path));
    EXPECT_EQ(reloaded.gameSpeed.get(), GameSpeed::fast) << "saved, as a click saves";

    // The range chart by keys: Tab onto the grid, the arrows to a class, Return for its read.
    chooseSidebarRow(j.root().sidebar(), QStringLiteral("Ranges"));
    settle();
    auto* ranges = visible<RangeChartScreen>(j.page());
    ASSERT_NE(ranges, nullptr);
    auto* grid = ranges->findChild<RangeGridView*>();
    j.activate();
    ranges->positionPicker()->segment(ranges->positionPicker()->currentIndex())->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 3 && QApplication::focusWidget() && QApplication::focusWidget() != grid; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), grid) << "Tab reaches the grid";
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(ranges->selected(), "AKs");
    QAccessibleInterface* cells = QAccessible::queryAccessibleInterface(grid);
    ASSERT_NE(cells->focusChild(), nullptr);
    EXPECT_EQ(cells->focusChild()->text(QAccessible::Name), "AKs: raise");
    EXPECT_EQ(cells->focusChild()->text(QAccessible::Description),
              "AKs, RAISE, Chen Formula strength: Premium");
    EXPECT_EQ(accessibleText(ranges->findChild<RangeDetailView*>(), QAccessible::Name),
              "AKs, RAISE, Chen Formula strength: Premium");

    chooseSidebarRow(j.root().sidebar(), QStringLiteral("Table"));
    settle();
    auto* home = visible<HomeScreen>(j.page());
    ASSERT_NE(home, nullptr);
    ASSERT_TRUE(operateAccessibly(home->modeCard(GameMode::cash)));
    ASSERT_NE(j.table(), nullptr);
    // The table holds the keys for F, C, A and Space between the user's actions, under its name.
    EXPECT_EQ(j.app->mainWindow().focusWidget(), j.table());
    EXPECT_EQ(accessibleText(j.table(), QAccessible::Name), "Table");
    j.table()->pacingTask().setJitter([] { return 0.0; });
    j.activate();

    // Hands until the user has armed a pre-action ahead of a bot and made a decision of their own.
    bool armed = false;
    bool decided = false;
    const auto armWhenOffered = [&] {
        if (armed) return;
        auto* panel = visible<PreActionPanelView>(j.table());
        QAbstractButton* option = panel ? button(panel, QStringLiteral("Check / Fold")) : nullptr;
        if (!option) return;
        EXPECT_TRUE(operateAccessibly(option));
        armed = j.session().preAction() == PreAction::checkFold;
        EXPECT_TRUE(armed) << "an accessible toggle arms the pre-action";
    };
    for (int hand = 0; hand < 8 && !(armed && decided); ++hand) {
        ASSERT_TRUE(j.drive(
            [&] {
                armWhenOffered();
                return j.handOver();
            },
            [&] {
                checkOrCall(j);
                decided = true;
            }));
        QTest::keyClick(&j.app->mainWindow(), Qt::Key_Space);
        QTest::keyClick(&j.app->mainWindow(), Qt::Key_Space);
        settle();
    }
    EXPECT_TRUE(armed);
    EXPECT_TRUE(decided);
    ASSERT_TRUE(j.drive([&] { return j.handOver(); }, [&] { checkOrCall(j); }));

    // Leaving between hands shows the summary; Escape cannot close it, the keyboard can.
    ASSERT_TRUE(operateAccessibly(button(j.table(), QStringLiteral("Exit"))));
    auto* summary = visibleWindow<SessionSummarySheet>();
    ASSERT_NE(summary, nullptr);
    summary->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(summary));
    QTest::keyClick(summary, Qt::Key_Escape);
    settle();
    ASSERT_TRUE(summary->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), summary->view()->playAgainButton())
        << "the first button has focus";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), summary->view()->mainMenuButton());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    settle();
    EXPECT_EQ(visibleWindow<SessionSummarySheet>(), nullptr);
    EXPECT_FALSE(j.session().table());
    EXPECT_NE(visible<HomeScreen>(j.page()), nullptr);
    EXPECT_EQ(accessibleText(j.app->mainWindow().focusWidget(), QAccessible::Name), "Pellox Poker")
        << "the keys on the home screen, named by its heading";

    // The erase question opens on Cancel: Return right away keeps the history.
    const auto hands = app.stats().handHistory().size();
    ASSERT_GT(hands, 0u);
    chooseSidebarRow(j.root().sidebar(), QStringLiteral("Settings"));
    settle();
    settings = visible<SettingsScreen>(j.page());
    ASSERT_NE(settings, nullptr);
    ASSERT_TRUE(operateAccessibly(settings->eraseButton()));
    QMessageBox* erase = settings->eraseDialog();
    ASSERT_NE(erase, nullptr);
    erase->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(erase));
    settle();
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(accessibleText(QApplication::focusWidget(), QAccessible::Name), "Cancel");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    settle();
    EXPECT_EQ(settings->eraseDialog(), nullptr);
    EXPECT_EQ(app.stats().handHistory().size(), hands) << "Return cancels";
}

}  // namespace
}  // namespace pellox::app
