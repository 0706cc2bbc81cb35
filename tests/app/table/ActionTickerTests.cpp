#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QtTest/QTest>
#include <set>

#include "AccessibleActions.hpp"
#include "Gallery.hpp"
#include "GuideFixtures.hpp"
#include "TestCards.hpp"
#include "kit/TextBlock.hpp"
#include "session/SessionTestSupport.hpp"
#include "table/ActionLogSheet.hpp"
#include "table/ActionTickerView.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"
#include "theme/PaletteRole.hpp"

namespace pellox::app {
namespace {

using pellox::testing::HeadlessDriver;
using pellox::testing::SessionRig;

ActionLogStreet street(std::string id, std::string label, std::vector<Card> cards,
                       std::vector<ActionLogEntry> entries) {
    return {std::move(id), std::move(label), std::move(cards), std::move(entries)};
}

std::vector<ActionLogStreet> twoStreets() {
    return {street("preflop", "Preflop", {},
                   {{0, "Maniac Mo posted the small blind $5", false},
                    {1, "You posted the big blind $10", true},
                    {2, "Maniac Mo called $5", false}}),
            street("flop", "Flop", test::cards("Ah Kd 7c"), {{5, "You checked", true}})};
}

// Plays one whole hand of a seeded game with the guide on and every decision called or checked.
std::vector<ActionLogStreet> playedHand(SessionRig& rig) {
    rig.session.startCashGame(3, 1234);
    HeadlessDriver driver{rig.session, [](const LegalActions& legal, const GameSession&) {
                              return PlayerAction{
                                  legal.canCheck ? PlayerActionType::check : PlayerActionType::call,
                                  std::nullopt};
                          }};
    while (rig.session.table()->isHandInProgress && driver.step()) {
    }
    return rig.session.actionLog();
}

QList<TextBlock*> textsOf(QWidget& root) {
    return root.findChildren<TextBlock*>();
}

TEST(ActionTickerView, RecentTextIsTheLastTwoEntriesOfTheHand) {
    AppContext context;
    ActionTickerView ticker(context);
    ticker.setLog(twoStreets());
    EXPECT_EQ(ticker.recentText(), QString("Maniac Mo called $5 \u2022 You checked"));
    EXPECT_FALSE(ticker.strip()->isHidden());
    EXPECT_EQ(ticker.strip()->accessibleName(), "Recent action: Maniac Mo called $5 \u2022 You checked");
    EXPECT_EQ(ticker.strip()->accessibleDescription(), "Opens the full action list for this hand");
    ticker.setLog({street("preflop", "Preflop", {}, {{0, "You posted the big blind $10", true}})});
    EXPECT_EQ(ticker.recentText(), QString("You posted the big blind $10"));
    // Streets without entries give no recent text: the strip is gone.
    ticker.setLog({street("flop", "Flop", test::cards("Ah Kd 7c"), {})});
    EXPECT_FALSE(ticker.recentText());
    EXPECT_TRUE(ticker.strip()->isHidden());
}

TEST(ActionTickerView, ClickOpensTheSheetWhichOutlivesTheStripAndItsFocusedCloseTakesReturn) {
    AppContext context;
    QWidget window;
    auto* ticker = new ActionTickerView(context, &window);
    ticker->setLog(twoStreets());
    window.resize(600, 60);
    window.show();
    QTest::mouseClick(ticker->strip(), Qt::LeftButton);
    ASSERT_TRUE(ticker->sheet());
    EXPECT_TRUE(ticker->showingDetail());
    EXPECT_EQ(ticker->sheet()->log(), twoStreets());
    ticker->setLog({});
    EXPECT_TRUE(ticker->strip()->isHidden());
    EXPECT_TRUE(ticker->showingDetail());
    EXPECT_TRUE(ticker->sheet()->log().empty());
    auto* close = ticker->sheet()->findChild<QAbstractButton*>();
    ASSERT_TRUE(close);
    ASSERT_EQ(close->text(), "Close");
    close->setFocus(Qt::TabFocusReason);
    QTest::keyClick(close, Qt::Key_Return);
    EXPECT_FALSE(ticker->showingDetail());
    // A screen reader presses it as well.
    QTest::mouseClick(ticker->strip(), Qt::LeftButton);
    ASSERT_TRUE(ticker->showingDetail());
    ASSERT_TRUE(app::testing::operateAccessibly(ticker->sheet()->findChild<QAbstractButton*>()));
    EXPECT_FALSE(ticker->showingDetail());
}

TEST(ActionLogSheet, EmptyLogSaysNothingHappened) {
    AppContext context;
    ActionLogSheet sheet(context, {});
    QStringList texts;
    for (auto* t : textsOf(sheet))
        texts << t->text();
    EXPECT_EQ(texts, QStringList({"This Hand", "Nothing has happened yet this hand."}));
}

// A window system that makes a sheet closed at once the active window only after it has closed leaves the
// keys on the list as the sheet deletes it. The offscreen platform takes the keys from a window as it hides,
// so the focused list is deleted itself here.
TEST(ActionLogSheet, ItsListIsDeletedWithTheKeysOnIt) {
    AppContext context;
    ActionLogSheet sheet(context, {});
    sheet.show();
    sheet.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet));
    auto* list = sheet.findChild<QScrollArea*>();
    list->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(list->hasFocus());
    delete list;
    EXPECT_EQ(sheet.findChild<QScrollArea*>(), nullptr);
}

