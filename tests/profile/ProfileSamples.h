#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <functional>
#include <string>
#include <vector>

namespace breezekit::testing {

// A profile every check passes: a master with its own access point.
inline QJsonObject validProfile() {
    return QJsonObject{{"format", "breezekit-profile"},
                       {"version", 1},
                       {"model", "Pavona MOX"},
                       {"serial", "X"},
                       {"wifi", QJsonObject{{"role", "master"},
                                            {"router", false},
                                            {"ssid", "BreezeKit-AP"},
                                            {"password", "secret-pass"},
                                            {"security", "WPA2_PSK"},
                                            {"channel", 6},
                                            {"slaveNumber", 1},
                                            {"slaveDhcp", true},
                                            {"slaveIp", "192.168.4.2"},
                                            {"masterIp", "192.168.4.1"},
                                            {"gateway", "192.168.4.1"}}},
                       {"fan", QJsonObject{{"offAllowed", true},
                                           {"direction", "supply"},
                                           {"humidityScenario", "boost-current"},
                                           {"humiditySensor", true},
                                           {"relaySensor", false},
                                           {"analogSensor", true},
                                           {"humidityThreshold", 55},
                                           {"analogThreshold", 20},
                                           {"nightTimer", "01:30"},
                                           {"partyTimer", "00:45"},
                                           {"turnOffDelay", "00:05"}}}};
}

using ProfileEdit = std::function<void(QJsonObject& wifi, QJsonObject& fan, QJsonObject& top)>;

inline QByteArray edited(const ProfileEdit& edit) {
    QJsonObject top = validProfile();
    QJsonObject wifi = top["wifi"].toObject();
    QJsonObject fan = top["fan"].toObject();
    edit(wifi, fan, top);
    top["wifi"] = wifi;
    top["fan"] = fan;
    return QJsonDocument(top).toJson();
}

inline void slave(QJsonObject& w, bool router) {
    w["role"] = "slave";
    w["router"] = router;
    w["ssid"] = router ? "Home-5G" : "BreezeKit-0587";
}

} // namespace breezekit::testing
