#pragma once

#include "protocol/core/UnitValues.h"

#include <QByteArray>
#include <QJsonObject>
#include <string>
#include <vector>

namespace breezekit::profile {

inline constexpr const char* kProfileFormat = "breezekit-profile";
inline constexpr int kProfileVersion = 1;

// The profile of a unit's values. A value outside the profile's forms is written as {"raw": N} and
// named in a top-level "problems" array. The password is left out unless withPassword.
QJsonObject profileOf(const UnitValues& values, const std::string& model, const std::string& serial,
                      bool withPassword);

// A profile read back into the values it sends, or every problem found, each naming its field.
struct ParsedProfile {
    UnitValues values;
    bool hasPassword = false;
    std::string model;
    std::string serial;
    std::vector<std::string> errors;
};
// QJsonDocument keeps the last of duplicate keys; a profile relying on that is not refused.
ParsedProfile parseProfile(const QByteArray& json);
ParsedProfile parseProfile(const QJsonObject& profile);

// "wifi.ssid: \"A\" -> \"B\"" for every field whose value differs, wifi and fan fields only.
std::vector<std::string> profileDifferences(const QJsonObject& from, const QJsonObject& to);

// The same between two sets of values, as their profiles show them.
std::vector<std::string> valueDifferences(const UnitValues& from, const UnitValues& to);

// The profile's fields as "wifi.ssid: Home" lines, in the profile's order.
std::vector<std::string> profileLines(const QJsonObject& profile);

} // namespace breezekit::profile