TEST(ActionLogSheet, StreetsCardsAndEntriesInTheirLooks) {
    AppContext context;
    const Palette& p = context.palette();
    ActionLogSheet sheet(context, twoStreets());
    const auto texts = textsOf(sheet);
    QStringList shown;
    for (auto* t : texts)
        shown << t->text();
    EXPECT_EQ(shown, QStringList({"This Hand", "PREFLOP", "Maniac Mo posted the small blind $5",
                                  "You posted the big blind $10", "Maniac Mo called $5", "FLOP", "A\u2665",
                                  "K\u2666", "7\u2663", "You checked"}));
    EXPECT_EQ(texts[1]->color(), p.accent);
    EXPECT_EQ(texts[2]->color(), p.textMuted);
    EXPECT_EQ(texts[2]->textFont().weight(), QFont::Normal);
    EXPECT_EQ(texts[3]->color(), p.text);
    EXPECT_EQ(texts[3]->textFont().weight(), QFont::Bold);
    EXPECT_EQ(texts[6]->color(), p.danger);
    EXPECT_EQ(texts[6]->accessibleName(), "Ace of hearts");
    EXPECT_EQ(texts[8]->color(), p.text);
    EXPECT_EQ(ActionLogSheet::cardColor(test::card("Qs")), PaletteRole::text);
    EXPECT_EQ(ActionLogSheet::cardColor(test::card("Qd")), PaletteRole::danger);
}

TEST(ActionLogSheet, ListsEveryActionOfAPlayedHand) {
    SessionRig rig;
    const auto log = playedHand(rig);
    ASSERT_GE(ActionLogStreet::totalEntryCount(log), 4);
    AppContext context;
    ActionLogSheet sheet(context, log);
    QStringList shown;
    for (auto* t : textsOf(sheet))
        shown << t->text();
    QStringList expected{"This Hand"};
    for (const auto& s : log) {
        expected << QString::fromStdString(s.label).toUpper();
        for (const Card& c : s.cards)
            expected << QString::fromStdString(symbolText(c));
        for (const auto& e : s.entries)
            expected << QString::fromStdString(e.text);
    }
    EXPECT_EQ(shown, expected);
    // Every action of the hand has its line, found by the index of its event.
    std::set<std::int64_t> ids;
    for (const auto& st : log)
        for (const auto& e : st.entries)
            ids.insert(e.id);
    const auto& events = rig.session.currentHandEvents();
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (events[i].is<EngineEvent::ActionTaken>()) {
            EXPECT_TRUE(ids.count(static_cast<std::int64_t>(i))) << i;
        }
    }
}

TEST(ActionTickerGallery, TickerAndLogSheet) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    SessionRig rig;
    const auto log = playedHand(rig);
    gallery::shootEach("action-ticker", {}, [&](AppContext& c) {
        auto v = std::make_unique<ActionTickerView>(c);
        v->setLog(log);
        v->resize(640, v->sizeHint().height());
        return v;
    });
    gallery::shootEach("action-ticker-narrow", {}, [&](AppContext& c) {
        auto v = std::make_unique<ActionTickerView>(c);
        v->setLog(log);
        v->resize(300, v->sizeHint().height());
        return v;
    });
    // A sheet lays out its scroll area only once shown.
    gallery::shootEach("action-log-sheet", QSize(460, 520), [&](AppContext& c) {
        auto sheet = std::make_unique<ActionLogSheet>(c, log);
        sheet->show();
        fixtures::withoutHoverEffects(*sheet);
        return sheet;
    });
    gallery::shootEach("action-log-sheet-empty", QSize(460, 520), [&](AppContext& c) {
        auto sheet = std::make_unique<ActionLogSheet>(c, std::vector<ActionLogStreet>{});
        sheet->show();
        fixtures::withoutHoverEffects(*sheet);
        return sheet;
    });
}

}  // namespace
}  // namespace pellox::app
