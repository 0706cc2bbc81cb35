#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <mutex>

#include "rules/LastActionType.hpp"
#include "rules/PlayerAction.hpp"
#include "store/SettingsStore.hpp"
#include "theme/Feedback.hpp"

namespace pellox::app {
namespace {

// Collects the messages logged while it lives.
class MessageCapture {
  public:
    MessageCapture() { previous_ = qInstallMessageHandler(&MessageCapture::handle); }
    ~MessageCapture() { qInstallMessageHandler(previous_); }

    static std::vector<std::pair<QtMsgType, QString>> of(const char* category) {
        std::vector<std::pair<QtMsgType, QString>> out;
        for (const auto& [cat, type, text] : messages())
            if (cat == category) out.emplace_back(type, text);
        return out;
    }
    static void clear() { messages().clear(); }

  private:
    static std::vector<std::tuple<QString, QtMsgType, QString>>& messages() {
        static std::vector<std::tuple<QString, QtMsgType, QString>> all;
        return all;
    }
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        messages().emplace_back(QString::fromLatin1(context.category ? context.category : ""), type, text);
    }
    QtMessageHandler previous_;
};

void appendLe(QByteArray& out, quint32 value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A short 16-bit mono PCM clip of silence.
QByteArray wav() {
    const quint32 samples = 441;
    QByteArray out("RIFF");
    appendLe(out, 36 + samples * 2, 4);
    out += "WAVEfmt ";
    appendLe(out, 16, 4);
    appendLe(out, 1, 2);
    appendLe(out, 1, 2);
    appendLe(out, 44100, 4);
    appendLe(out, 88200, 4);
    appendLe(out, 2, 2);
    appendLe(out, 16, 2);
    out += "data";
    appendLe(out, samples * 2, 4);
    out += QByteArray(static_cast<int>(samples * 2), '\0');
    return out;
}

struct SoundFolder {
    QTemporaryDir dir;
    explicit SoundFolder(std::initializer_list<const char*> present) {
        for (const char* name : present)
            write(name, wav());
    }
    void write(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name + ".wav"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

TEST(FeedbackSfx, RawValuesAreExactAndCaseSensitive) {
    EXPECT_EQ(rawValue(Feedback::Sfx::deal), "deal");
    EXPECT_EQ(parse<Feedback::Sfx>("win"), Feedback::Sfx::win);
    EXPECT_EQ(parse<Feedback::Sfx>("Fold"), std::nullopt);
    EXPECT_EQ(parse<Feedback::Sfx>("fold.wav"), std::nullopt);
    EXPECT_EQ(parse<Feedback::Sfx>(""), std::nullopt);
}

TEST(Feedback, SoundOffPlaysAndLoadsNothing) {
    SoundFolder folder{"deal", "chip", "fold", "win"};
    SettingsStore settings;
    settings.soundEnabled.set(false);
    Feedback feedback(settings, folder.dir.path());
    feedback.actionTaken(PlayerAction{PlayerActionType::fold, std::nullopt});
    feedback.play(Feedback::Sfx::win);
    EXPECT_EQ(feedback.loadedCount(), 0);
    EXPECT_FALSE(feedback.sessionConfigured());
}

TEST(Feedback, AMissingSoundIsLoggedOnEveryRequestAndPlaysNothing) {
    SoundFolder folder{"deal", "chip", "win"};
    SettingsStore settings;
    Feedback feedback(settings, folder.dir.path());
    MessageCapture capture;
    MessageCapture::clear();
    feedback.actionTaken(LastActionType::fold);
    feedback.actionTaken(LastActionType::fold);
    const auto logged = MessageCapture::of("feedback");
    ASSERT_EQ(logged.size(), 2u);
    EXPECT_EQ(logged[0].first, QtCriticalMsg);
    EXPECT_EQ(logged[0].second, "Missing sound resource fold.wav");
    EXPECT_EQ(feedback.loadedCount(), 0);
    EXPECT_TRUE(feedback.sessionConfigured());
}

TEST(Feedback, AnUnreadableSoundIsLoggedWithItsReason) {
    SoundFolder folder{};
    folder.write("chip", "RIFF0000WAVEjunk");
    QByteArray noData = wav().left(36);
    folder.write("deal", noData);
    SettingsStore settings;
    Feedback feedback(settings, folder.dir.path());
    MessageCapture capture;
    MessageCapture::clear();
    EXPECT_EQ(feedback.player(Feedback::Sfx::chip), nullptr);
    EXPECT_EQ(feedback.player(Feedback::Sfx::deal), nullptr);
    const auto logged = MessageCapture::of("feedback");
    ASSERT_EQ(logged.size(), 2u);
    EXPECT_TRUE(logged[0].second.startsWith("Could not load chip.wav: ")) << logged[0].second.toStdString();
    EXPECT_EQ(logged[1].second, "Could not load deal.wav: no data chunk");
    EXPECT_EQ(feedback.loadedCount(), 0);
}

TEST(Feedback, LoadsEachSoundOnceAndRestartsItOnEveryPlay) {
    SoundFolder folder{"deal", "chip", "fold", "win"};
    SettingsStore settings;
    Feedback feedback(settings, folder.dir.path());
    QSoundEffect* fold = feedback.player(Feedback::Sfx::fold);
    ASSERT_NE(fold, nullptr);
    EXPECT_EQ(feedback.player(Feedback::Sfx::fold), fold);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fold->status() != QSoundEffect::Loading; }, 5000));
    ASSERT_EQ(fold->status(), QSoundEffect::Ready);
    QSignalSpy playing(fold, &QSoundEffect::playingChanged);
    feedback.actionTaken(PlayerAction{PlayerActionType::fold, std::nullopt});
    ASSERT_TRUE(fold->isPlaying());
    // A sound still playing is stopped and started again from its beginning.
    feedback.actionTaken(PlayerAction{PlayerActionType::fold, std::nullopt});
    EXPECT_TRUE(fold->isPlaying());
    EXPECT_EQ(playing.count(), 3);
    for (auto sfx : {Feedback::Sfx::deal, Feedback::Sfx::chip, Feedback::Sfx::win})
        feedback.play(sfx);
    EXPECT_EQ(feedback.loadedCount(), 4);
    EXPECT_EQ(feedback.player(Feedback::Sfx::fold), fold);
}

TEST(Feedback, TheApplicationsOwnSoundsAllLoad) {
    SettingsStore settings;
    Feedback feedback(settings);
    MessageCapture capture;
    MessageCapture::clear();
    for (auto sfx : allCases<Feedback::Sfx>())
        EXPECT_NE(feedback.player(sfx), nullptr) << rawValue(sfx);
    EXPECT_TRUE(MessageCapture::of("feedback").empty());
    QSoundEffect* win = feedback.player(Feedback::Sfx::win);
    ASSERT_TRUE(QTest::qWaitFor([&] { return win->status() != QSoundEffect::Loading; }, 5000));
    EXPECT_EQ(win->status(), QSoundEffect::Ready);
}

// Records instead of playing: what the table's tests use.
class RecordingFeedback : public Feedback {
  public:
    using Feedback::Feedback;
    void play(Sfx sound) override { played.push_back(sound); }
    std::vector<Sfx> played;
};

TEST(Feedback, OnlyAFoldIsHeard) {
    SettingsStore settings;
    RecordingFeedback feedback(settings, QStringLiteral("/nonexistent"));
    for (LastActionType type : {LastActionType::check, LastActionType::call, LastActionType::bet,
                                LastActionType::raise, LastActionType::allIn, LastActionType::postBlind})
        feedback.actionTaken(type);
    for (PlayerActionType type : {PlayerActionType::check, PlayerActionType::call, PlayerActionType::bet,
                                  PlayerActionType::raise, PlayerActionType::allIn})
        feedback.actionTaken(PlayerAction{type, 40});
    EXPECT_TRUE(feedback.played.empty());
    feedback.actionTaken(LastActionType::fold);
    feedback.actionTaken(PlayerAction{PlayerActionType::fold, 500});
    EXPECT_EQ(feedback.played, (std::vector<Feedback::Sfx>{Feedback::Sfx::fold, Feedback::Sfx::fold}));
}

}  // namespace
}  // namespace pellox::app
