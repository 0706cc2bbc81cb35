#include <gtest/gtest.h>

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

#include "shell/DurableFile.hpp"

// This test program's own fsync and rename: they forward to the system's, and while a test watches they
// note each call and may refuse one, so the order of a replacement's steps and its handling of their
// failures can be seen.
namespace {

struct Watch {
    std::mutex mutex;
    std::atomic<bool> active{false};
    std::vector<std::string> calls;  // "fsync file", "fsync folder", "rename"
    int folderSyncError = 0;         // errno for an fsync of a folder, 0 to let it run
    int renameError = 0;             // errno for a rename, 0 to let it run
};

Watch& watch() {
    static Watch w;
    return w;
}

template <typename Function>
Function real(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" int fsync(int fd) {
    static const auto system = real<int (*)(int)>("fsync");
    Watch& w = watch();
    if (!w.active) return system(fd);
    struct stat info {};
    const bool folder = ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode);
    std::lock_guard lock(w.mutex);
    w.calls.push_back(folder ? "fsync folder" : "fsync file");
    if (folder && w.folderSyncError != 0) {
        errno = w.folderSyncError;
        return -1;
    }
    return system(fd);
}

extern "C" int rename(const char* from, const char* to) noexcept {
    static const auto system = real<int (*)(const char*, const char*)>("rename");
    Watch& w = watch();
    if (!w.active) return system(from, to);
    std::lock_guard lock(w.mutex);
    w.calls.push_back("rename");
    if (w.renameError != 0) {
        errno = w.renameError;
        return -1;
    }
    return system(from, to);
}

namespace pellox::app {
namespace {

// Watches fsync and rename for the test's lifetime.
struct Watching {
    Watching(int folderSyncError = 0, int renameError = 0) {
        Watch& w = watch();
        std::lock_guard lock(w.mutex);
        w.calls.clear();
        w.folderSyncError = folderSyncError;
        w.renameError = renameError;
        w.active = true;
    }
    ~Watching() { watch().active = false; }
    std::vector<std::string> calls() const {
        std::lock_guard lock(watch().mutex);
        return watch().calls;
    }
};

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Over an existing file, as every save but the first.
TEST(DurableFile, TheFileIsOnDiskBeforeItsRenameAndTheFolderAfter) {
    QTemporaryDir dir;
    const QString path = dir.filePath("defaults.conf");
    ASSERT_EQ(durableFile::replace(path, "old"), QString());
    QString error;
    std::vector<std::string> calls;
    {
        Watching watching;
        error = durableFile::replace(path, "new");
        calls = watching.calls();
    }
    EXPECT_EQ(error, QString());
    EXPECT_EQ(bytesOf(path), "new");
    EXPECT_EQ(calls, (std::vector<std::string>{"fsync file", "rename", "fsync folder"}));
}

TEST(DurableFile, AFailedRenameIsAFailureAndLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("defaults.conf");
    ASSERT_EQ(durableFile::replace(path, "old"), QString());
    QString error;
    {
        Watching watching(0, EIO);
        error = durableFile::replace(path, "new");
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(bytesOf(path), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"defaults.conf"}) << "no leftovers";
}

// Some filesystems cannot sync a folder (EINVAL): the file itself is on disk, so the write stands. Any
// other refusal is a failure.
TEST(DurableFile, AFolderThatCannotBeSyncedIsNoFailureAFolderSyncThatFailsIs) {
    QTemporaryDir dir;
    const QString path = dir.filePath("defaults.conf");
    {
        Watching watching(EINVAL);
        EXPECT_EQ(durableFile::replace(path, "synced file"), QString());
    }
    EXPECT_EQ(bytesOf(path), "synced file");
    {
        Watching watching(EIO);
        EXPECT_FALSE(durableFile::replace(path, "unsure").isEmpty());
    }
}

}  // namespace
}  // namespace pellox::app
