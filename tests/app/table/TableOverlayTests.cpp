#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest/QTest>

#include "Gallery.hpp"
#include "GuideFixtures.hpp"
#include "kit/Fonts.hpp"
#include "kit/TextBlock.hpp"
#include "rules/Standing.hpp"
#include "table/ExitConfirmation.hpp"
#include "table/TableOverlay.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

QAbstractButton* buttonNamed(QWidget& root, const QString& name) {
    for (auto* b : root.findChildren<QAbstractButton*>())
        if (b->text() == name) return b;
    return nullptr;
}

// Shortcuts only reach an active window.
void showActive(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

std::vector<Standing> standings() {
    return {{"bot-2", 1, 0.5}, {"human", 2, 0.3}, {"bot-0", 3, 0.2}, {"bot-1", 4, 0}};
}

const PlayerNameSource names = [](std::string_view id) -> std::string {
    if (id == "human") return "You";
    return id == "bot-2" ? "Ada" : id == "bot-0" ? "Bea" : "Cy";
};

TEST(TableOverlay, BustedOffersEndSessionAndRebuyOnReturn) {
    AppContext context;
    QWidget screen;
    screen.resize(800, 500);
    int ended = 0;
    int rebought = 0;
    auto* overlay = TableOverlay::busted(
        context, &screen, [&] { ++ended; }, [&] { ++rebought; });
    showActive(screen);
    EXPECT_EQ(overlay->geometry(), screen.rect());
    EXPECT_EQ(overlay->title()->text(), "You're out of chips");
    EXPECT_EQ(overlay->mainButton()->text(), "Rebuy");
    QTest::keyClick(&screen, Qt::Key_Return);
    EXPECT_EQ(rebought, 1);
    QTest::mouseClick(buttonNamed(*overlay, "End session"), Qt::LeftButton);
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(rebought, 1);
    screen.resize(1000, 700);
    EXPECT_EQ(overlay->geometry(), screen.rect());
    // A hidden overlay's Return does nothing.
    overlay->hide();
    QTest::keyClick(&screen, Qt::Key_Return);
    EXPECT_EQ(rebought, 1);
}

TEST(TableOverlay, TournamentCompleteListsTheStandings) {
    AppContext context;
    QWidget screen;
    int seen = 0;
    auto* overlay = TableOverlay::tournamentComplete(context, &screen, standings(), names, [&] { ++seen; });
    showActive(screen);
    EXPECT_EQ(overlay->title()->text(), "Tournament Complete");
    EXPECT_EQ(overlay->lines(), QStringList({"1. Ada", "2. You", "3. Bea", "4. Cy"}));
    // Each line still answers to its finisher's id.
    ASSERT_NE(overlay->findChild<QWidget*>("human"), nullptr);
    EXPECT_TRUE(overlay->findChild<QWidget*>("human")->isVisible());
    EXPECT_EQ(overlay->mainButton()->text(), "See summary");
    QTest::keyClick(&screen, Qt::Key_Enter);
    EXPECT_EQ(seen, 1);
    EXPECT_TRUE(TableOverlay::tournamentComplete(context, &screen, {}, names, {})->lines().isEmpty());
}

TEST(ExitConfirmation, LeaveCallsBackKeepPlayingAndEscapeDoNot) {
    QWidget screen;
    screen.show();
    int left = 0;
    QPointer<QMessageBox> box = ExitConfirmation::open(&screen, Qt::red, [&] { ++left; });
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->text(), "Leave this hand?");
    EXPECT_EQ(box->informativeText(), "The hand in progress is forfeited and the session ends.");
    QTest::keyClick(box, Qt::Key_Escape);
    QTRY_VERIFY(!box);
    EXPECT_EQ(left, 0);

    box = ExitConfirmation::open(&screen, Qt::red, [&] { ++left; });
    buttonNamed(*box, "Keep playing")->click();
    QTRY_VERIFY(!box);
    EXPECT_EQ(left, 0);

    box = ExitConfirmation::open(&screen, Qt::red, [&] { ++left; });
    buttonNamed(*box, "Leave")->click();
    QTRY_VERIFY(!box);
    EXPECT_EQ(left, 1);
}

// Return right after the question opened keeps playing, and leaves once Tab has put the keys on "Leave"; the
// text follows the screens' text size, the title bold, as every other question's.
TEST(ExitConfirmation, ReturnKeepsPlayingUnlessLeaveHasTheKeysAndTheTextFollowsTheTextSize) {
    const double before = ScaledFont::textScale();
    std::vector<double> titles, messages;
    for (double scale : {1.0, 2.0}) {
        ScaledFont::setTextScale(scale);
        QWidget screen;
        screen.show();
        int left = 0;
        QPointer<QMessageBox> box = ExitConfirmation::open(&screen, Qt::red, [&] { ++left; });
        auto* title = box->findChild<QLabel*>("qt_msgbox_label");
        auto* message = box->findChild<QLabel*>("qt_msgbox_informativelabel");
        ASSERT_TRUE(title && message);
        EXPECT_TRUE(title->font().bold());
        titles.push_back(pixelSizeOf(title->font()));
        messages.push_back(pixelSizeOf(message->font()));
        QTest::keyClick(box, Qt::Key_Return);
        QTRY_VERIFY(!box);
        EXPECT_EQ(left, 0);
    }
    ScaledFont::setTextScale(before);
    EXPECT_DOUBLE_EQ(titles[1], 2 * titles[0]);
    EXPECT_DOUBLE_EQ(messages[1], 2 * messages[0]);

    // Tab from "Keep playing" to "Leave": Return takes the focused button.
    QWidget screen;
    screen.show();
    int left = 0;
    QPointer<QMessageBox> box = ExitConfirmation::open(&screen, Qt::red, [&] { ++left; });
    box->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(box));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), buttonNamed(*box, "Leave"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(!box);
    EXPECT_EQ(left, 1);
}

TEST(TableControlsGallery, Overlays) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    const auto onTable = [](const std::function<TableOverlay*(QWidget*)>& make) {
        auto screen = std::make_unique<QWidget>();
        screen->resize(760, 480);
        auto* overlay = make(screen.get());
        screen->show();
        overlay->show();
        fixtures::withoutHoverEffects(*screen);
        return screen;
    };
    gallery::shootEach("overlay-busted", {}, [&](AppContext& c) {
        return onTable([&](QWidget* s) { return TableOverlay::busted(c, s, {}, {}); });
    });
    gallery::shootEach("overlay-tournament-complete", {}, [&](AppContext& c) {
        return onTable(
            [&](QWidget* s) { return TableOverlay::tournamentComplete(c, s, standings(), names, {}); });
    });
}

}  // namespace
}  // namespace pellox::app
