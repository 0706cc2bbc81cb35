#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>
#include <memory>

#include "shell/UserDefaultsStore.hpp"
#include "store/SettingsStore.hpp"

namespace pellox::app {
namespace {

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
    reopened.remove("pellox-poker-settings");
    reopened.remove("never-there");
    EXPECT_EQ(UserDefaultsStore(path).string("pellox-poker-settings"), std::nullopt);
    EXPECT_EQ(UserDefaultsStore(path).string("empty"), "");
}

TEST(UserDefaultsStore, AValueThatIsNoStringReadsAsAbsent) {
    QTemporaryDir dir;
    const QString path = dir.filePath("defaults.conf");
    {
        QSettings file(path, QSettings::IniFormat);
        file.setValue("pellox-poker-stats", QStringList{"a", "b"});
        file.setValue("count", 3);
    }
    UserDefaultsStore store(path);
    EXPECT_EQ(store.string("pellox-poker-stats"), std::nullopt);
    EXPECT_EQ(store.string("count"), std::nullopt);
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
    // Only opened, never written: the file is the user's.
    const UserDefaultsStore store;
    EXPECT_TRUE(store.fileName().endsWith("/Pellox/Pellox Poker.conf")) << store.fileName().toStdString();
}

}  // namespace
}  // namespace pellox::app
