// The application at its edges: a settings file it cannot read, one it cannot write, sounds that are not
// there. The user always gets a working application and nothing stored is lost.
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <mutex>

#include "JourneySupport.hpp"
#include "session/SessionTestSupport.hpp"
#include "shell/HomeScreen.hpp"
#include "shell/OnboardingSheet.hpp"
#include "store/SettingsStore.hpp"
#include "store/StatsStore.hpp"
#include "theme/AppContext.hpp"
#include "theme/Feedback.hpp"

namespace pellox::app {
namespace {

using journey::button;
using journey::click;
using journey::Journey;
using journey::settle;
using journey::visible;

const std::string settingsKey = "pellox-poker-settings";
const std::string statsKey = "pellox-poker-stats";
const std::string snapshotKey = "pellox-poker-session-snapshot";

// Collects the warnings logged while it lives.
class LogCapture {
  public:
    LogCapture() {
        lines().clear();
        previous_ = qInstallMessageHandler(&LogCapture::handle);
    }
    ~LogCapture() { qInstallMessageHandler(previous_); }
    static QStringList& lines() {
        static QStringList all;
        return all;
    }
    bool contains(const QString& text) const {
        return std::any_of(lines().begin(), lines().end(),
                           [&](const QString& l) { return l.contains(text); });
    }

