#include <gtest/gtest.h>

#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>
#include <random>
#include <vector>

#include "session/GameSession.hpp"
#include "session/SessionSnapshotStore.hpp"
#include "shell/SettingsFileText.hpp"
#include "shell/SnapshotKeeper.hpp"
#include "shell/UserDefaultsStore.hpp"
#include "store/SettingsStore.hpp"
#include "store/StatsStore.hpp"

namespace pellox::app {
namespace {

const std::string statsKey = "pellox-poker-stats";

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What QSettings itself reads from the file.
std::optional<std::string> readByQSettings(const QString& path, const std::string& key) {
    const QSettings file(path, QSettings::IniFormat);
    const QVariant value = file.value(QString::fromStdString(key));
    if (value.typeId() != QMetaType::QString) return std::nullopt;
    return value.toString().toStdString();
}

// A document of about `size` bytes whose content tells which one it is.
std::string document(char tag, std::size_t size) {
    std::string text = "{\"version\":1,\"state\":\"";
    text.append(size, tag);
    return text + "\"}";
}

TEST(UserDefaultsStore, StringsRoundTripThroughTheFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("defaults.conf");
    const std::string document = R"({"version":1,"state":{"name":"é ♠, \"quoted\"\n","at":"@home"}})";
    {
        UserDefaultsStore store(path);
        EXPECT_EQ(store.string("pellox-poker-settings"), std::nullopt);
        store.set(document, "pellox-poker-settings");
        store.set("", "empty");
    }
    UserDefaultsStore reopened(path);
    EXPECT_EQ(reopened.string("pellox-poker-settings"), document);
    EXPECT_EQ(reopened.string("empty"), "");
    EXPECT_EQ(readByQSettings(path, "pellox-poker-settings"), document);
    reopened.remove("pellox-poker-settings");
    reopened.remove("never-there");
    EXPECT_EQ(UserDefaultsStore(path).string("pellox-poker-settings"), std::nullopt);
    EXPECT_EQ(UserDefaultsStore(path).string("empty"), "");
}

// Every control character, the characters the file's syntax gives a meaning, text beyond ASCII and bytes
// that are not UTF-8 at all.
std::vector<std::string> valueAlphabet() {
    std::vector<std::string> alphabet;
    for (int c = 0; c < 0x20; ++c)
        alphabet.emplace_back(1, static_cast<char>(c));
    for (const char* text : {"\x7f",
                             "{",
                             "}",
                             "[",
                             "]",
                             "\"",
                             ":",
                             ",",
                             ";",
                             "=",
                             " ",
                             "@",
                             "\\",
                             "/",
                             "%",
                             "#",
                             "a",
                             "f",
                             "F",
                             "x",
                             "0",
                             "9",
                             "\xc2\x80",
                             "\xc2\x9f",
                             "é",
                             "♠",
                             "€",
                             "𝄞",
                             "\xff",
                             "\xc3",
                             "\xe2\x82",
                             "\xed\xa0\x80",
                             "\xf4\x90\x80\x80",
                             "\xc0\xaf"})
        alphabet.emplace_back(text);
    return alphabet;
}

// Keys as the stores name them, with a '/' (a group, in QSettings' terms) in some.
std::string randomKey(std::mt19937& rng) {
    static const std::vector<std::string> names{
        "pellox-poker-settings", "pellox-poker-stats.unreadable-2", "a/b", "pellox/poker-stats", "x/y/z",
        "Mixed_Case.9"};
    return names[rng() % names.size()];
}

