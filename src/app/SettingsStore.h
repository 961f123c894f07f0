#pragma once

#include <QString>
#include <optional>

namespace breezekit {

// The one stored preference, "Number of language", in the per-user native settings store. Each use opens
// the store afresh, so no state is cached between a read and a write.
class SettingsStore {
  public:
    // The native per-user location: organisation "ZEPHA BreezeKit", application "User Program".
    SettingsStore();
    // A settings file at a given path, in the same format (for tests).
    explicit SettingsStore(QString filePath);

    // Creates the store when it is missing, without a value in it; false when it cannot be created.
    [[nodiscard]] bool ensureExists() const;
    // The stored language index, or none when no value is stored or it is not an integer in 0..7.
    std::optional<int> storedLanguage() const;
    // Writes the language index; false when the store cannot be written.
    [[nodiscard]] bool storeLanguage(int languageIndex) const;
    // Where the store lives.
    QString fileName() const;

    static constexpr const char* kOrganisation = "ZEPHA BreezeKit";
    static constexpr const char* kApplication = "User Program";
    static constexpr const char* kLanguageValue = "Number of language";

  private:
    QString filePath_; // empty: the native location
};

} // namespace breezekit
