#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QListView>
#include <QTest>
#include <QTimeZone>
#include <chrono>

#include "Gallery.hpp"
#include "TestCards.hpp"
#include "kit/CardText.hpp"
#include "kit/SegmentedControl.hpp"
#include "review/HistoryListModel.hpp"
#include "review/HistoryRow.hpp"
#include "review/HistoryRowDelegate.hpp"
#include "review/HistoryScreen.hpp"
#include "review/ReviewTestSupport.hpp"
#include "store/SettingsStore.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

using testing::grades;

const Palette& palette = Palette::cardRoom();

HandRecord recordWith(std::int64_t net, std::vector<GradedDecision> decisions = {}) {
    HandRecord r;
    r.id = "1-1";
    r.humanNet = net;
    r.grades = std::move(decisions);
    return r;
}

TEST(HistoryFilter, RawValuesTitlesAndOrder) {
    const auto cases = allCases<HistoryFilter>();
    ASSERT_EQ(cases.size(), 4u);
    const char* raws[] = {"all", "won", "lost", "misplayed"};
    const char* titles[] = {"All", "Won", "Lost", "Misplayed"};
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(rawValue(cases[i]), raws[i]);
        EXPECT_EQ(title(cases[i]), titles[i]);
        EXPECT_EQ(parse<HistoryFilter>(raws[i]), cases[i]);
    }
    EXPECT_FALSE(parse<HistoryFilter>("Won").has_value());
    EXPECT_FALSE(parse<HistoryFilter>("").has_value());
}

TEST(HistoryFilter, WhatEachFilterKeeps) {
    const HandRecord even = recordWith(0);
    EXPECT_TRUE(keeps(HistoryFilter::all, even));
    EXPECT_FALSE(keeps(HistoryFilter::won, even));
    EXPECT_FALSE(keeps(HistoryFilter::lost, even));
    EXPECT_TRUE(keeps(HistoryFilter::won, recordWith(1)));
    EXPECT_TRUE(keeps(HistoryFilter::lost, recordWith(-1)));
    // Misplayed needs one disagreeing decision; none graded or all agreed is never misplayed.
    EXPECT_FALSE(keeps(HistoryFilter::misplayed, recordWith(-50)));
    EXPECT_FALSE(keeps(HistoryFilter::misplayed, recordWith(-50, grades(3, 3))));
    EXPECT_TRUE(keeps(HistoryFilter::misplayed, recordWith(50, grades(9, 10))));
}

TEST(HistoryFilter, FilteredRecordsKeepTheHistorysOrder) {
    const std::vector<HandRecord> history{recordWith(10, grades(1, 2)), recordWith(0), recordWith(-5),
                                          recordWith(3, grades(2, 2)), recordWith(-1, grades(0, 1))};
    using Kept = std::vector<std::size_t>;
    EXPECT_EQ(filteredRecords(history, HistoryFilter::all), (Kept{0, 1, 2, 3, 4}));
    EXPECT_EQ(filteredRecords(history, HistoryFilter::won), (Kept{0, 3}));
    EXPECT_EQ(filteredRecords(history, HistoryFilter::lost), (Kept{2, 4}));
    EXPECT_EQ(filteredRecords(history, HistoryFilter::misplayed), (Kept{0, 4}));
    EXPECT_TRUE(filteredRecords({}, HistoryFilter::all).empty());
}

TEST(HistoryRow, GradeBadgeFollowsTheHandAccuracy) {
    EXPECT_FALSE(HistoryRow::make(recordWith(0), palette).grade.has_value());

    const auto seven = HistoryRow::make(recordWith(0, grades(7, 10)), palette).grade;
    ASSERT_TRUE(seven);
    EXPECT_EQ(seven->text, "B");
    EXPECT_EQ(seven->color, palette.success);

    const auto twoOfThree = HistoryRow::make(recordWith(0, grades(2, 3)), palette).grade;
    ASSERT_TRUE(twoOfThree);
    EXPECT_EQ(twoOfThree->text, "C");
    EXPECT_EQ(twoOfThree->color, palette.danger);

    const auto perfect = HistoryRow::make(recordWith(0, grades(1, 1)), palette).grade;
    ASSERT_TRUE(perfect);
    EXPECT_EQ(perfect->text, "A+");
    EXPECT_EQ(perfect->color, palette.success);
}

