// The keyboard through every screen of the main window and the ranges window: each Tab stop is named, in
// view and shows that it has the keys, a page entered has a name, the sidebar keeps the arrows, a history row
// opens by its accessible action, Escape and Back from a replay bring the keys to the row opened, and Escape
// closes the ranges window.
#include <QAccessible>
#include <QListView>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>

#include "AccessibleActions.hpp"
#include "JourneySupport.hpp"
#include "kit/Fonts.hpp"
#include "kit/KitControl.hpp"
#include "kit/SegmentedControl.hpp"
#include "review/HandReplayScreen.hpp"
#include "review/HistoryScreen.hpp"
#include "review/RangeChartScreen.hpp"
#include "review/SettingsScreen.hpp"
#include "review/StatsScreen.hpp"
#include "shell/OnboardingSheet.hpp"
#include "shell/RangesWindow.hpp"
#include "shell/Route.hpp"
#include "store/SampleHands.hpp"
#include "store/StatsStore.hpp"

namespace pellox::app {
namespace {

using journey::button;
using journey::click;
using journey::Journey;
using journey::settle;
using journey::visible;

// A launched application past its onboarding, with a few stored hands, its window active.
struct Keyboard {
    Journey j;
    PelloxPokerApp* app = nullptr;

    Keyboard() {
        app = &j.launch();
        click(button(app->rootView().onboardingSheet(), QStringLiteral("Skip")));
        settle();
        SeededRNG rng(8);
        for (std::int64_t hand = 1; hand <= 5; ++hand) {
            HandRecord record = samples::realisticHand(hand, rng);
            app->stats().record(samples::outcomeOf(record), record);
        }
        j.activate();
    }

    QListWidget* sidebar() const { return j.root().sidebar(); }

    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), k, modifiers);
        settle();
    }
};

QImage picture(QWidget* w) {
    return w->grab().toImage();
}

// Whether the widget lies whole within every scroll area around it.
bool inView(QWidget* w) {
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (auto* area = qobject_cast<QScrollArea*>(p);
            area &&
            !area->viewport()->rect().contains(QRect(w->mapTo(area->viewport(), QPoint()), w->size())))
            return false;
    return true;
}

QString nameOf(QWidget* w) {
    return w ? testing::accessibleText(w, QAccessible::Name) : QString();
}

// Tab from the sidebar round the window back to it, twice (the second round enters a page the first left
// scrolled down): every stop is named and in view, and looks different with the keys on it than elsewhere.
void everyStopIsNamedAndShowsItsFocus(Keyboard& k, const char* screen) {
    SCOPED_TRACE(screen);
    k.sidebar()->setFocus(Qt::TabFocusReason);
    std::vector<QWidget*> stops;
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 40; ++i) {
            k.key(Qt::Key_Tab);
            QWidget* focused = QApplication::focusWidget();
            ASSERT_NE(focused, nullptr);
            if (focused == k.sidebar()) break;
            EXPECT_TRUE(inView(focused)) << nameOf(focused).toStdString() << " is out of view";
            if (round == 0) stops.push_back(focused);
        }
    }
    ASSERT_FALSE(stops.empty());
    for (QWidget* stop : stops) {
        stop->setFocus(Qt::TabFocusReason);
        settle();
        const QString name = nameOf(stop);
        EXPECT_FALSE(name.isEmpty()) << stop->metaObject()->className() << " has no name";
        const QImage focused = picture(stop);
        k.sidebar()->setFocus(Qt::TabFocusReason);
        settle();
        EXPECT_NE(picture(stop), focused) << name.toStdString() << " shows no focus";
    }
    const QImage sidebarFocused = picture(k.sidebar());
    stops.front()->setFocus(Qt::TabFocusReason);
    settle();
    EXPECT_NE(picture(k.sidebar()), sidebarFocused) << "the sidebar shows its focus";
}

