#include "shell/UserDefaultsStore.hpp"

#include <QLoggingCategory>
#include <QSettings>

Q_LOGGING_CATEGORY(lcDefaults, "defaults")

namespace pellox::app {
namespace {

QString keyOf(std::string_view key) {
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

}  // namespace

UserDefaultsStore::UserDefaultsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("Pellox"), QStringLiteral("Pellox Poker"))) {}

UserDefaultsStore::UserDefaultsStore(const QString& filePath)
    : settings_(std::make_unique<QSettings>(filePath, QSettings::IniFormat)) {}

UserDefaultsStore::~UserDefaultsStore() = default;

std::optional<std::string> UserDefaultsStore::string(std::string_view key) const {
    const QVariant value = settings_->value(keyOf(key));
    if (!value.isValid() || value.typeId() != QMetaType::QString) return std::nullopt;
    return value.toString().toStdString();
}

void UserDefaultsStore::set(std::string value, std::string_view key) {
    settings_->setValue(keyOf(key), QString::fromStdString(value));
    sync();
}

void UserDefaultsStore::remove(std::string_view key) {
    settings_->remove(keyOf(key));
    sync();
}

// A file that cannot be written (a read-only folder, a full disk) keeps the values in memory for this run;
// the user plays on and the failure is logged once per write.
void UserDefaultsStore::sync() {
    settings_->sync();
    if (settings_->status() != QSettings::NoError)
        qCWarning(lcDefaults, "Could not write the settings file %s", qPrintable(settings_->fileName()));
}

QString UserDefaultsStore::fileName() const {
    return settings_->fileName();
}

}  // namespace pellox::app
