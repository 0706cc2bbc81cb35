#pragma once
#include <QString>
#include <memory>

#include "store/KeyValueStore.hpp"

class QSettings;

namespace pellox::app {

// The user's defaults: the stored documents as strings in the settings file of organisation "Pellox",
// application "Pellox Poker" (~/.config/Pellox/Pellox Poker.conf, following XDG_CONFIG_HOME). Each write is
// synced to disk at once; a write that fails is logged in the category "defaults" and the values live on in
// memory. A value that is not a string (a hand-edited file) reads as absent.
class UserDefaultsStore : public KeyValueStore {
  public:
    UserDefaultsStore();
    // A settings file of its own, in the same format: for tests, never the user's.
    explicit UserDefaultsStore(const QString& filePath);
    ~UserDefaultsStore() override;

    std::optional<std::string> string(std::string_view key) const override;
    void set(std::string value, std::string_view key) override;
    void remove(std::string_view key) override;

    QString fileName() const;

  private:
    void sync();

    std::unique_ptr<QSettings> settings_;
};

}  // namespace pellox::app
