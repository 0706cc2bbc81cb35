#pragma once
// The application on a settings file of its own in a temporary folder, with documents written beforehand as
// a previous launch would have left them.
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>

#include "session/GameSession.hpp"
#include "session/SessionSnapshotStore.hpp"
#include "shell/PelloxPokerApp.hpp"
#include "shell/UserDefaultsStore.hpp"
#include "store/InMemoryStore.hpp"
#include "store/SettingsStore.hpp"
#include "store/StatsStore.hpp"

namespace pellox::app::testing {

inline const std::string snapshotKey = "pellox-poker-session-snapshot";

// A game session over stores loaded from one in-memory store, the guide off, and the snapshot store beside
// them on the same store.
struct SessionOnAStore {
    std::shared_ptr<InMemoryStore> store = std::make_shared<InMemoryStore>();
    SettingsStore settings;
    StatsStore stats;
    GameSession session{settings, stats};
    SessionSnapshotStore snapshots{store};

    SessionOnAStore() {
        settings.load(store);
        stats.load(store);
        settings.guideMode.set(GuideMode::off);
    }
};

// Runs what is queued and deletes what was handed to deleteLater().
inline void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The snapshot of a game's first hand, dealt and waiting for its first action.
inline SessionSnapshot midHandSnapshot(GameMode mode, std::int32_t seed = 77) {
    SettingsStore settings;
    StatsStore stats;
    GameSession session(settings, stats);
    settings.guideMode.set(GuideMode::off);
    if (mode == GameMode::cash)
        session.startCashGame(3, seed);
    else
        session.startTournament(2, seed);
    return *session.makeSnapshot();
}

struct AppRig {
    QTemporaryDir dir;
    QString path = dir.filePath("Pellox Poker.conf");
    std::unique_ptr<PelloxPokerApp> app;

    // Another handle on the same file, as the next launch would open it.
    UserDefaultsStore file() const { return UserDefaultsStore(path); }

    // Settings of a user who has been through onboarding, unless told otherwise.
    void writeSettings(bool onboarded = true, TableTheme theme = TableTheme::cardRoom) {
        SettingsStore settings;
        settings.load(std::make_shared<UserDefaultsStore>(path));
        settings.hasOnboarded.set(onboarded);
        settings.tableTheme.set(theme);
        settings.save();
    }

    void writeSnapshot(const SessionSnapshot& snapshot) {
        SessionSnapshotStore(std::make_shared<UserDefaultsStore>(path)).save(snapshot);
    }

    PelloxPokerApp& launch() {
        app = std::make_unique<PelloxPokerApp>(std::make_shared<UserDefaultsStore>(path));
        return *app;
    }

    // Launches and shows the main window, letting its first turn of the event loop run.
    PelloxPokerApp& launchShown() {
        launch().show();
        settle();
        return *app;
    }

    QByteArray fileBytes() const {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

}  // namespace pellox::app::testing
