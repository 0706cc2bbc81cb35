#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QtTest/QTest>

#include "Gallery.hpp"
#include "GuideFixtures.hpp"
#include "kit/HoverButton.hpp"
#include "kit/MoneyText.hpp"
#include "rules/GameMode.hpp"
#include "session/SessionTestSupport.hpp"
#include "store/GuideMode.hpp"
#include "table/SessionSummarySheet.hpp"
#include "table/SessionSummaryView.hpp"
#include "theme/AppContext.hpp"

namespace pellox::app {
namespace {

using testing::HeadlessDriver;
using testing::SessionRig;

TEST(SessionSummaryView, FiguresOfAGradedSession) {
    AppContext context;
    SessionSummary s = fixtures::summary(14, 1250, 8, 5);
    s.byStreet[StreetKey::flop] = {12, 5};
    SessionSummaryView view(context, s, GameMode::cash, GuideMode::show, {}, {});
    EXPECT_EQ(view.texts(), QStringList({"Session Summary", "Cash game", "63% matched the guide",
                                         "5 of 8 decisions", "14", "Hands played", "+$1,250", "Net chips",
                                         "Weakest street", "Flop: 42% across 12 decisions"}));
    EXPECT_EQ(view.playAgainButton()->text(), "Play again");
    EXPECT_EQ(view.mainMenuButton()->text(), "Main menu");
}

TEST(SessionSummaryView, NoGradesShowsTheHintInsteadOfTheRing) {
    AppContext context;
    SessionSummaryView view(context, fixtures::summary(1, -40, 0, 0), GameMode::tournament, GuideMode::off,
                            {}, {});
    EXPECT_EQ(view.texts(), QStringList({"Session Summary", "Tournament", "No decisions graded",
                                         "Turn the guide on to have your play graded.", "1", "Hand played",
                                         "-$40", "Net chips"}));
}

TEST(SessionSummaryView, EachButtonCallsItsActionOnce) {
    AppContext context;
    int playAgain = 0;
    int mainMenu = 0;
    QWidget window;
    auto* view = new SessionSummaryView(
        context, fixtures::summary(3, 0, 0, 0), GameMode::cash, GuideMode::show, [&] { ++playAgain; },
        [&] { ++mainMenu; }, &window);
    window.show();
    QTest::mouseClick(view->playAgainButton(), Qt::LeftButton);
    EXPECT_EQ(playAgain, 1);
    EXPECT_EQ(mainMenu, 0);
    QTest::mouseClick(view->mainMenuButton(), Qt::LeftButton);
    EXPECT_EQ(playAgain, 1);
    EXPECT_EQ(mainMenu, 1);
}

// A cash game's summary sheet, open over a shown window.
struct OpenSheet {
    AppContext context;
    QWidget window;
    SessionSummarySheet* sheet;
    OpenSheet() {
        window.show();
        sheet = new SessionSummarySheet(context, fixtures::summary(3, 0, 0, 0), GameMode::cash,
                                        GuideMode::show, {}, {}, &window);
        sheet->open();
    }
};

TEST(SessionSummarySheet, EscapeAndCloseDoNothing) {
    OpenSheet rig;
    SessionSummarySheet* sheet = rig.sheet;
    ASSERT_TRUE(sheet->isVisible());
    QTest::keyClick(sheet, Qt::Key_Escape);
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_FALSE(sheet->close());
    EXPECT_TRUE(sheet->isVisible());
    sheet->dismiss();
    EXPECT_FALSE(sheet->isVisible());
}

// A logout, a signal or Ctrl+Q while the sheet is up: the sheet does not hold the quit back.
TEST(SessionSummarySheet, GivesWayWhileTheApplicationQuits) {
    OpenSheet rig;
    SessionSummarySheet* sheet = rig.sheet;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(2); });
    watchdog.start(5000);
    QTimer::singleShot(0, [] { QCoreApplication::quit(); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(sheet->isVisible());
}

// The figures of a scripted session: a few seeded hands played with the guide on.
TEST(SessionSummaryView, FiguresOfAPlayedSession) {
    SessionRig rig;
    rig.session.startCashGame(2, 77);
    HeadlessDriver driver{rig.session, [](const LegalActions& legal, const GameSession&) {
                              return PlayerAction{
                                  legal.canCheck ? PlayerActionType::check : PlayerActionType::call,
                                  std::nullopt};
                          }};
    driver.run(3);
    const SessionSummary& s = rig.session.sessionSummary();
    ASSERT_GE(s.handsPlayed, 3);
    ASSERT_GE(s.decisionsGraded, 1);
    AppContext context;
    SessionSummaryView view(context, s, GameMode::cash, GuideMode::show, {}, {});
    const QLocale systemLocale;
    const QStringList texts = view.texts();
    EXPECT_TRUE(texts.contains(QString("%1 of %2 decisions").arg(s.decisionsAgreed).arg(s.decisionsGraded)));
    EXPECT_TRUE(texts.contains(QString::number(s.handsPlayed)));
    EXPECT_TRUE(texts.contains(moneyText(s.netChips, MoneySign::awayFromZero, &systemLocale)));
}

TEST(SessionSummaryGallery, CashAndTournament) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    const auto shoot = [](const QString& name, SessionSummary s, GameMode mode) {
        gallery::shootEach(name, QSize(460, 560), [=](AppContext& c) {
            auto sheet = std::make_unique<SessionSummarySheet>(
                c, s, mode, GuideMode::off, [] {}, [] {});
            sheet->show();
            fixtures::withoutHoverEffects(*sheet);
            return sheet;
        });
    };
    SessionSummary cash = fixtures::summary(42, 1250, 38, 29);
    cash.byStreet[StreetKey::preflop] = {20, 18};
    cash.byStreet[StreetKey::flop] = {12, 5};
    cash.byStreet[StreetKey::turn] = {6, 6};
    shoot("session-summary-cash", cash, GameMode::cash);
    shoot("session-summary-tournament", fixtures::summary(17, -1500, 20, 19), GameMode::tournament);
    shoot("session-summary-ungraded", fixtures::summary(1, 0, 0, 0), GameMode::cash);
}

}  // namespace
}  // namespace pellox::app