TEST(HistoryRow, NetTextsAndColours) {
    struct Case {
        std::int64_t net;
        const char* text;
        QColor color;
    };
    for (const Case& c : {Case{150, "+$150", palette.success}, Case{-40, "-$40", palette.danger},
                          Case{1250, "+$1250", palette.success}, Case{0, "$0", palette.textMuted}}) {
        const auto row = HistoryRow::make(recordWith(c.net), palette);
        EXPECT_EQ(row.net.text, c.text);
        EXPECT_EQ(row.net.color, c.color) << c.text;
    }
}

TEST(HistoryRow, CardsPositionHandAndTime) {
    HandRecord r = recordWith(0);
    r.humanHoleCards = test::cards("Th As");
    r.humanPosition = Position::utg1;
    r.handNumber = 42;
    // 2025-06-01 15:04 UTC
    r.timestamp = Date(std::chrono::seconds(1'748'790'240));
    const auto row =
        HistoryRow::make(r, palette, QLocale(QLocale::English, QLocale::UnitedStates), QTimeZone::utc());
    ASSERT_EQ(row.cards.size(), 2u);
    EXPECT_EQ(row.cards[0], (ColoredText{QStringLiteral("10\u2665"), palette.danger}));
    EXPECT_EQ(row.cards[1], (ColoredText{QStringLiteral("A\u2660"), palette.text}));
    EXPECT_EQ(row.positionName, "Under the Gun 2");
    EXPECT_EQ(row.handText, "Hand 42");
    EXPECT_EQ(row.timeText, "6/1/25 3:04 PM");
}

TEST(HistoryRow, EveryPositionHasItsName) {
    const char* names[] = {"Dealer",          "Small Blind",     "Big Blind",         "Under the Gun",
                           "Under the Gun 2", "Middle Position", "Middle Position 2", "Hijack",
                           "Cutoff"};
    std::size_t i = 0;
    for (Position p : allCases<Position>()) {
        HandRecord r = recordWith(0);
        r.humanPosition = p;
        EXPECT_EQ(HistoryRow::make(r, palette).positionName, names[i++]);
    }
}

TEST(HistoryListModel, FiltersTwoHundredHandsInHistoryOrder) {
    const auto history = testing::generatedHistory(200);
    auto stats = testing::storeWith(history);
    ASSERT_EQ(stats->handHistory().size(), 200u);
    HistoryListModel model(*stats);
    for (HistoryFilter filter : allCases<HistoryFilter>()) {
        model.setFilter(filter);
        const auto expected = filteredRecords(stats->handHistory(), filter);
        ASSERT_FALSE(expected.empty()) << rawValue(filter);
        ASSERT_EQ(model.rowCount(), static_cast<int>(expected.size())) << rawValue(filter);
        std::int64_t previous = std::numeric_limits<std::int64_t>::max();
        for (int row = 0; row < model.rowCount(); ++row) {
            const HandRecord* record = model.record(row);
            ASSERT_EQ(record, &stats->handHistory()[expected[static_cast<std::size_t>(row)]]);
            EXPECT_TRUE(keeps(filter, *record));
            EXPECT_LT(record->handNumber, previous) << "newest first";
            previous = record->handNumber;
            EXPECT_EQ(model.data(model.index(row), HistoryListModel::RecordIdRole).toString().toStdString(),
                      record->id);
        }
    }
    model.setFilter(HistoryFilter::all);
    EXPECT_EQ(model.rowCount(), 200);
    model.setFilter(HistoryFilter::won);
    const int won = model.rowCount();
    model.setFilter(HistoryFilter::lost);
    EXPECT_LT(won + model.rowCount(), 200) << "hands breaking even are in neither list";
}

TEST(HistoryListModel, EmptyHistoryShowsItsMessageUnderEveryFilter) {
    auto stats = testing::storeWith({});
    HistoryListModel model(*stats);
    for (HistoryFilter filter : allCases<HistoryFilter>()) {
        model.setFilter(filter);
        ASSERT_EQ(model.rowCount(), 1);
        EXPECT_EQ(model.record(0), nullptr);
        EXPECT_EQ(model.data(model.index(0)).toString(), "No hands played yet.");
        EXPECT_EQ(model.flags(model.index(0)), Qt::NoItemFlags);
    }
}

TEST(HistoryListModel, FilterThatKeepsNothingSaysSoAndTheListFollowsTheStore) {
    SeededRNG rng(5);
    HandRecord won = samples::realisticHand(1, rng);
    won.humanNet = 300;
    auto stats = testing::storeWith({won});
    HistoryListModel model(*stats);
    model.setFilter(HistoryFilter::lost);
    ASSERT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.data(model.index(0)).toString(), "No hands match this filter.");

    HandRecord lost = samples::realisticHand(2, rng);
    lost.humanNet = -40;
    stats->record(samples::outcomeOf(lost), lost);
    ASSERT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.record(0)->id, lost.id);
    stats->eraseAll();
    EXPECT_EQ(model.data(model.index(0)).toString(), "No hands played yet.");
}