TEST(FocusJourney, EveryStopOfEveryScreenIsNamedAndShowsItsFocus) {
    Keyboard k;
    everyStopIsNamedAndShowsItsFocus(k, "home");
    k.j.selectSection(Section::stats);
    everyStopIsNamedAndShowsItsFocus(k, "stats");
    if (gallery::enabled())  // the keys on the statistics, which have no control to take them
        journey::shootWindow("app-keyboard-stats", k.app->mainWindow(), k.app->settings());
    {  // with the keys on it, the statistics page scrolls by them
        k.app->mainWindow().resize(1000, 680);
        settle();
        auto* area = visible<StatsScreen>(k.j.page())->findChild<QScrollArea*>();
        ASSERT_NE(area, nullptr);
        ASSERT_GT(area->verticalScrollBar()->maximum(), 0);
        area->setFocus(Qt::TabFocusReason);
        k.key(Qt::Key_PageDown);
        EXPECT_GT(area->verticalScrollBar()->value(), 0);
    }
    k.j.selectSection(Section::history);
    everyStopIsNamedAndShowsItsFocus(k, "history");
    k.j.root().push(Route::handReplay(k.app->stats().handHistory().front().id));
    settle();
    everyStopIsNamedAndShowsItsFocus(k, "replay");
    k.j.selectSection(Section::ranges);
    everyStopIsNamedAndShowsItsFocus(k, "ranges");
    k.j.selectSection(Section::settings);
    everyStopIsNamedAndShowsItsFocus(k, "settings");

    // The longest pages at the smallest window, in a larger text too.
    const double scale = ScaledFont::textScale();
    for (double larger : {1.0, 2.0}) {
        ScaledFont::setTextScale(larger);
        k.j.selectSection(Section::table);
        everyStopIsNamedAndShowsItsFocus(k, larger > 1 ? "home, 2x" : "home");
        k.j.selectSection(Section::settings);
        everyStopIsNamedAndShowsItsFocus(k, larger > 1 ? "settings, 2x" : "settings, small window");
    }
    ScaledFont::setTextScale(scale);

    {  // focus that comes with a click leaves the page where it is, under the pointer
        auto* area = visible<SettingsScreen>(k.j.page())->findChild<QScrollArea*>();
        QWidget* erase = visible<SettingsScreen>(k.j.page())->eraseButton();
        area->verticalScrollBar()->setValue(0);
        ASSERT_FALSE(inView(erase));
        QTest::mousePress(area->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
        erase->setFocus(Qt::MouseFocusReason);
        EXPECT_EQ(area->verticalScrollBar()->value(), 0);
        QTest::mouseRelease(area->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
    }
}

// The arrows move through the sidebar's sections and the keys stay there; a history row opens by its
// accessible action; Escape goes back from the replay to the list.
TEST(FocusJourney, TheSidebarKeepsTheArrowsAndEscapeGoesBackFromAReplay) {
    Keyboard k;
    k.sidebar()->setFocus(Qt::TabFocusReason);
    k.key(Qt::Key_Down);
    EXPECT_EQ(k.j.root().state().section(), Section::stats);
    k.key(Qt::Key_Down);
    EXPECT_EQ(k.j.root().state().section(), Section::history);
    EXPECT_EQ(QApplication::focusWidget(), k.sidebar()) << "the arrows keep the keys in the sidebar";
    if (gallery::enabled())
        journey::shootWindow("app-keyboard-sidebar", k.app->mainWindow(), k.app->settings());

    auto* history = visible<HistoryScreen>(k.j.page());
    ASSERT_NE(history, nullptr);
    auto* list = history->findChild<QListView*>();
    QAccessibleInterface* rows = QAccessible::queryAccessibleInterface(list);
    ASSERT_NE(rows, nullptr);
    EXPECT_EQ(rows->childCount(), 5);
    QAccessibleInterface* second = rows->child(1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->role(), QAccessible::ListItem);
    EXPECT_EQ(second->text(QAccessible::Name), list->model()->index(1, 0).data(Qt::AccessibleTextRole));
    ASSERT_NE(second->actionInterface(), nullptr);
    ASSERT_EQ(second->actionInterface()->actionNames(),
              QStringList{QAccessibleActionInterface::pressAction()});
    second->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    settle();
    auto* replay = visible<HandReplayScreen>(k.j.page());
    ASSERT_NE(replay, nullptr) << "the row's action opens its replay";
    EXPECT_EQ(replay->windowTitle(),
              QStringLiteral("Hand %1").arg(k.app->stats().handHistory()[1].handNumber));

    k.key(Qt::Key_Tab);
    k.key(Qt::Key_Escape);
    EXPECT_NE(visible<HistoryScreen>(k.j.page()), nullptr) << "Escape goes back";
    EXPECT_TRUE(k.j.root().state().path().empty());
    EXPECT_EQ(QApplication::focusWidget(), list) << "the keys come back to the list";
    EXPECT_EQ(list->currentIndex().row(), 1) << "on the row opened";
    k.key(Qt::Key_Escape);
    EXPECT_EQ(k.j.root().state().section(), Section::history) << "at a section's root Escape does nothing";

    // Return on a row: the keys on the replay, named for it; Back brings them to the row again.
    k.key(Qt::Key_Down);
    k.key(Qt::Key_Return);
    ASSERT_NE(visible<HandReplayScreen>(k.j.page()), nullptr);
    EXPECT_EQ(nameOf(QApplication::focusWidget()),
              QStringLiteral("Hand %1").arg(k.app->stats().handHistory()[2].handNumber));
    click(k.j.root().backButton());
    EXPECT_EQ(QApplication::focusWidget(), list);
    EXPECT_EQ(list->currentIndex().row(), 2);

    // The keys on a history row: a ring on it, and the row a screen reader hears as focused.
    list->setFocus(Qt::TabFocusReason);
    settle();
    k.key(Qt::Key_Down);
    const int current = list->currentIndex().row();
    EXPECT_TRUE(rows->child(current)->state().focused);
    ASSERT_NE(rows->focusChild(), nullptr);
    EXPECT_EQ(rows->indexOfChild(rows->focusChild()), current);
    const QRect row = list->visualRect(list->currentIndex());
    const QImage withKeys = list->viewport()->grab(row).toImage();
    if (gallery::enabled())
        journey::shootWindow("app-keyboard-history-row", k.app->mainWindow(), k.app->settings());
    k.sidebar()->setFocus(Qt::TabFocusReason);
    settle();
    EXPECT_NE(list->viewport()->grab(row).toImage(), withKeys) << "the row shows that it has the keys";

    list->setFocus(Qt::TabFocusReason);
    k.key(Qt::Key_Comma, Qt::ControlModifier);
    ASSERT_NE(visible<SettingsScreen>(k.j.page()), nullptr);
    EXPECT_EQ(nameOf(QApplication::focusWidget()), "Settings") << "Ctrl+, gives the keys to a named page";
}

// The ranges window opens on the chosen position without a ring until a key is pressed, and Escape or
// Ctrl+W closes it.
TEST(FocusJourney, TheRangesWindowOpensOnTheChosenPositionAndClosesByItsKeys) {
    Keyboard k;
    k.app->openRanges();
    RangesWindow* ranges = k.app->rangesWindow();
    ASSERT_NE(ranges, nullptr);
    ranges->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(ranges));
    SegmentedControl* positions = ranges->screen()->positionPicker();
    QAbstractButton* late = positions->segment(positions->currentIndex());
    EXPECT_EQ(late->text(), "Late");
    EXPECT_EQ(QApplication::focusWidget(), late) << "the first focus is on the chosen position";
    const QImage before = picture(late);
    EXPECT_FALSE(KitControl::showsFocus(late)) << "no ring before a key is pressed";
    k.key(Qt::Key_Shift);
    EXPECT_TRUE(KitControl::showsFocus(late));
    EXPECT_NE(picture(late), before) << "a key pressed, the ring shows";

    k.key(Qt::Key_Escape);
    EXPECT_FALSE(ranges->isVisible()) << "Escape closes the window";
    k.app->openRanges();
    ranges->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(ranges));
    EXPECT_TRUE(ranges->isVisible());
    QTest::keyClick(ranges, Qt::Key_W, Qt::ControlModifier);
    settle();
    EXPECT_FALSE(ranges->isVisible()) << "Ctrl+W closes the window";
}

}  // namespace
}  // namespace pellox::app
