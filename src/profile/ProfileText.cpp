#include "profile/Profile.h"
#include "profile/ProfileFields.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace breezekit::profile {

namespace {
QString shown(const QJsonValue& v) {
    if (v.isString()) return v.toString();
    if (v.isBool()) return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    if (v.isDouble()) return QString::number(v.toDouble());
    if (v.isObject()) return QStringLiteral("raw %1").arg(v.toObject().value("raw").toInteger());
    if (v.isUndefined()) return QStringLiteral("(none)");
    return QString::fromUtf8(QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact));
}

template <typename Visit> void forEachField(const QJsonObject& profile, Visit visit) {
    const QJsonObject wifi = profile.value("wifi").toObject();
    const QJsonObject fan = profile.value("fan").toObject();
    for (const char* k : kWifiKeys)
        visit(QStringLiteral("wifi.%1").arg(k), wifi.value(k));
    for (const char* k : kFanKeys)
        visit(QStringLiteral("fan.%1").arg(k), fan.value(k));
}
} // namespace

std::vector<std::string> profileDifferences(const QJsonObject& from, const QJsonObject& to) {
    std::vector<QJsonValue> before;
    forEachField(from, [&](const QString&, const QJsonValue& v) { before.push_back(v); });
    std::vector<std::string> lines;
    std::size_t i = 0;
    forEachField(to, [&](const QString& field, const QJsonValue& v) {
        const QJsonValue& old = before[i++];
        if (old != v) lines.push_back((field + ": " + shown(old) + " -> " + shown(v)).toStdString());
    });
    return lines;
}

std::vector<std::string> valueDifferences(const UnitValues& from, const UnitValues& to) {
    return profileDifferences(profileOf(from, {}, {}, true), profileOf(to, {}, {}, true));
}

std::vector<std::string> profileLines(const QJsonObject& profile) {
    std::vector<std::string> lines;
    lines.push_back(("model: " + profile.value("model").toString()).toStdString());
    lines.push_back(("serial: " + profile.value("serial").toString()).toStdString());
    forEachField(profile, [&](const QString& field, const QJsonValue& v) {
        if (!v.isUndefined()) lines.push_back((field + ": " + shown(v)).toStdString());
    });
    for (const QJsonValue& problem : profile.value("problems").toArray())
        lines.push_back(("problem: " + problem.toString()).toStdString());
    return lines;
}

} // namespace breezekit::profile
