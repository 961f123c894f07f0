#include "profile/Profile.h"
#include "profile/ProfileChecks.h"
#include "profile/ProfileFields.h"
#include "protocol/core/Commands.h"
#include "protocol/core/Conversions.h"
#include "protocol/core/Encodings.h"
#include "protocol/core/Limits.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QStringList>
#include <functional>
#include <optional>

namespace breezekit::profile {

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
    FieldChecker r;
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
            if (const FieldChecker::Raw raw = r.raw(*v, field, 0xFF); raw.isRaw) {
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
    auto oneOf = [&](std::vector<std::pair<QString, std::uint8_t>> names) {
        return [&r, names = std::move(names)](const QJsonValue& v,
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
    std::vector<std::pair<QString, std::uint8_t>> securityNames;
    for (const SecurityType& type : kSecurityTypes)
        securityNames.emplace_back(latin1(type.name), type.digit);
    const auto securityName = oneOf(std::move(securityNames));
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
        const std::optional<Ipv4> a =
            v.isString() ? parseDottedIpv4(v.toString().toStdString()) : std::nullopt;
        if (!a) {
            r.fail(field, QStringLiteral("must be an address a.b.c.d"));
            return;
        }
        target = ipv4Payload(*a);
    };

    byteField(wifi, "wifi", "role", s.DeviceMode, oneOf({{"master", kRoleMaster}, {"slave", kRoleSlave}}));
    std::uint8_t router = 0xFF;
    byteField(wifi, "wifi", "router", router, boolean);
    const bool routerRaw = r.readRaw("wifi.router");
    const bool master = s.DeviceMode == kRoleMaster;
    const bool slave = s.DeviceMode == kRoleSlave && !r.readRaw("wifi.role");
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
            else if (!accessPoint && ssid.size() > static_cast<qsizetype>(kMaxNetworkNameLength))
                r.fail(
                    "wifi.ssid",
                    QStringLiteral("%1 characters, at most %2").arg(ssid.size()).arg(kMaxNetworkNameLength));
            s.Ssid = ssid.toStdU16String();
        }
    }
    byteField(wifi, "wifi", "security", s.SecurityCode, securityName);
    if (const QJsonValue v = wifi.value("password"); !v.isUndefined()) {
        out.hasPassword = true;
        if (!v.isString()) {
            r.fail("wifi.password", QStringLiteral("must be a text"));
        } else {
            const QString password = v.toString();
            const bool open = s.SecurityCode == kOpenSecurityDigit;
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
    if (slave && router <= 1 && wifi.value("ssid").isString() && (router == 1) != slaveWithRouter(s.Ssid))
        r.fail("wifi.router",
               router == 1 ? QStringLiteral("a slave with a router cannot join a network named BreezeKit...")
                           : QStringLiteral(
                                 "a slave without a router joins the master's network, named BreezeKit..."));

    // A raw value is refused only where the chosen combination sends what the profile says.
    auto refuseRaw = [&](const char* field, bool read) {
        if (read && r.readRaw(field))
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
              number(kHumidityThresholds.minimum, kHumidityThresholds.maximum, kThresholdStep, 0));
    byteField(fan, "fan", "analogThreshold", s.AnalogThreshold,
              number(kAnalogThresholds.minimum, kAnalogThresholds.maximum, kThresholdStep, 0));
    auto timer = [&](const char* key, std::uint32_t& seconds) {
        const std::optional<QJsonValue> v = need(fan, "fan", key);
        if (!v) return;
        const QString field = QStringLiteral("fan.%1").arg(key);
        if (const FieldChecker::Raw raw = r.raw(*v, field, kMaxSeconds24); raw.isRaw) {
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

} // namespace breezekit::profile
