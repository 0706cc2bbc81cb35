#include "shell/UserDefaultsStore.hpp"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <utility>

#include "shell/DurableFile.hpp"

Q_LOGGING_CATEGORY(lcDefaults, "defaults")

namespace pellox::app {
namespace {

// Any value QSettings reads, as text: a document damaged so that it no longer reads as one string still
// reaches its owner, which finds it unreadable and keeps it aside.
std::string textOf(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::QString:
            return value.toString().toStdString();
        case QMetaType::QStringList:
            return value.toStringList().join(QStringLiteral(", ")).toStdString();
        case QMetaType::QByteArray:
            return value.toByteArray().toStdString();
        default:
            return value.toString().toStdString();
    }
}

}  // namespace

UserDefaultsStore::UserDefaultsStore() : UserDefaultsStore(defaultFileName()) {}

UserDefaultsStore::UserDefaultsStore(const QString& filePath) : path_(filePath) {
    durableFile::survivesFileSizeLimit();
    read();
}

UserDefaultsStore::~UserDefaultsStore() = default;

QString UserDefaultsStore::defaultFileName() {
    // Not asked of QSettings: it would read the file at once, and a pipe in its place would never answer.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Pellox/Pellox Poker.conf");
}

void UserDefaultsStore::read() {
    const QFileInfo info(path_);
    if (!info.exists() && !info.isSymLink()) return;
    if (!info.isFile()) {
        unusable_ = true;
        qCWarning(lcDefaults, "The settings file %s is not a regular file; nothing is read from it or saved",
                  qPrintable(path_));
        return;
    }
    const QSettings file(path_, QSettings::IniFormat);
    if (file.status() == QSettings::AccessError) {
        // Writing over a file that could not be read would destroy what it holds.
        unusable_ = true;
        qCWarning(lcDefaults, "The settings file %s cannot be read; nothing is saved to it",
                  qPrintable(path_));
        return;
    }
    for (const QString& key : file.allKeys())
        values_.insert_or_assign(key.toStdString(), textOf(file.value(key)));
    if (file.status() == QSettings::FormatError) {
        damaged_ = true;
        qCWarning(lcDefaults,
                  "The settings file %s does not read as a whole; %zu values were read from it, and the file "
                  "is copied aside before it is next written",
                  qPrintable(path_), values_.size());
    }
}

std::optional<std::string> UserDefaultsStore::string(std::string_view key) const {
    const auto it = values_.find(key);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

void UserDefaultsStore::set(std::string value, std::string_view key) {
    values_.insert_or_assign(std::string(key), std::move(value));
    changed();
}

void UserDefaultsStore::remove(std::string_view key) {
    const auto it = values_.find(key);
    if (it == values_.end()) return;
    values_.erase(it);
    changed();
}

void UserDefaultsStore::beginBatch() {
    ++batchDepth_;
}

void UserDefaultsStore::endBatch() {
    if (--batchDepth_ > 0 || !std::exchange(changedInBatch_, false)) return;
    write();
}

void UserDefaultsStore::changed() {
    if (batchDepth_ > 0)
        changedInBatch_ = true;
    else
        write();
}

void UserDefaultsStore::setWriteFailureHandler(std::function<void(const QString&)> handler) {
    onWriteFailure_ = std::move(handler);
    if (writeFailed_ && onWriteFailure_) onWriteFailure_(path_);
}

void UserDefaultsStore::write() {
    if (unusable_) return fail(QStringLiteral("it is not a regular file that can be read"));
    if (damaged_ && !keepDamagedCopy())
        return fail(QStringLiteral("the damaged file could not be copied aside"));
    const QString error = durableFile::replace(path_, settingsFile::text(values_));
    if (!error.isEmpty()) fail(error);
}

bool UserDefaultsStore::keepDamagedCopy() {
    QFile original(path_);
    if (!original.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = original.readAll();
    QString copy = path_ + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(copy); ++n)
        copy = path_ + QStringLiteral(".damaged-%1").arg(n);
    const QString error = durableFile::replace(copy, bytes);
    if (!error.isEmpty()) return false;
    damaged_ = false;
    qCWarning(lcDefaults, "The settings file %s did not read as a whole; it is kept as %s", qPrintable(path_),
              qPrintable(copy));
    return true;
}

void UserDefaultsStore::fail(const QString& why) {
    qCWarning(lcDefaults, "Could not write the settings file %s: %s", qPrintable(path_), qPrintable(why));
    if (writeFailed_) return;
    writeFailed_ = true;
    if (onWriteFailure_) onWriteFailure_(path_);
}

}  // namespace pellox::app
