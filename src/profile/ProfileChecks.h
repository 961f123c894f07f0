#pragma once

#include "protocol/core/Encodings.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace breezekit::profile {

// Checks one profile's fields, collecting every problem instead of stopping at the first.
class FieldChecker {
  public:
    std::vector<std::string> errors;

    void fail(const QString& field, const QString& what);
    void checkKeys(const QJsonObject& object, const QString& prefix, std::span<const char* const> known);

    // An integer within [lo, hi]: checked as a double before it is narrowed, so 1e300 cannot wrap.
    std::optional<std::int64_t> integer(const QJsonValue& v, const QString& field, std::int64_t lo,
                                        std::int64_t hi);

    // {"raw": N} as an export writes it: isRaw when v is an object, valid when N is usable.
    struct Raw {
        bool isRaw = false;
        bool valid = false;
        std::uint32_t value = 0;
    };
    Raw raw(const QJsonValue& v, const QString& field, std::uint32_t max);
    bool readRaw(const QString& field) const;

  private:
    std::vector<QString> rawFields_;
};

inline QString latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Characters the one-byte framing carries and a network name or password may hold.
std::optional<QString> sendableProblem(const QString& text);

} // namespace breezekit::profile
