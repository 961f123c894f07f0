#include "ctl/Profile.h"

#include "protocol/core/Commands.h"
#include "protocol/core/Conversions.h"
#include "protocol/core/Encodings.h"
#include "protocol/core/WifiApply.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QStringList>
#include <array>
#include <cmath>
#include <functional>
#include <optional>
#include <span>

namespace breezekit::ctl {

namespace {

constexpr std::array<const char*, 11> kWifiKeys{"role",     "router",   "ssid",        "password",
                                                "security", "channel",  "slaveNumber", "slaveDhcp",
                                                "slaveIp",  "masterIp", "gateway"};
constexpr std::array<const char*, 11> kFanKeys{"offAllowed",        "direction",       "humidityScenario",
                                               "humiditySensor",    "relaySensor",     "analogSensor",
                                               "humidityThreshold", "analogThreshold", "nightTimer",
                                               "partyTimer",        "turnOffDelay"};
constexpr std::array<const char*, 4> kSecurityNames{"OPEN", "WPA_PSK", "WPA2_PSK", "WPA_WPA2_PSK"};
constexpr std::size_t kMaxNameLength = 32;
constexpr std::size_t kMaxPasswordLength = 60;
constexpr std::uint32_t kSecondsPerDay = 86400;
constexpr int kHumidityMin = 40, kHumidityMax = 80, kAnalogMin = 5, kAnalogMax = 100;

QString textOf(const std::u16string& latin1) {
    return QString::fromStdU16String(latin1);
}

QString dotted(const std::u16string& payload) {
    return QString::fromStdString(dottedIpv4(payload));
}

class Exporter {
  public:
    QJsonArray problems;

    QJsonValue raw(const char* field, std::uint32_t value) {
        problems.append(
            QStringLiteral("%1: the unit reports %2, outside the profile's values").arg(field).arg(value));
        return QJsonObject{{"raw", static_cast<qint64>(value)}};
    }
    QJsonValue flag(const char* field, std::uint8_t value) {
        if (const std::optional<bool> on = oneOrZero(value)) return *on;
        return raw(field, value);
    }
    QJsonValue named(const char* field, std::uint8_t value, const char* ifOne, const char* ifZero) {
        if (const std::optional<bool> one = oneOrZero(value))
            return QString::fromLatin1(*one ? ifOne : ifZero);
        return raw(field, value);
    }
    QJsonValue threshold(const char* field, std::uint8_t value, int minimum, int maximum) {
        if (value % kThresholdStep == 0 && value >= minimum && value <= maximum) return value;
        return raw(field, value);
    }
    QJsonValue timer(const char* field, std::uint32_t seconds) {
        // a time field holds whole minutes of one day; anything else would change on the way back
        if (seconds < kSecondsPerDay && seconds % 60 == 0)
            return QString::fromStdString(timeText(timeOfSeconds(seconds)));
        return raw(field, seconds);
    }
};

// Reads one profile, collecting every problem instead of stopping at the first.
class Reader {
  public:
    std::vector<std::string> errors;

    void fail(const QString& field, const QString& what) {
        errors.push_back((field + ": " + what).toStdString());
    }

    void checkKeys(const QJsonObject& object, const QString& prefix, std::span<const char* const> known) {
        for (const QString& key : object.keys()) {
            bool found = false;
            for (const char* k : known)
                found = found || key == QLatin1String(k);
            if (!found) fail(prefix + key, QStringLiteral("unknown key"));
        }
    }