  private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (type >= QtWarningMsg) lines() << QString::fromLatin1(context.category) + ": " + message;
    }
    QtMessageHandler previous_ = nullptr;
};

std::optional<std::string> stored(const QString& path, const std::string& key) {
    return UserDefaultsStore(path).string(key);
}

// Plays one whole hand of a cash game started from the home screen, the human checking or calling.
void playOneHand(Journey& j) {
    click(visible<HomeScreen>(j.page())->modeCard(GameMode::cash));
    ASSERT_NE(j.table(), nullptr);
    j.table()->pacingTask().setJitter([] { return 0.0; });
    ASSERT_TRUE(
        j.drive([&] { return j.handOver(); },
                [&] {
                    const auto legal = *j.session().humanLegalActions();
                    j.table()->submit(
                        {legal.canCheck ? PlayerActionType::check : PlayerActionType::call, std::nullopt});
                }));
}

TEST(BadInput, EveryDocumentUnreadableStartsAtDefaultsAndKeepsThemAside) {
    Journey j;
    const std::vector<std::pair<std::string, std::string>> cases{
        {"{\"version\":1,\"state\":", "not JSON at all"},
        {"[1,2,3]", "JSON of the wrong type"},
        {"{\"version\":1,\"state\":{\"guideMode\":42,\"tableTheme\":[]}}", "fields of the wrong type"},
        {"{\"version\":99,\"state\":{}}", "another version"},
    };
    for (const auto& [text, what] : cases) {
        SCOPED_TRACE(what);
        QFile::remove(j.path);
        {
            UserDefaultsStore file(j.path);
            file.set(text, settingsKey);
            file.set(text, statsKey);
            file.set(text, snapshotKey);
        }
        PelloxPokerApp& app = j.launch();
        EXPECT_EQ(app.settings().makeSnapshot(), SettingsStore::Snapshot{});
        EXPECT_TRUE(app.stats().handHistory().empty());
        EXPECT_EQ(app.stats().stats().handsPlayed, 0);
        EXPECT_EQ(j.root().resumeAlert(), nullptr) << "nothing to resume";
        EXPECT_EQ(stored(j.path, snapshotKey + ".unreadable"), text) << "the unreadable hand is kept aside";
        EXPECT_FALSE(stored(j.path, snapshotKey));

        // The first saves keep the unreadable documents before writing over them.
        OnboardingSheet* sheet = j.root().onboardingSheet();
        ASSERT_NE(sheet, nullptr);
        click(button(sheet, QStringLiteral("Skip")));
        EXPECT_EQ(stored(j.path, settingsKey + ".unreadable"), text);
        EXPECT_TRUE(SettingsStore::persisted.load(UserDefaultsStore(j.path)));
        playOneHand(j);
        EXPECT_EQ(stored(j.path, statsKey + ".unreadable"), text);
        EXPECT_EQ(app.stats().handHistory().size(), 1u);
    }
}

TEST(BadInput, AValueThatIsNotTextReadsAsAbsent) {
    Journey j;
    {
        QSettings raw(j.path, QSettings::IniFormat);
        raw.setValue(QString::fromStdString(settingsKey), QStringList{"a", "b"});
        raw.setValue(QString::fromStdString(statsKey), 17);
    }
    PelloxPokerApp& app = j.launch();
    EXPECT_EQ(app.settings().makeSnapshot(), SettingsStore::Snapshot{});
    EXPECT_TRUE(app.stats().handHistory().empty());
    EXPECT_NE(j.root().onboardingSheet(), nullptr);
}

// A folder the settings file cannot be written in. Root writes through any permission, so there the file's
// folder is made a plain file instead, which nobody can write into.
QString unwritableSettingsPath(const QTemporaryDir& dir) {
    if (geteuid() != 0) {
        const QString folder = dir.filePath("locked");
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        return QDir(folder).filePath("Pellox Poker.conf");
    }
    QFile blocker(dir.filePath("not-a-folder"));
    blocker.open(QIODevice::WriteOnly);
    return dir.filePath("not-a-folder/Pellox Poker.conf");
}

TEST(BadInput, ASettingsFileThatCannotBeWrittenLetsTheUserPlayOnAndIsLogged) {
    Journey j;
    j.path = unwritableSettingsPath(j.dir);
    LogCapture log;
    PelloxPokerApp& app = j.launch();
    click(button(j.root().onboardingSheet(), QStringLiteral("Skip")));
    EXPECT_TRUE(app.settings().hasOnboarded.get()) << "the choice holds for this run";
    EXPECT_EQ(j.root().onboardingSheet(), nullptr);
    EXPECT_TRUE(log.contains(QStringLiteral("defaults: Could not write the settings file")))
        << log.lines().join('\n').toStdString();
    settle();
    QMessageBox* told = app.saveFailureAlert();
    ASSERT_NE(told, nullptr) << "the player is told, not only the log";
    EXPECT_TRUE(told->informativeText().contains(j.path));
    click(button(told, QStringLiteral("OK")));
    settle();

    playOneHand(j);
    EXPECT_EQ(app.saveFailureAlert(), nullptr) << "told once";
    EXPECT_EQ(app.stats().handHistory().size(), 1u);
    EXPECT_EQ(app.stats().stats().handsPlayed, 1);
    EXPECT_EQ(j.quit(), 0) << "quitting mid-game stores nothing and still ends cleanly";
    EXPECT_FALSE(QFile::exists(j.path));
    QFile::setPermissions(QFileInfo(j.path).path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(BadInput, MissingSoundsPlayNothingWhileTheTablePlaysOn) {
    QTemporaryDir empty;
    pellox::testing::SessionRig rig(false, GuideMode::off);
    rig.settings.gameSpeed.set(GameSpeed::fast);
    rig.settings.soundEnabled.set(true);
    Feedback feedback(rig.settings, empty.path());
    AppContext context(&rig.settings, &feedback);
    rig.session.startCashGame(3, 11);
    LogCapture log;
    TableScreen screen(context, rig.session, rig.settings, false, false, [] {});
    screen.pacingTask().setJitter([] { return 0.0; });
    screen.resize(1280, 820);
    screen.show();
    settle();
    for (int i = 0; i < 2000 && rig.session.table()->handNumber < 3; ++i) {
        for (int k = 0; k < 3; ++k) {
            QCoreApplication::processEvents();
            screen.pacingTask().flush();
        }
        if (screen.pacingTask().preActionTimer().runPendingNow() ||
            screen.pacingTask().pacingTimer().runPendingNow())
            continue;
        if (!rig.session.table()->isHandInProgress) {
            screen.advanceOrRevealAll();  // the hand's report waits for the user
            continue;
        }
        ASSERT_TRUE(rig.session.isHumanTurn()) << screen.pacing().pacingKey();
        const auto legal = *rig.session.humanLegalActions();
        screen.submit({legal.canCheck ? PlayerActionType::check : PlayerActionType::fold, std::nullopt});
    }
    EXPECT_EQ(rig.session.table()->handNumber, 3) << "two whole hands were played without sounds";
    EXPECT_EQ(feedback.loadedCount(), 0);
    EXPECT_TRUE(log.contains(QStringLiteral("feedback: Missing sound resource deal.wav")));
    EXPECT_TRUE(log.contains(QStringLiteral("feedback: Missing sound resource fold.wav")));
}

}  // namespace
}  // namespace pellox::app
