#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "AccessibleActions.hpp"
#include "Gallery.hpp"
#include "kit/Fonts.hpp"
#include "kit/SegmentedControl.hpp"
#include "review/RangeChartModel.hpp"
#include "review/RangeChartScreen.hpp"
#include "store/SettingsStore.hpp"
#include "strategy/PositionBucket.hpp"
#include "strategy/PreflopChart.hpp"
#include "strategy/PreflopContext.hpp"
#include "strategy/RangeAction.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

struct RangeChartScreenTest : ::testing::Test {
    SettingsStore settings;
    AppContext context{&settings};

    static SegmentedControl* picker(const RangeChartScreen& screen, const QString& name) {
        for (auto* control : screen.findChildren<SegmentedControl*>())
            if (control->accessibleName() == name) return control;
        return nullptr;
    }
    static RangeGridView* grid(const RangeChartScreen& screen) { return screen.findChild<RangeGridView*>(); }
    static RangeDetailView* detail(const RangeChartScreen& screen) {
        return screen.findChild<RangeDetailView*>();
    }

    static void choose(const RangeChartScreen& screen, const QString& pickerName, const QString& segment) {
        SegmentedControl* control = picker(screen, pickerName);
        ASSERT_TRUE(control);
        for (int i = 0; i < control->count(); ++i)
            if (control->segment(i)->text() == segment)
                QTest::mouseClick(control->segment(i), Qt::LeftButton);
    }
    static void clickCell(const RangeChartScreen& screen, const QString& label) {
        RangeGridView* view = grid(screen);
        for (int i = 0; i < RangeGridView::cellCount; ++i)
            if (RangeGridView::label(i) == label)
                QTest::mouseClick(view, Qt::LeftButton, {}, view->cellRect(i).center().toPoint());
    }
};

TEST_F(RangeChartScreenTest, EveryCellFollowsTheChartForTheChosenPair) {
    RangeChartScreen screen(context, std::nullopt);
    screen.resize(620, 720);
    screen.show();
    EXPECT_EQ(screen.bucket(), PositionBucket::late);
    EXPECT_EQ(screen.context(), PreflopContext::open);
    EXPECT_EQ(picker(screen, "Position")->currentIndex(), 2);

    const struct {
        const char* position;
        const char* situation;
        PositionBucket bucket;
        PreflopContext context;
    } pairs[] = {{"Early", "First in", PositionBucket::early, PreflopContext::open},
                 {"BB", "Facing a raise", PositionBucket::bb, PreflopContext::facingOpen}};
    for (const auto& pair : pairs) {
        choose(screen, "Position", pair.position);
        choose(screen, "Situation", pair.situation);
        ASSERT_EQ(screen.bucket(), pair.bucket);
        ASSERT_EQ(screen.context(), pair.context);
        QAccessibleInterface* cells = QAccessible::queryAccessibleInterface(grid(screen));
        ASSERT_EQ(cells->childCount(), 169);
        for (int row = 0; row < 13; ++row) {
            for (int col = 0; col < 13; ++col) {
                const int i = row * 13 + col;
                const std::string label = RangeChartModel::handLabel(row, col).toStdString();
                const RangeAction expected = PreflopChart::action(label, pair.context, pair.bucket);
                EXPECT_EQ(grid(screen)->action(i), expected) << label;
                EXPECT_EQ(cells->child(i)->text(QAccessible::Name).toStdString(),
                          label + ": " + std::string(rawValue(expected)));
            }
        }
        const auto legend = screen.findChild<RangeLegendView*>()->items();
        const auto shares = RangeChartModel::actionPercentages(pair.bucket, pair.context);
        EXPECT_EQ(legend[0].text, "Raise " + QString::number(shares.raise) + "%");
        EXPECT_EQ(legend[1].text, "Call " + QString::number(shares.call) + "%");
        EXPECT_EQ(legend[2].text, "Fold " + QString::number(shares.fold) + "%");
    }
    // First in from early, A5s folds; facing a raise from the big blind it is a 3-bet.
    EXPECT_EQ(RangeChartModel::chartAction("A5s", PositionBucket::early, PreflopContext::open),
              RangeAction::fold);
    ASSERT_EQ(RangeGridView::label(9), "A5s");
    EXPECT_EQ(grid(screen)->action(9), RangeAction::raise);
}