struct HistoryScreenRig {
    SettingsStore settings;
    AppContext context{&settings};
    std::unique_ptr<StatsStore> stats;
    std::vector<std::string> opened;
    std::unique_ptr<HistoryScreen> screen;

    explicit HistoryScreenRig(const std::vector<HandRecord>& history) : stats(testing::storeWith(history)) {
        screen = std::make_unique<HistoryScreen>(context, *stats,
                                                 [this](const std::string& id) { opened.push_back(id); });
        screen->resize(720, 560);
        screen->show();
        QApplication::processEvents();
    }
};

TEST(HistoryScreen, SegmentsRefilterAndRowsOpenTheirRecord) {
    HistoryScreenRig rig(testing::generatedHistory(200));
    HistoryScreen& screen = *rig.screen;
    EXPECT_EQ(screen.windowTitle(), "History");
    EXPECT_EQ(screen.filter(), HistoryFilter::all);
    EXPECT_EQ(screen.filterPicker()->accessibleName(), "Filter");
    EXPECT_EQ(screen.model()->rowCount(), 200);

    QTest::mouseClick(screen.filterPicker()->segment(2), Qt::LeftButton);
    EXPECT_EQ(screen.filter(), HistoryFilter::lost);
    const auto lost = filteredRecords(rig.stats->handHistory(), HistoryFilter::lost);
    EXPECT_EQ(screen.model()->rowCount(), static_cast<int>(lost.size()));

    const QModelIndex second = screen.model()->index(1);
    const QRect rect = screen.list()->visualRect(second);
    ASSERT_TRUE(rect.isValid());
    EXPECT_EQ(rect.height(), HistoryRowDelegate::rowHeight());
    QTest::mouseClick(screen.list()->viewport(), Qt::LeftButton, {}, rect.center());
    ASSERT_EQ(rig.opened.size(), 1u);
    EXPECT_EQ(rig.opened[0], rig.stats->handHistory()[lost[1]].id);
}

TEST(HistoryScreen, TheMessageRowOpensNothing) {
    HistoryScreenRig rig({});
    const QRect rect = rig.screen->list()->visualRect(rig.screen->model()->index(0));
    QTest::mouseClick(rig.screen->list()->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_TRUE(rig.opened.empty());
}

TEST(GalleryReview, HistoryWithHandsAndEmpty) {
    if (!gallery::enabled()) GTEST_SKIP() << "PELLOX_GALLERY_DIR is not set";
    HistoryScreenRig full(testing::generatedHistory(200));
    gallery::shoot("history-hands", *full.screen, full.settings);
    full.screen->setFilter(HistoryFilter::misplayed);
    gallery::shoot("history-misplayed", *full.screen, full.settings);
    HistoryScreenRig empty({});
    gallery::shoot("history-empty", *empty.screen, empty.settings);
    SUCCEED();
}

}  // namespace
}  // namespace pellox::app