// The file is byte for byte what QSettings writes for the same values, so existing files and this one are
// interchangeable.
TEST(UserDefaultsStore, TheFileIsWhatQSettingsWrites) {
    std::mt19937 rng(7);
    const std::vector<std::string> alphabet = valueAlphabet();
    QTemporaryDir dir;
    for (int round = 0; round < 300; ++round) {
        settingsFile::Values values;
        const int keys = 1 + static_cast<int>(rng() % 4);
        for (int k = 0; k < keys; ++k) {
            std::string value;
            const std::size_t length = rng() % 24;
            for (std::size_t i = 0; i < length; ++i)
                value += alphabet[rng() % alphabet.size()];
            if (round % 7 == 0) value = "@" + value;
            if (round % 11 == 0) value = " " + value + " ";
            values[randomKey(rng)] = value;
        }
        const QString path = dir.filePath(QStringLiteral("q%1.conf").arg(round));
        {
            QSettings reference(path, QSettings::IniFormat);
            for (const auto& [key, value] : values)
                reference.setValue(QString::fromStdString(key), QString::fromStdString(value));
        }
        ASSERT_EQ(settingsFile::text(values).toPercentEncoding().toStdString(),
                  bytesOf(path).toPercentEncoding().toStdString())
            << "round " << round;
        UserDefaultsStore store(path);
        for (const auto& [key, value] : values)
            ASSERT_EQ(store.string(key), QString::fromStdString(value).toStdString()) << "round " << round;
    }
}

TEST(UserDefaultsStore, ADamagedValueReadAsAListOrBytesReadsAsItsText) {
    QTemporaryDir dir;
    const QString path = dir.filePath("defaults.conf");
    {
        QSettings file(path, QSettings::IniFormat);
        file.setValue("pellox-poker-stats", QStringList{"{\"version\":1", "\"state\":{}}"});
        file.setValue("bytes", QByteArray("{\"v"));
        file.setValue("count", 3);
    }
    UserDefaultsStore store(path);
    EXPECT_EQ(store.string("pellox-poker-stats"), "{\"version\":1, \"state\":{}}");
    EXPECT_EQ(store.string("bytes"), "{\"v");
    EXPECT_EQ(store.string("count"), "3");
}

// One bit that ends a stored string early: QSettings reads the statistics as a list. They are kept aside
// when the next save writes over them, never dropped.
TEST(UserDefaultsStore, StatisticsDamagedIntoAListAreKeptAsideBeforeTheNextSave) {
    QTemporaryDir dir;
    const QString path = dir.filePath("defaults.conf");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        // `\"` with its backslash flipped to `|` closes the quoted value before the comma.
        file.write("[General]\npellox-poker-stats=\"{\\\"version\\\":1|\",\\\"state\\\":{}}\"\n");
    }
    ASSERT_EQ(QSettings(path, QSettings::IniFormat).value("pellox-poker-stats").typeId(),
              QMetaType::QStringList);
    auto store = std::make_shared<UserDefaultsStore>(path);
    StatsStore stats;
    stats.load(store);
    stats.recordSessionStart();
    const auto keptAside = UserDefaultsStore(path).string(statsKey + ".unreadable");
    ASSERT_TRUE(keptAside);
    EXPECT_NE(keptAside->find("\"version\":1|"), std::string::npos) << *keptAside;
    EXPECT_NE(keptAside->find("state"), std::string::npos) << *keptAside;
    EXPECT_TRUE(StatsStore::persisted.load(UserDefaultsStore(path)));
}

struct FailureLog {
    int calls = 0;
    QString path;
    std::function<void(const QString&)> handler() {
        return [this](const QString& p) {
            ++calls;
            path = p;
        };
    }
};

// A write that fails part-way, here at the process's file-size limit (which no longer ends the process),
// leaves the last good file in place, and is reported once.
TEST(UserDefaultsStore, AWriteCutShortLeavesTheLastGoodFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("defaults.conf");
    UserDefaultsStore store(path);
    FailureLog failures;
    store.setWriteFailureHandler(failures.handler());
    store.set(document('a', 48 * 1024), statsKey);
    ASSERT_FALSE(store.hasWriteFailed());

    struct rlimit previous {};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    struct rlimit small = previous;
    small.rlim_cur = 16 * 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    store.set(document('b', 60 * 1024), statsKey);
    store.set(document('c', 60 * 1024), statsKey);
    ::setrlimit(RLIMIT_FSIZE, &previous);

    EXPECT_TRUE(store.hasWriteFailed());
    EXPECT_EQ(failures.calls, 1) << "told once";
    EXPECT_EQ(failures.path, path);
    EXPECT_EQ(store.string(statsKey), document('c', 60 * 1024)) << "the run goes on with the new values";
    EXPECT_EQ(readByQSettings(path, statsKey), document('a', 48 * 1024));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"defaults.conf"}) << "no leftovers";
}