TEST_F(RangeChartScreenTest, ClickingAClassShowsItsStrengthAndClickingAgainClearsIt) {
    RangeChartScreen screen(context, std::nullopt);
    screen.resize(620, 720);
    screen.show();
    EXPECT_FALSE(detail(screen)->detail());
    EXPECT_EQ(detail(screen)->accessibleName(),
              "Click a hand for its strength read. Or use the arrow keys, then Return or Space.");

    clickCell(screen, "AKs");
    ASSERT_EQ(screen.selected(), "AKs");
    const Palette& p = context.palette();
    EXPECT_EQ(detail(screen)->detail(), (RangeDetailView::Detail{"AKs", "RAISE", p.raiseBtn, Qt::white,
                                                                 "Chen Formula strength: Premium"}));

    // Another pair keeps the selection and reads its action there.
    choose(screen, "Situation", "Facing a 3-bet");
    choose(screen, "Position", "Early");
    EXPECT_EQ(screen.selected(), "AKs");
    EXPECT_EQ(detail(screen)->detail()->badgeText, "RAISE");
    clickCell(screen, "72o");
    EXPECT_EQ(detail(screen)->detail(), (RangeDetailView::Detail{"72o", "FOLD", p.seatEmpty, p.textMuted,
                                                                 "Chen Formula strength: Weak"}));
    clickCell(screen, "AKo");
    EXPECT_EQ(detail(screen)->detail()->badgeText, "CALL");
    EXPECT_EQ(detail(screen)->detail()->strengthLine, "Chen Formula strength: Strong");

    clickCell(screen, "AKo");
    EXPECT_FALSE(screen.selected());
    EXPECT_FALSE(detail(screen)->detail());

    // A press in the gap between two cells selects nothing.
    const QRectF aa = grid(screen)->cellRect(0);
    QTest::mouseClick(grid(screen), Qt::LeftButton, {},
                      QPoint(static_cast<int>(aa.right() + 0.5), aa.center().y()));
    EXPECT_FALSE(screen.selected());
}

TEST_F(RangeChartScreenTest, PressingACellThroughAccessibilitySelectsIt) {
    RangeChartScreen screen(context, std::nullopt);
    screen.resize(620, 720);
    screen.show();
    QAccessibleInterface* cells = QAccessible::queryAccessibleInterface(grid(screen));
    QAccessibleInterface* aa = cells->child(0);
    EXPECT_EQ(aa->text(QAccessible::Name), "AA: raise");
    EXPECT_EQ(cells->indexOfChild(aa), 0);
    EXPECT_EQ(aa->role(), QAccessible::Button);
    aa->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(screen.selected(), "AA");
}

TEST_F(RangeChartScreenTest, StartsInspectingEachTimeItIsShown) {
    RangeChartScreen screen(context, QStringLiteral("XYs"));
    EXPECT_FALSE(screen.selected());
    screen.show();
    EXPECT_EQ(screen.selected(), "XYs");
    // Not a hand class: it reads as fold, with no Chen line, and no cell is outlined.
    const Palette& p = context.palette();
    EXPECT_EQ(detail(screen)->detail(),
              (RangeDetailView::Detail{"XYs", "FOLD", p.seatEmpty, p.textMuted, {}}));

    screen.toggleSelection("XYs");
    EXPECT_FALSE(screen.selected());
    screen.hide();
    screen.show();
    EXPECT_EQ(screen.selected(), "XYs");
}

TEST_F(RangeChartScreenTest, GridGeometry) {
    // Labels shrink to 8 once a cell is no wider than 26, which is a grid 351 wide.
    EXPECT_EQ(RangeGridView::labelPixelSize(RangeGridView::cellRect(0, 0, {0, 0, 351, 351}).width()), 8);
    EXPECT_EQ(RangeGridView::labelPixelSize(RangeGridView::cellRect(0, 0, {0, 0, 352, 352}).width()), 10);

    const QRectF grid = RangeGridView::gridRect({0, 0, 400, 300});
    EXPECT_EQ(grid, QRectF(50, 0, 300, 300));
    EXPECT_DOUBLE_EQ(RangeGridView::cellRect(12, 12, grid).right(), 349);  // 13 cells and 12 gaps span w - 1
    EXPECT_EQ(RangeGridView::cellAt({51, 1}, grid), 0);
    EXPECT_EQ(RangeGridView::cellAt({349, 299}, grid), 168);
    EXPECT_FALSE(RangeGridView::cellAt({49, 10}, grid));
    EXPECT_FALSE(RangeGridView::cellAt({50 + 300.0 / 13 - 0.5, 10}, grid));  // the gap after the first cell

    const Palette& p = Palette::clubGreen();
    EXPECT_EQ(RangeGridView::labelColor(RangeAction::fold, p), p.textMuted);
    EXPECT_EQ(RangeGridView::labelColor(RangeAction::call, p), QColor(Qt::white));
    EXPECT_EQ(RangeChartModel::badgeTextColor(p.seatEmpty, p), p.textMuted);
    EXPECT_EQ(RangeChartModel::badgeTextColor(p.raiseBtn, p), QColor(Qt::white));
}

