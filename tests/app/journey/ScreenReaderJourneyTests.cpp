// A user who works with a screen reader and the keyboard alone: every step goes through the controls'
// accessible actions or keys, never a mouse click.
#include <QAccessible>
#include <QListWidget>

#include "AccessibleActions.hpp"
#include "JourneySupport.hpp"
#include "kit/HoverButton.hpp"
#include "kit/SegmentedControl.hpp"
#include "review/SettingsScreen.hpp"
#include "shell/HomeScreen.hpp"
#include "shell/OnboardingScreen.hpp"
#include "shell/OnboardingSheet.hpp"
#include "store/SettingsStore.hpp"
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

    chooseSidebarRow(j.root().sidebar(), QStringLiteral("Table"));
    settle();
    auto* home = visible<HomeScreen>(j.page());
    ASSERT_NE(home, nullptr);
    ASSERT_TRUE(operateAccessibly(home->modeCard(GameMode::cash)));
    ASSERT_NE(j.table(), nullptr);
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
}

}  // namespace
}  // namespace pellox::app
