#pragma once
#include <QString>
#include <functional>

#include "shell/SettingsFileText.hpp"
#include "store/KeyValueStore.hpp"

namespace pellox::app {

// The user's defaults: the stored documents as strings in the settings file of organisation "Pellox",
// application "Pellox Poker" (~/.config/Pellox/Pellox Poker.conf, following XDG_CONFIG_HOME), in the INI
// form QSettings reads. The file is read once; every write and removal replaces it whole and is on disk
// before the call returns (or, inside a batch, all at once when it ends), and a write that fails part-way (a
// full disk, a file-size limit) leaves the previous file in place. A file that cannot be written (read-only
// folder, a folder or a pipe in its place) keeps the values in memory for this run: each failure is logged in
// the category "defaults" and the first is reported to the failure handler. A file that does not parse as a
// whole is copied aside before the first write replaces it. A value QSettings reads as a list or bytes is a
// damaged document: it reads as its text, so its owner keeps it aside rather than dropping it.
class UserDefaultsStore : public KeyValueStore {
  public:
    UserDefaultsStore();
    // A settings file of its own, in the same format: for tests, never the user's.
    explicit UserDefaultsStore(const QString& filePath);
    ~UserDefaultsStore() override;

    std::optional<std::string> string(std::string_view key) const override;
    void set(std::string value, std::string_view key) override;
    void remove(std::string_view key) override;

    // The user's settings file, where the default constructor reads and writes.
    static QString defaultFileName();

    // Called once, at the first write that could not be saved, with the file's path.
    void setWriteFailureHandler(std::function<void(const QString&)> handler);
    bool hasWriteFailed() const noexcept { return writeFailed_; }

  protected:
    void beginBatch() override;
    void endBatch() override;

  private:
    void read();
    // Writes the file, or, inside a batch, leaves that to the batch's end.
    void changed();
    void write();
    bool keepDamagedCopy();
    void fail(const QString& why);

    QString path_;
    settingsFile::Values values_;
    // Set when the path is not a regular file: nothing is read from it or written to it.
    bool unusable_ = false;
    // Set while a file that did not parse waits to be copied aside by the first write.
    bool damaged_ = false;
    bool writeFailed_ = false;
    // Open batches, and whether a change made in them is still to be written.
    int batchDepth_ = 0;
    bool changedInBatch_ = false;
    std::function<void(const QString&)> onWriteFailure_;
};

}  // namespace pellox::app
