#include "profile/ProfileChecks.h"

#include "protocol/core/Commands.h"

#include <algorithm>
#include <cmath>

namespace breezekit::profile {

void FieldChecker::fail(const QString& field, const QString& what) {
    errors.push_back((field + ": " + what).toStdString());
}

void FieldChecker::checkKeys(const QJsonObject& object, const QString& prefix,
                             std::span<const char* const> known) {
    for (const QString& key : object.keys()) {
        bool found = false;
        for (const char* k : known)
            found = found || key == QLatin1String(k);
        if (!found) fail(prefix + key, QStringLiteral("unknown key"));
    }
}

std::optional<std::int64_t> FieldChecker::integer(const QJsonValue& v, const QString& field, std::int64_t lo,
                                                  std::int64_t hi) {
    if (!v.isDouble()) {
        fail(field, QStringLiteral("must be a whole number"));
        return std::nullopt;
    }
    const double d = v.toDouble();
    if (std::floor(d) != d) {
        fail(field, QStringLiteral("must be a whole number, not %1").arg(d));
        return std::nullopt;
    }
    if (d < static_cast<double>(lo) || d > static_cast<double>(hi)) {
        fail(field, QStringLiteral("%1 is outside %2-%3").arg(d).arg(lo).arg(hi));
        return std::nullopt;
    }
    return static_cast<std::int64_t>(d);
}

FieldChecker::Raw FieldChecker::raw(const QJsonValue& v, const QString& field, std::uint32_t max) {
    if (!v.isObject()) return {};
    const QJsonObject o = v.toObject();
    if (o.size() != 1 || !o.contains(QStringLiteral("raw"))) {
        fail(field, QStringLiteral("an object here must be {\"raw\": N}"));
        return {true, false, 0};
    }
    const std::optional<std::int64_t> n = integer(o.value(QStringLiteral("raw")), field + ".raw", 0, max);
    if (!n) return {true, false, 0};
    rawFields_.push_back(field);
    return {true, true, static_cast<std::uint32_t>(*n)};
}

bool FieldChecker::readRaw(const QString& field) const {
    return std::find(rawFields_.begin(), rawFields_.end(), field) != rawFields_.end();
}

std::optional<QString> sendableProblem(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() > kHighestPayloadChar)
            return QStringLiteral("character U+%1 cannot be sent (at most U+00FF)")
                .arg(QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0')));
        if (c.unicode() < 0x20)
            return QStringLiteral("control character U+%1 cannot be sent")
                .arg(QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0')));
    }
    return std::nullopt;
}

} // namespace breezekit::profile