// The same on a real filesystem that fills up, where one can be mounted.
TEST(UserDefaultsStore, AFullDiskLeavesTheLastGoodFile) {
    QTemporaryDir dir;
    const QByteArray mountPoint = QFile::encodeName(dir.path());
    if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "no small filesystem can be mounted here";
    struct Unmount {
        QByteArray at;
        ~Unmount() { ::umount(at.constData()); }
    } unmount{mountPoint};
    const QString path = dir.filePath("defaults.conf");
    {
        UserDefaultsStore store(path);
        store.set(document('a', 40 * 1024), statsKey);
        ASSERT_FALSE(store.hasWriteFailed());
        store.set(document('b', 40 * 1024), statsKey);
        EXPECT_TRUE(store.hasWriteFailed());
    }
    EXPECT_EQ(readByQSettings(path, statsKey), document('a', 40 * 1024));
    EXPECT_EQ(UserDefaultsStore(path).string(statsKey), document('a', 40 * 1024));
}

TEST(UserDefaultsStore, AFileThatDoesNotParseIsCopiedAsideBeforeTheFirstWrite) {
    QTemporaryDir dir;
    const QString path = dir.filePath("defaults.conf");
    const QByteArray damaged = "[General]\npellox-poker-settings=kept\n\x01garbage line\n[broken\n";
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(damaged);
    }
    ASSERT_EQ(QSettings(path, QSettings::IniFormat).status(), QSettings::FormatError);
    UserDefaultsStore store(path);
    EXPECT_EQ(store.string("pellox-poker-settings"), "kept") << "what could be read is used";
    store.set("new", statsKey);
    EXPECT_FALSE(store.hasWriteFailed()) << "the write succeeded";
    EXPECT_EQ(bytesOf(path + ".damaged"), damaged);
    EXPECT_EQ(QSettings(path, QSettings::IniFormat).status(), QSettings::NoError);
    store.set("newer", statsKey);
    EXPECT_FALSE(QFile::exists(path + ".damaged-2")) << "copied once";

    // A second damaged file beside the first copy gets a copy of its own.
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(damaged);
    }
    UserDefaultsStore(path).set("x", statsKey);
    EXPECT_EQ(bytesOf(path + ".damaged-2"), damaged);
}

TEST(UserDefaultsStore, APathThatIsNoRegularFileIsUnwritableAndNeverBlocks) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo.conf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString folder = dir.filePath("folder.conf");
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const QString& path : {fifo, folder}) {
        SCOPED_TRACE(path.toStdString());
        UserDefaultsStore store(path);
        FailureLog failures;
        store.setWriteFailureHandler(failures.handler());
        store.set("value", statsKey);
        EXPECT_EQ(store.string(statsKey), "value") << "kept in memory for the run";
        EXPECT_EQ(failures.calls, 1);
    }
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