TEST_F(RangeChartScreenTest, TheGridStaysSquareInTheWindow) {
    RangeChartScreen screen(context, std::nullopt);
    screen.resize(620, 720);
    screen.show();
    QApplication::processEvents();
    const QRectF square = grid(screen)->gridRect();
    EXPECT_EQ(square.width(), square.height());
    EXPECT_GT(square.width(), 400);
    // The legend follows the grid directly.
    const auto* legend = screen.findChild<RangeLegendView*>();
    EXPECT_NEAR(legend->y() - (grid(screen)->y() + square.bottom()), 16, 1.5);
}

TEST_F(RangeChartScreenTest, FollowsTheLiveTheme) {
    RangeChartScreen screen(context, QStringLiteral("AKs"));
    screen.show();
    settings.tableTheme.set(TableTheme::midnight);
    const Palette& p = Palette::midnight();
    EXPECT_EQ(screen.findChild<RangeLegendView*>()->items()[0].swatch, p.raiseBtn);
    EXPECT_EQ(detail(screen)->detail()->badgeFill, p.raiseBtn);
}

TEST_F(RangeChartScreenTest, Gallery) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    RangeChartScreen screen(context, std::nullopt);
    screen.resize(620, 720);
    screen.show();
    for (const char* position : {"Early", "Middle", "Late", "SB", "BB"}) {
        choose(screen, "Position", position);
        gallery::shoot(QStringLiteral("ranges-open-") + QString(position).toLower(), screen, settings);
    }
    choose(screen, "Situation", "Facing a raise");
    choose(screen, "Position", "BB");
    clickCell(screen, "AKs");
    gallery::shoot("ranges-facing-open-bb-inspecting", screen, settings);
    clickCell(screen, "T8o");
    gallery::shoot("ranges-facing-open-bb-inspecting-fold", screen, settings);
    // By keys: the focused cell (QJs) beside the selected one (T8o).
    screen.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&screen));
    grid(screen)->setFocus(Qt::TabFocusReason);
    grid(screen)->setCurrentIndex(2 * 13 + 3);
    QTest::keyClick(grid(screen), Qt::Key_Right);
    gallery::shoot("ranges-keyboard-focus", screen, settings);

    RangeChartScreen narrow(context, QStringLiteral("JTs"));
    narrow.resize(380, 640);
    narrow.show();
    gallery::shoot("ranges-narrow", narrow, settings);
}

}  // namespace
}  // namespace pellox::app

namespace pellox::app {
namespace {

struct RangeKeys : RangeChartScreenTest {
    RangeChartScreen screen{context, std::nullopt};

    void SetUp() override {
        screen.resize(620, 720);
        screen.show();
        screen.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), k, modifiers);
        QApplication::processEvents();
    }
    QColor pixelNearTheEdge(int index) {
        const QRectF cell = grid(screen)->cellRect(index);
        return grid(screen)->grab().toImage().pixelColor(
            QPoint(static_cast<int>(cell.left() + 1.5), static_cast<int>(cell.center().y())));
    }
};

// Tab reaches the grid as one stop; the arrows, the keypad's too, move among the classes with a ring that
// shows; Return, Enter and Space read the focused class as a click does; a screen reader hears which cell has
// the keyboard, after the grid itself, and the read as it appears.
TEST_F(RangeKeys, TheArrowsMoveAmongTheClassesAndReturnShowsTheRead) {
    picker(screen, "Situation")->segment(2)->setFocus(Qt::TabFocusReason);
    testing::HeardNotices notices;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), grid(screen)) << "Tab reaches the grid";
    EXPECT_EQ(grid(screen)->currentIndex(), 0);
    // Qt tells of the grid as the focus lands; the cell must come after it to be heard last.
    EXPECT_TRUE(notices.heard.empty()) << notices.heard.front();
    QApplication::processEvents();
    EXPECT_EQ(notices.heard, std::vector<std::string>{"focus AA: raise"});

    const QColor unfocusedKK = pixelNearTheEdge(14);
    key(Qt::Key_Right);
    key(Qt::Key_Down);
    key(Qt::Key_Left);
    key(Qt::Key_Left);
    key(Qt::Key_Up);
    key(Qt::Key_Right);
    key(Qt::Key_Down, Qt::KeypadModifier);
    EXPECT_EQ(grid(screen)->currentIndex(), 14) << "KK, the arrows stopping at the grid's edge";
    EXPECT_NE(pixelNearTheEdge(14), unfocusedKK) << "the focused cell shows its ring";
    EXPECT_FALSE(screen.selected()) << "moving reads nothing yet";

    QAccessibleInterface* cells = QAccessible::queryAccessibleInterface(grid(screen));
    ASSERT_NE(cells->focusChild(), nullptr);
    EXPECT_EQ(cells->focusChild()->text(QAccessible::Name), "KK: raise");
    EXPECT_TRUE(cells->child(14)->state().focused);
    EXPECT_FALSE(cells->child(0)->state().focused);

    key(Qt::Key_Return);
    ASSERT_EQ(screen.selected(), "KK");
    EXPECT_EQ(notices.heard.back(), "description KK: raise = KK, RAISE, Chen Formula strength: Premium");
    EXPECT_TRUE(cells->child(14)->state().selected);
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(detail(screen));
    EXPECT_EQ(read->role(), QAccessible::StaticText);
    EXPECT_EQ(read->text(QAccessible::Name), "KK, RAISE, Chen Formula strength: Premium");
    EXPECT_EQ(cells->child(14)->text(QAccessible::Description), read->text(QAccessible::Name))
        << "the focused cell says its read";

    key(Qt::Key_Right);
    key(Qt::Key_Space);
    EXPECT_EQ(screen.selected(), "KQs");
    key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(screen.selected()) << "Enter clears it, as a second click does";

    key(Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), grid(screen)) << "one stop: Tab leaves the grid";
}

