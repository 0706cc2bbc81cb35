#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <memory>

#include "session/GameSession.hpp"
#include "session/SessionSnapshotStore.hpp"
#include "shell/SnapshotKeeper.hpp"
#include "shell/UserDefaultsStore.hpp"
#include "store/SettingsStore.hpp"
#include "store/StatsStore.hpp"

namespace pellox::app {
namespace {

// A seeded game with the guide on, played over the settings file as the application plays it: settings
// saved, hands recorded, the unfinished hand stored at the human's decisions. The file it leaves at a
// decision of the sixth hand is pinned to the byte: how and when the stores write does not change what a
// healthy file holds. (A change meant to alter the stored documents, the game or the guide's texts updates
// the expected size and digest.)
TEST(HealthyFile, ASeededGameLeavesTheSameFileByteForByte) {
    QTemporaryDir dir;
    const QString path = dir.filePath("defaults.conf");
    {
        auto file = std::make_shared<UserDefaultsStore>(path);
        SettingsStore settings;
        StatsStore stats;
        settings.load(file);
        stats.load(file);
        settings.tableTheme.set(TableTheme::midnight);
        settings.hasOnboarded.set(true);
        settings.save();
        GameSession session(settings, stats, std::make_shared<ImmediateAdviceScheduler>(),
                            [] { return referenceDate + std::chrono::hours(24 * 9000); });
        SessionSnapshotStore snapshots(file);
        SnapshotKeeper keeper(session, snapshots);
        session.startCashGame(2, 4242);
        for (int step = 0; step < 3000; ++step) {
            keeper.update();
            if (session.table()->handNumber >= 6 && session.isHumanTurn()) break;
            if (session.humanBustedInCash()) session.rebuy();
            if (!session.table()->isHandInProgress) {
                session.startHand();
            } else if (session.isHumanTurn()) {
                const auto legal = *session.humanLegalActions();
                session.submitHumanAction(legal.canCheck ? PlayerActionType::check : PlayerActionType::call);
            } else {
                session.playBotTurn();
            }
        }
        ASSERT_EQ(session.table()->handNumber, 6);
        ASSERT_TRUE(session.isHumanTurn());
        ASSERT_EQ(stats.handHistory().size(), 5u);
        keeper.update();
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.size(), 27919);
    EXPECT_EQ(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().toStdString(),
              "cbea84f873e14023156d1dd6dbdabfcfc628ed00d8eef4cb71bfdf56a95f991d");
}

}  // namespace
}  // namespace pellox::app