// A child process saving over and over is killed at random moments: the file always decodes and holds the
// old or the new documents, never a mixture or a cut.
TEST(UserDefaultsStore, AKillWhileSavingLeavesTheOldOrTheNewFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("defaults.conf");
    const std::string old = document('o', 40 * 1024);
    const std::string next = document('n', 56 * 1024);
    UserDefaultsStore(path).set(old, statsKey);
    std::mt19937 rng(11);
    for (int round = 0; round < 40; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            UserDefaultsStore store(path);
            for (;;) {
                store.set(next, statsKey);
                store.set(old, statsKey);
            }
        }
        ::usleep(static_cast<useconds_t>(rng() % 20000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        const auto stored = readByQSettings(path, statsKey);
        ASSERT_TRUE(stored == old || stored == next) << "round " << round;
        ASSERT_EQ(UserDefaultsStore(path).string(statsKey), stored);
    }
}

// Changes made in a batch reach the file together, in one write, when the outermost batch closes.
TEST(UserDefaultsStore, ABatchWritesItsChangesOnceWhenItCloses) {
    QTemporaryDir dir;
    const QString path = dir.filePath("defaults.conf");
    UserDefaultsStore store(path);
    store.set("unfinished hand", "pellox-poker-session-snapshot");
    const QByteArray before = bytesOf(path);
    {
        KeyValueStore::Batch batch(store);
        store.set("with the record", statsKey);
        {
            KeyValueStore::Batch inner(store);
            store.remove("pellox-poker-session-snapshot");
        }
        EXPECT_EQ(store.string(statsKey), "with the record") << "reads see the change at once";
        EXPECT_EQ(bytesOf(path), before) << "nothing written while a batch is open";
    }
    EXPECT_EQ(readByQSettings(path, statsKey), "with the record");
    EXPECT_FALSE(readByQSettings(path, "pellox-poker-session-snapshot"));

    // A batch that changes nothing writes nothing; outside a batch every change is written at once.
    QFile::remove(path);
    { KeyValueStore::Batch idle(store); }
    EXPECT_FALSE(QFile::exists(path));
    store.remove("never-there");
    EXPECT_FALSE(QFile::exists(path));
    store.set("alone", "key");
    EXPECT_EQ(readByQSettings(path, "key"), "alone");
}

// A game played on in a child process that is killed at random moments, many of them between a hand's
// record and the removal of its stored copy: the file never holds a hand both recorded and stored as
// unfinished (it would be offered, played again and recorded twice).
TEST(UserDefaultsStore, AKillNeverLeavesAHandBothRecordedAndStoredAsUnfinished) {
    QTemporaryDir dir;
    const QString path = dir.filePath("defaults.conf");
    std::mt19937 rng(23);
    std::size_t recorded = 0;
    for (int round = 0; round < 25; ++round) {
        int started[2];
        ASSERT_EQ(::pipe(started), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            auto file = std::make_shared<UserDefaultsStore>(path);
            SettingsStore settings;
            StatsStore stats;
            settings.load(file);
            stats.load(file);
            settings.guideMode.set(GuideMode::off);
            GameSession session(settings, stats);
            SessionSnapshotStore snapshots(file);
            SnapshotKeeper keeper(session, snapshots);
            const std::size_t before = stats.handHistory().size();
            session.startCashGame(1, round);
            for (bool told = false;;) {
                // Told as soon as the round has recorded a hand, before the keeper's next look.
                if (!told && stats.handHistory().size() > before) told = ::write(started[1], "r", 1) == 1;
                // As the event loop would: the keeper looks after every step.
                keeper.update();
                if (session.humanBustedInCash()) session.rebuy();
                if (!session.table()->isHandInProgress)
                    session.startHand();
                else if (session.isHumanTurn())
                    session.submitHumanAction(PlayerActionType::fold);
                else
                    session.playBotTurn();
            }
        }
        ::close(started[1]);
        char byte = 0;
        ASSERT_EQ(::read(started[0], &byte, 1), 1) << "round " << round;
        ::close(started[0]);
        ::usleep(static_cast<useconds_t>(rng() % 25000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);

        auto file = std::make_shared<UserDefaultsStore>(path);
        const auto stats = StatsStore::persisted.load(*file);
        ASSERT_TRUE(stats) << "round " << round;
        recorded = stats->handHistory.size();
        const auto stored = SessionSnapshotStore(file).load();
        if (!stored) continue;
        for (const HandRecord& r : stats->handHistory)
            ASSERT_NE(r.id, stored->handId()) << "round " << round << ": recorded and stored";
    }
    EXPECT_GE(recorded, 25u) << "every round recorded a hand";
}

TEST(UserDefaultsStore, SettingsPersistAcrossLaunches) {
    QTemporaryDir dir;
    const QString path = dir.filePath("defaults.conf");
    {
        SettingsStore settings;
        settings.load(std::make_shared<UserDefaultsStore>(path));
        settings.tableTheme.set(TableTheme::oxblood);
        settings.save();
    }
    SettingsStore next;
    next.load(std::make_shared<UserDefaultsStore>(path));
    EXPECT_EQ(next.tableTheme.get(), TableTheme::oxblood);
}

TEST(UserDefaultsStore, TheUsersFileBelongsToPelloxPoker) {
    // Only named, never opened: the file is the user's.
    EXPECT_TRUE(UserDefaultsStore::defaultFileName().endsWith("/Pellox/Pellox Poker.conf"))
        << UserDefaultsStore::defaultFileName().toStdString();
}

}  // namespace
}  // namespace pellox::app
