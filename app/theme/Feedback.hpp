#pragma once
#include <QLoggingCategory>
#include <QObject>
#include <QString>
#include <map>

#include "rules/RawEnum.hpp"

class QSoundEffect;

namespace pellox {
class SettingsStore;
enum class LastActionType;
struct PlayerAction;
}  // namespace pellox

Q_DECLARE_LOGGING_CATEGORY(lcFeedback)

namespace pellox::app {

// The application's sound player: four short sounds loaded from the resources the first time each is
// needed, kept ready, and played from the start whenever asked while the sound setting is on. A missing or
// unreadable sound is logged in the category "feedback" and plays nothing; the next request tries again.
// Without an audio device everything still works, silently.
class Feedback : public QObject {
    Q_OBJECT
  public:
    enum class Sfx { deal, chip, fold, win };

    // `resourceRoot` is the folder holding "<raw value>.wav": the resource folder ":/sounds" or, in tests,
    // any directory.
    explicit Feedback(SettingsStore& settings, QString resourceRoot = QStringLiteral(":/sounds"),
                      QObject* parent = nullptr);
    ~Feedback() override;

    // The ready player of the sound, loading it on first use; none when its file is missing or unreadable.
    QSoundEffect* player(Sfx sound);
    // Plays the sound from its start when sound is on (a sound still playing starts over).
    virtual void play(Sfx sound);
    // Reaction to an action seen on the table: only a fold is heard.
    void actionTaken(LastActionType type);
    // Reaction to an action the human submits: only a fold is heard; the amount plays no part.
    void actionTaken(const PlayerAction& action);

    bool sessionConfigured() const noexcept { return sessionConfigured_; }
    int loadedCount() const noexcept { return static_cast<int>(players_.size()); }
    const QString& resourceRoot() const noexcept { return resourceRoot_; }

  private:
    QSoundEffect* load(Sfx sound);
    void forget(Sfx sound, QSoundEffect* effect);

    SettingsStore& settings_;
    QString resourceRoot_;
    std::map<Sfx, QSoundEffect*> players_;
    bool sessionConfigured_ = false;
};

}  // namespace pellox::app

template <>
struct pellox::EnumCases<pellox::app::Feedback::Sfx> {
    using Sfx = pellox::app::Feedback::Sfx;
    static constexpr std::array cases{
        std::pair{Sfx::deal, std::string_view{"deal"}}, std::pair{Sfx::chip, std::string_view{"chip"}},
        std::pair{Sfx::fold, std::string_view{"fold"}}, std::pair{Sfx::win, std::string_view{"win"}}};
};
