// Pictures of the play screen in seeded states for a person to compare with the design: written only when
// PELLOX_GALLERY_DIR is set.
#include <gtest/gtest.h>

#include "Gallery.hpp"
#include "TableTestSupport.hpp"
#include "table/TablePacing.hpp"

namespace pellox::app {
namespace {

using testing::ScreenRig;

// The gallery's own grab paints through QWidget::render, which leaves out children drawn through a
// graphics effect (the hover highlight of every button); grab() renders them as the window does.
void shoot(const QString& name, QWidget& widget, SettingsStore& settings) {
    if (!gallery::enabled()) return;
    const TableTheme before = settings.tableTheme.get();
    for (TableTheme theme : allCases<TableTheme>()) {
        settings.tableTheme.set(theme);
        QCoreApplication::processEvents();
        widget.grab().save(gallery::pathFor(name, theme));
    }
    settings.tableTheme.set(before);
}

void callOrCheck(ScreenRig& r) {
    const auto legal = *r.session().humanLegalActions();
    r.screen->submit({legal.canCheck ? PlayerActionType::check : PlayerActionType::call, std::nullopt});
}

TEST(GalleryTableScreen, PreflopFlopAndShowdownAtTwoSizes) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    // The screen's share of the smallest window (1000 × 680 less the sidebar and the menu), and a large one.
    for (QSize size : {QSize(800, 650), QSize(1600, 1000)}) {
        const QString suffix = QStringLiteral("-%1x%2").arg(size.width()).arg(size.height());
        ScreenRig r(GuideMode::show);
        r.session().startCashGame(5, 20261207);
        TableScreen& screen = r.open(false, false, size);
        ASSERT_TRUE(r.driveUntil([&] { return r.session().isHumanTurn(); }));
        shoot("table-preflop" + suffix, screen, r.rig.settings);

        ASSERT_TRUE(r.driveUntil(
            [&] { return r.session().isHumanTurn() && screen.pacing().revealedBoardCount() >= 3; },
            [&] { callOrCheck(r); }));
        shoot("table-flop" + suffix, screen, r.rig.settings);

        ASSERT_TRUE(r.driveUntil(
            [&] {
                const auto& t = r.session().table();
                return !t->isHandInProgress && screen.pacing().revealedBoardCount() >= 5;
            },
            [&] { callOrCheck(r); }));
        shoot("table-showdown" + suffix, screen, r.rig.settings);
    }
}

}  // namespace
}  // namespace pellox::app
