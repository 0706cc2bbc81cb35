#include "shell/UserDefaultsStore.hpp"

#include <QSettings>

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
    settings_->sync();
}

void UserDefaultsStore::remove(std::string_view key) {
    settings_->remove(keyOf(key));
    settings_->sync();
}

QString UserDefaultsStore::fileName() const {
    return settings_->fileName();
}

}  // namespace pellox::app