    // An integer within [lo, hi]: checked as a double before it is narrowed, so 1e300 cannot wrap.
    std::optional<std::int64_t> integer(const QJsonValue& v, const QString& field, std::int64_t lo,
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

    // {"raw": N} as an export writes it: isRaw when v is an object, valid when N is usable.
    struct Raw {
        bool isRaw = false;
        bool valid = false;
        std::uint32_t value = 0;
    };
    Raw raw(const QJsonValue& v, const QString& field, std::uint32_t max) {
        if (!v.isObject()) return {};
        const QJsonObject o = v.toObject();
        if (o.size() != 1 || !o.contains(QStringLiteral("raw"))) {
            fail(field, QStringLiteral("an object here must be {\"raw\": N}"));
            return {true, false, 0};
        }
        const std::optional<std::int64_t> n = integer(o.value(QStringLiteral("raw")), field + ".raw", 0, max);
        if (!n) return {true, false, 0};
        rawFields.push_back(field);
        return {true, true, static_cast<std::uint32_t>(*n)};
    }

    std::vector<QString> rawFields;
};

bool isRaw(const Reader& r, const QString& field) {
    return std::find(r.rawFields.begin(), r.rawFields.end(), field) != r.rawFields.end();
}

std::optional<Ipv4> parseDotted(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4) return std::nullopt;
    Ipv4 address{};
    for (int i = 0; i < 4; ++i) {
        const QString& p = parts[i];
        if (p.isEmpty() || p.size() > 3) return std::nullopt;
        for (QChar c : p)
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
        const int n = p.toInt();
        if (n > 255) return std::nullopt;
        address[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(n);
    }
    return address;
}

// Characters the one-byte framing carries and a network name or password may hold.
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

} // namespace

QJsonObject profileOf(const UnitValues& values, const std::string& model, const std::string& serial,
                      bool withPassword) {
    const DeviceSettings& s = values.settings;
    Exporter e;
    QJsonObject wifi;
    const std::optional<bool> master = oneOrZero(s.DeviceMode);
    wifi["role"] = master ? QJsonValue(*master ? "master" : "slave") : e.raw("wifi.role", s.DeviceMode);
    if (master && !*master) {
        wifi["router"] = !isMasterAccessPointName(s.Ssid);
    } else if (const std::optional<bool> router = withRouterOfConnectionType(s.ConnectionType)) {
        wifi["router"] = *router;
    } else {
        wifi["router"] = e.raw("wifi.router", s.ConnectionType);
    }
    wifi["ssid"] = textOf(s.Ssid);
    if (withPassword) wifi["password"] = textOf(s.Password);
    if (const std::optional<int> item = securityItemOfDigit(s.SecurityCode))
        wifi["security"] = kSecurityNames[static_cast<std::size_t>(*item)];
    else
        wifi["security"] = e.raw("wifi.security", s.SecurityCode);
    wifi["channel"] =
        channelItemOfNumber(s.WifiChannel) ? QJsonValue(s.WifiChannel) : e.raw("wifi.channel", s.WifiChannel);
    if (const std::optional<int> item = slaveItemOfNumber(s.SlaveNumber))
        wifi["slaveNumber"] = *item + 1;
    else
        wifi["slaveNumber"] = e.raw("wifi.slaveNumber", s.SlaveNumber);
    wifi["slaveDhcp"] = e.flag("wifi.slaveDhcp", s.SlaveDhcp);
    wifi["slaveIp"] = dotted(s.SlaveIp);
    wifi["masterIp"] = dotted(s.MasterIp);
    wifi["gateway"] = dotted(s.Gateway);

    QJsonObject fan;
    fan["offAllowed"] = e.flag("fan.offAllowed", s.OffAllowed);
    fan["direction"] = e.named("fan.direction", s.Direction, "exhaust", "supply");
    fan["humidityScenario"] =
        e.named("fan.humidityScenario", s.HumidityScenario, "boost-and-exhaust", "boost-current");
    fan["humiditySensor"] = e.flag("fan.humiditySensor", s.HumiditySensorOn);
    fan["relaySensor"] = e.flag("fan.relaySensor", s.RelaySensorOn);
    fan["analogSensor"] = e.flag("fan.analogSensor", s.AnalogSensorOn);
    fan["humidityThreshold"] =
        e.threshold("fan.humidityThreshold", s.HumidityThreshold, kHumidityMin, kHumidityMax);
    fan["analogThreshold"] = e.threshold("fan.analogThreshold", s.AnalogThreshold, kAnalogMin, kAnalogMax);
    fan["nightTimer"] = e.timer("fan.nightTimer", values.nightTimerSeconds);
    fan["partyTimer"] = e.timer("fan.partyTimer", values.partyTimerSeconds);
    fan["turnOffDelay"] = e.timer("fan.turnOffDelay", values.turnOffDelaySeconds);

    QJsonObject profile{{"format", kProfileFormat},
                        {"version", kProfileVersion},
                        {"model", QString::fromStdString(model)},
                        {"serial", QString::fromStdString(serial)},
                        {"wifi", wifi},
                        {"fan", fan}};
    if (!e.problems.isEmpty()) profile["problems"] = e.problems;
    return profile;
}

ParsedProfile parseProfile(const QByteArray& json) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        ParsedProfile parsed;
        parsed.errors.push_back(QStringLiteral("profile: not JSON (%1 at offset %2)")
                                    .arg(error.errorString())
                                    .arg(error.offset)
                                    .toStdString());
        return parsed;
    }
    if (!document.isObject()) {
        ParsedProfile parsed;
        parsed.errors.push_back("profile: must be a JSON object");
        return parsed;
    }
    return parseProfile(document.object());
}