TEST(RangeGridKeys, ArrowsStayOnTheGrid) {
    EXPECT_EQ(RangeGridView::moved(0, Qt::Key_Left), 0);
    EXPECT_EQ(RangeGridView::moved(0, Qt::Key_Up), 0);
    EXPECT_EQ(RangeGridView::moved(0, Qt::Key_Right), 1);
    EXPECT_EQ(RangeGridView::moved(12, Qt::Key_Right), 12);
    EXPECT_EQ(RangeGridView::moved(12, Qt::Key_Down), 25);
    EXPECT_EQ(RangeGridView::moved(168, Qt::Key_Down), 168);
    EXPECT_EQ(RangeGridView::moved(168, Qt::Key_Right), 168);
    EXPECT_EQ(RangeGridView::moved(156, Qt::Key_Up), 143);
    EXPECT_FALSE(RangeGridView::moved(5, Qt::Key_Return));
}

}  // namespace
}  // namespace pellox::app

namespace pellox::app {
namespace {

TEST(RangeGridSize, TheGridFillsItsRoomButKeepsItsStandardSide) {
    // Room 620 x 720 with blocks 171 tall at the standard size: the grid is 549, limited by the height.
    EXPECT_EQ(RangeChartScreen::gridSide({620, 720}, 171, 171), 549);
    // Larger text makes the blocks 260 tall: the grid keeps 549 and the screen scrolls.
    EXPECT_EQ(RangeChartScreen::gridSide({620, 720}, 260, 171), 549);
    // A narrow room limits the grid by its width at any text size.
    EXPECT_EQ(RangeChartScreen::gridSide({400, 720}, 260, 171), 368);
    // Smaller text than standard gives the grid the room the blocks leave.
    EXPECT_EQ(RangeChartScreen::gridSide({620, 720}, 150, 171), 570);
    EXPECT_EQ(RangeChartScreen::gridSide({100, 100}, 171, 171), RangeGridView::minimumSide);
}

// At one and a half and twice the text size the cells keep their standard size, with their labels; the
// screen scrolls instead, and at the standard size it does not.
TEST(RangeGridSize, LargerTextScrollsTheScreenInsteadOfShrinkingTheCells) {
    SettingsStore settings;
    AppContext context{&settings};
    const double before = ScaledFont::textScale();
    std::vector<qreal> cellSides;
    std::vector<int> scrollRanges;
    for (double scale : {1.0, 1.5, 2.0}) {
        ScaledFont::setTextScale(scale);
        RangeChartScreen screen(context, QStringLiteral("AKs"));
        screen.resize(620, 720);
        screen.show();
        QApplication::processEvents();
        auto* grid = screen.findChild<RangeGridView*>();
        cellSides.push_back(grid->cellRect(0).width());
        scrollRanges.push_back(screen.findChild<QScrollArea*>()->verticalScrollBar()->maximum());
        EXPECT_EQ(grid->gridRect().width(), grid->gridRect().height());
    }
    ScaledFont::setTextScale(before);
    EXPECT_EQ(scrollRanges[0], 0) << "nothing to scroll at the standard size";
    EXPECT_GE(cellSides[1], cellSides[0]);
    EXPECT_GE(cellSides[2], cellSides[0]);
    EXPECT_GT(scrollRanges[2], 0) << "larger text scrolls";
    EXPECT_EQ(RangeGridView::labelPixelSize(cellSides[2]), RangeGridView::labelPixelSize(cellSides[0]));
}

}  // namespace
}  // namespace pellox::app
