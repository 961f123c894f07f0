#include "app/SettingsStore.h"

#include "text/core/Languages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <memory>

namespace breezekit {

namespace {

std::unique_ptr<QSettings> openStore(const QString& filePath) {
    if (filePath.isEmpty())
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QString::fromLatin1(SettingsStore::kOrganisation),
                                           QString::fromLatin1(SettingsStore::kApplication));
    return std::make_unique<QSettings>(filePath, QSettings::NativeFormat);
}

} // namespace

SettingsStore::SettingsStore() = default;

SettingsStore::SettingsStore(QString filePath) : filePath_(std::move(filePath)) {}

QString SettingsStore::fileName() const {
    return openStore(filePath_)->fileName();
}

bool SettingsStore::ensureExists() const {
    const QString path = fileName();
    if (QFileInfo::exists(path)) return true;
    // QSettings writes no file until a value changes; an empty file is an empty store.
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Append);
}

std::optional<int> SettingsStore::storedLanguage() const {
    const QVariant value = openStore(filePath_)->value(QString::fromLatin1(kLanguageValue));
    if (!value.isValid()) return std::nullopt;
    // A value typed in by hand reads back as text; only a whole number counts.
    bool isInteger = false;
    const qlonglong number = value.toString().toLongLong(&isInteger);
    if (!isInteger) return std::nullopt;
    if (auto language = languageFromStoredValue(number)) return *language;
    return std::nullopt;
}

bool SettingsStore::storeLanguage(int languageIndex) const {
    auto store = openStore(filePath_);
    store->setValue(QString::fromLatin1(kLanguageValue), static_cast<qint32>(languageIndex));
    store->sync();
    return store->status() == QSettings::NoError;
}

} // namespace breezekit
