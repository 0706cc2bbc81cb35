// Pictures of the shell's screens in every theme, written only when PELLOX_GALLERY_DIR is set.
#include <gtest/gtest.h>

#include <QMessageBox>

#include "Filmstrip.hpp"
#include "Gallery.hpp"
#include "ShellTestSupport.hpp"
#include "kit/Spring.hpp"
#include "shell/DarkStyle.hpp"
#include "shell/HomeScreen.hpp"
#include "shell/MacRootView.hpp"
#include "shell/MainWindow.hpp"
#include "shell/MissingRecordView.hpp"
#include "shell/OnboardingScreen.hpp"
#include "shell/OnboardingSheet.hpp"
#include "theme/AppContext.hpp"

namespace pellox::app {
namespace {

using testing::AppRig;
using testing::midHandSnapshot;
using testing::settle;

// The widget as it stands on screen, in every theme. Grabbed rather than rendered through a painter, which
// draws the buttons' hover effects out of place.
void shoot(const QString& name, QWidget& widget, SettingsStore& settings) {
    const TableTheme before = settings.tableTheme.get();
    for (TableTheme theme : allCases<TableTheme>()) {
        settings.tableTheme.set(theme);
        settle();
        widget.grab().save(gallery::pathFor(name, theme));
    }
    settings.tableTheme.set(before);
}

TEST(Gallery, HomeScreen) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    AppRig rig;
    rig.writeSettings();
    PelloxPokerApp& app = rig.launchShown();
    QWidget* home = app.rootView().currentPage();
    ASSERT_NE(qobject_cast<HomeScreen*>(home), nullptr);
    shoot("shell-home", *home, app.settings());
    shoot("shell-main-window", app.mainWindow(), app.settings());
    app.mainWindow().resize(1000, 680);
    settle();
    shoot("shell-main-window-minimum", app.mainWindow(), app.settings());
}

TEST(Gallery, OnboardingPages) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    SettingsStore settings;
    AppContext context(&settings);
    OnboardingScreen screen(context, [] {});
    screen.resize(560, 600);
    screen.show();
    for (int page = 0; page < 3; ++page) {
        if (page > 0) screen.advance();
        shoot(QStringLiteral("shell-onboarding-%1").arg(page + 1), screen, settings);
    }
}

TEST(Gallery, OnboardingPageChangeFilmstrip) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    testing::ManualAnimationClock clock;
    for (TableTheme theme : allCases<TableTheme>()) {
        SettingsStore settings;
        settings.tableTheme.set(theme);
        AppContext context(&settings);
        context.setReduceMotion(false);
        OnboardingScreen screen(context, [] {});
        screen.resize(560, 600);
        screen.show();
        settle();
        screen.advance();
        const testing::Filmstrip strip =
            testing::film(clock, Spring{0.25, 0.85}, [&] { return screen.grab().toImage(); });
        strip.save("motion-onboarding-page", theme);
        EXPECT_GT(strip.motion(), 0.05) << rawValue(theme);
    }
}

TEST(Gallery, ResumeAlertAndMissingRecord) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    AppRig rig;
    rig.writeSettings();
    rig.writeSnapshot(midHandSnapshot(GameMode::tournament));
    PelloxPokerApp& app = rig.launchShown();
    QMessageBox* alert = app.rootView().resumeAlert();
    ASSERT_NE(alert, nullptr);
    alert->setPalette(darkPalette());
    alert->adjustSize();
    shoot("shell-resume-alert", *alert, app.settings());

    app.rootView().selectSection(Section::history);
    app.rootView().push(Route::handReplay("gone"));
    ASSERT_NE(qobject_cast<MissingRecordView*>(app.rootView().currentPage()), nullptr);
    shoot("shell-missing-record", app.mainWindow(), app.settings());
}

TEST(Gallery, OnboardingSheetOverTheMainWindow) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    AppRig rig;
    PelloxPokerApp& app = rig.launchShown();
    OnboardingSheet* sheet = app.rootView().onboardingSheet();
    ASSERT_NE(sheet, nullptr);
    shoot("shell-onboarding-sheet", *sheet, app.settings());
}

}  // namespace
}  // namespace pellox::app