ParsedProfile parseProfile(const QJsonObject& p) {
    ParsedProfile out;
    Reader r;
    static constexpr std::array<const char*, 7> kTopKeys{"format", "version", "model",   "serial",
                                                         "wifi",   "fan",     "problems"};
    r.checkKeys(p, QString(), kTopKeys);
    if (p.value("format") != QJsonValue(kProfileFormat))
        r.fail("format", QStringLiteral("must be \"%1\"").arg(kProfileFormat));
    if (p.value("version") != QJsonValue(kProfileVersion))
        r.fail("version", QStringLiteral("must be %1").arg(kProfileVersion));
    for (const char* key : {"model", "serial"}) {
        const QJsonValue v = p.value(key);
        if (!v.isUndefined() && !v.isString()) r.fail(key, QStringLiteral("must be a text"));
    }
    out.model = p.value("model").toString().toStdString();
    out.serial = p.value("serial").toString().toStdString();
    if (!p.value("wifi").isObject()) r.fail("wifi", QStringLiteral("must be an object"));
    if (!p.value("fan").isObject()) r.fail("fan", QStringLiteral("must be an object"));
    const QJsonObject wifi = p.value("wifi").toObject();
    const QJsonObject fan = p.value("fan").toObject();
    r.checkKeys(wifi, QStringLiteral("wifi."), kWifiKeys);
    r.checkKeys(fan, QStringLiteral("fan."), kFanKeys);

    DeviceSettings& s = out.values.settings;
    auto need = [&](const QJsonObject& o, const char* group, const char* key) -> std::optional<QJsonValue> {
        const QJsonValue v = o.value(key);
        if (v.isUndefined()) {
            r.fail(QStringLiteral("%1.%2").arg(group, key), QStringLiteral("missing"));
            return std::nullopt;
        }
        return v;
    };
    // A byte field: the named form through decode, or {"raw": N}.
    auto byteField =
        [&](const QJsonObject& o, const char* group, const char* key, std::uint8_t& target,
            const std::function<std::optional<std::uint8_t>(const QJsonValue&, const QString&)>& decode) {
            const std::optional<QJsonValue> v = need(o, group, key);
            if (!v) return;
            const QString field = QStringLiteral("%1.%2").arg(group, key);
            if (const Reader::Raw raw = r.raw(*v, field, 0xFF); raw.isRaw) {
                if (raw.valid) target = static_cast<std::uint8_t>(raw.value);
                return;
            }
            if (const std::optional<std::uint8_t> value = decode(*v, field)) target = *value;
        };
    auto boolean = [&](const QJsonValue& v, const QString& field) -> std::optional<std::uint8_t> {
        if (!v.isBool()) {
            r.fail(field, QStringLiteral("must be true or false"));
            return std::nullopt;
        }
        return v.toBool() ? 1 : 0;
    };
    auto oneOf = [&](std::initializer_list<std::pair<const char*, std::uint8_t>> names) {
        return [&r, names = std::vector(names)](const QJsonValue& v,
                                                const QString& field) -> std::optional<std::uint8_t> {
            QStringList choices;
            for (const auto& [name, value] : names) {
                if (v == QJsonValue(name)) return value;
                choices << QStringLiteral("\"%1\"").arg(name);
            }
            r.fail(field, QStringLiteral("must be one of %1").arg(choices.join(QStringLiteral(", "))));
            return std::nullopt;
        };
    };
    auto number = [&](std::int64_t lo, std::int64_t hi, int step, int offset) {
        return [&r, lo, hi, step, offset](const QJsonValue& v,
                                          const QString& field) -> std::optional<std::uint8_t> {
            const std::optional<std::int64_t> n = r.integer(v, field, lo, hi);
            if (!n) return std::nullopt;
            if (*n % step != 0) {
                r.fail(field, QStringLiteral("%1 is not a multiple of %2").arg(*n).arg(step));
                return std::nullopt;
            }
            return static_cast<std::uint8_t>(*n + offset);
        };
    };
    auto address = [&](const QJsonObject& o, const char* key, std::u16string& target, bool required) {
        const QString field = QStringLiteral("wifi.%1").arg(key);
        const QJsonValue v = o.value(key);
        if (v.isUndefined()) {
            if (required) r.fail(field, QStringLiteral("missing"));
            return;
        }
        const std::optional<Ipv4> a = v.isString() ? parseDotted(v.toString()) : std::nullopt;
        if (!a) {
            r.fail(field, QStringLiteral("must be an address a.b.c.d"));
            return;
        }
        target = ipv4Payload(*a);
    };

    byteField(wifi, "wifi", "role", s.DeviceMode, oneOf({{"master", kRoleMaster}, {"slave", kRoleSlave}}));
    std::uint8_t router = 0xFF;
    byteField(wifi, "wifi", "router", router, boolean);
    const bool routerRaw = isRaw(r, "wifi.router");
    const bool master = s.DeviceMode == kRoleMaster;
    const bool slave = s.DeviceMode == kRoleSlave && !isRaw(r, "wifi.role");
    const bool withRouter = router == 1;
    const bool accessPoint = master && router == 0;
    if (master)
        s.ConnectionType = routerRaw ? router : withRouter ? kConnectionWithRouter : kConnectionWithoutRouter;
    else
        s.ConnectionType = kConnectionWithRouter;

    if (const std::optional<QJsonValue> v = need(wifi, "wifi", "ssid")) {
        if (!v->isString()) {
            r.fail("wifi.ssid", QStringLiteral("must be a text"));
        } else {
            const QString ssid = v->toString();
            if (const std::optional<QString> problem = sendableProblem(ssid))
                r.fail("wifi.ssid", *problem);
            else if (!accessPoint && ssid.isEmpty())
                r.fail("wifi.ssid", QStringLiteral("empty, at least 1 character"));
            else if (!accessPoint && ssid.size() > static_cast<qsizetype>(kMaxNameLength))
                r.fail("wifi.ssid",
                       QStringLiteral("%1 characters, at most %2").arg(ssid.size()).arg(kMaxNameLength));
            s.Ssid = ssid.toStdU16String();
        }
    }
    byteField(wifi, "wifi", "security", s.SecurityCode,
              oneOf({{"OPEN", '0'}, {"WPA_PSK", '2'}, {"WPA2_PSK", '3'}, {"WPA_WPA2_PSK", '4'}}));
    if (const QJsonValue v = wifi.value("password"); !v.isUndefined()) {
        out.hasPassword = true;
        if (!v.isString()) {
            r.fail("wifi.password", QStringLiteral("must be a text"));
        } else {
            const QString password = v.toString();
            const bool open = s.SecurityCode == '0';
            const std::size_t minimum = accessPoint && !open ? kMinSecuredPasswordLength : 0;
            if (const std::optional<QString> problem = sendableProblem(password))
                r.fail("wifi.password", *problem);
            else if (static_cast<std::size_t>(password.size()) < minimum)
                r.fail("wifi.password",
                       QStringLiteral("%1 characters, at least %2").arg(password.size()).arg(minimum));
            else if (static_cast<std::size_t>(password.size()) > kMaxPasswordLength)
                r.fail(
                    "wifi.password",
                    QStringLiteral("%1 characters, at most %2").arg(password.size()).arg(kMaxPasswordLength));
            s.Password = password.toStdU16String();
        }
    }
    byteField(wifi, "wifi", "channel", s.WifiChannel, number(1, kChannelItems, 1, 0));
    byteField(wifi, "wifi", "slaveNumber", s.SlaveNumber, number(1, kSlaveNumberItems, 1, -1));
    if (wifi.contains("slaveDhcp"))
        byteField(wifi, "wifi", "slaveDhcp", s.SlaveDhcp, boolean);
    else
        s.SlaveDhcp = 1;
    address(wifi, "slaveIp", s.SlaveIp, true);
    address(wifi, "masterIp", s.MasterIp, withRouter);
    address(wifi, "gateway", s.Gateway, true);
    if (!wifi.contains("masterIp")) s.MasterIp = ipv4Payload(kAccessPointAddress);

    if (router == 0 && s.MasterIp != ipv4Payload(kAccessPointAddress) && wifi.contains("masterIp"))
        r.fail("wifi.masterIp", QStringLiteral("must be 192.168.4.1 without a router"));
    if (slave && router == 0 && s.SlaveDhcp != 1 && wifi.contains("slaveDhcp"))
        r.fail("wifi.slaveDhcp", QStringLiteral("must be true for a slave without a router"));
    if (slave && router <= 1 && wifi.value("ssid").isString() &&
        (router == 1) == isMasterAccessPointName(s.Ssid))
        r.fail("wifi.router",
               router == 1 ? QStringLiteral("a slave with a router cannot join a network named BreezeKit...")
                           : QStringLiteral(
                                 "a slave without a router joins the master's network, named BreezeKit..."));

    // A raw value is refused only where the chosen combination sends what the profile says.
    auto refuseRaw = [&](const char* field, bool read) {
        if (read && isRaw(r, field))
            r.fail(field,
                   QStringLiteral("the raw value is not valid here; give a value of the profile's form"));
    };
    refuseRaw("wifi.role", true);
    refuseRaw("wifi.router", master);
    refuseRaw("wifi.security", accessPoint);
    refuseRaw("wifi.channel", accessPoint);
    refuseRaw("wifi.slaveNumber", slave);
    refuseRaw("wifi.slaveDhcp", slave);

    byteField(fan, "fan", "offAllowed", s.OffAllowed, boolean);
    byteField(fan, "fan", "direction", s.Direction,
              oneOf({{"supply", kDirectionSupply}, {"exhaust", kDirectionExhaust}}));
    byteField(fan, "fan", "humidityScenario", s.HumidityScenario,
              oneOf({{"boost-and-exhaust", kScenarioExhaust}, {"boost-current", kScenarioCurrentMode}}));
    byteField(fan, "fan", "humiditySensor", s.HumiditySensorOn, boolean);
    byteField(fan, "fan", "relaySensor", s.RelaySensorOn, boolean);
    byteField(fan, "fan", "analogSensor", s.AnalogSensorOn, boolean);
    byteField(fan, "fan", "humidityThreshold", s.HumidityThreshold,
              number(kHumidityMin, kHumidityMax, kThresholdStep, 0));
    byteField(fan, "fan", "analogThreshold", s.AnalogThreshold,
              number(kAnalogMin, kAnalogMax, kThresholdStep, 0));
    auto timer = [&](const char* key, std::uint32_t& seconds) {
        const std::optional<QJsonValue> v = need(fan, "fan", key);
        if (!v) return;
        const QString field = QStringLiteral("fan.%1").arg(key);
        if (const Reader::Raw raw = r.raw(*v, field, kMaxSeconds24); raw.isRaw) {
            if (raw.valid) seconds = raw.value;
            return;
        }
        const std::optional<TimeOfDay> time =
            v->isString() ? parseTimeText(v->toString().toStdString()) : std::nullopt;
        if (!time)
            r.fail(field, QStringLiteral("must be a time \"HH:MM\""));
        else
            seconds = secondsOfTime(*time);
    };
    timer("nightTimer", out.values.nightTimerSeconds);
    timer("partyTimer", out.values.partyTimerSeconds);
    timer("turnOffDelay", out.values.turnOffDelaySeconds);
    // the Fan apply sends every fan field from its controls, so none can pass through raw
    for (const char* key : kFanKeys)
        refuseRaw(QStringLiteral("fan.%1").arg(key).toStdString().c_str(), true);

    out.errors = std::move(r.errors);
    return out;
}

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

} // namespace breezekit::ctl
