#include "sim/VirtualUnit.h"

#include "protocol/core/Commands.h"
#include "protocol/core/Encodings.h"

#include <algorithm>
#include <string_view>

namespace breezekit::sim {

namespace {
constexpr std::size_t kOutputHeaderSize = 3; // report ID, code, count
constexpr std::size_t kInputHeaderSize = 3;  // report ID, code, length byte
constexpr std::string_view kModuleOk = "OK\r\n";

// Codes the unit keeps a value for and reports when asked by CmdRead.
constexpr std::uint8_t kReportable[] = {
    CmdDeviceMode,      CmdSsid,        CmdPassword,     CmdSlaveNumber,
    CmdSlaveDhcp,       CmdSlaveIp,     CmdMasterIp,     CmdConnectionType,
    CmdWifiChannel,     CmdSecurity,    CmdOffAllowed,   CmdDirection,
    CmdHumiditySensor,  CmdRelaySensor, CmdAnalogSensor, CmdHumidityThreshold,
    CmdAnalogThreshold, CmdNightTimer,  CmdPartyTimer,   CmdTurnOffDelay,
    CmdWifiState,       CmdFilterTime,  CmdMasterState,  CmdHumidityScenario,
    CmdGateway,
};
// The unit's own states: reported, never written.
constexpr std::uint8_t kReportOnly[] = {CmdWifiState, CmdFilterTime, CmdMasterState};

template <std::size_t N> bool contains(const std::uint8_t (&codes)[N], std::uint8_t code) {
    return std::find(std::begin(codes), std::end(codes), code) != std::end(codes);
}

VirtualUnit::Bytes seconds24(std::uint32_t s) {
    return {static_cast<std::uint8_t>((s >> 16) & 0xFF), static_cast<std::uint8_t>((s >> 8) & 0xFF),
            static_cast<std::uint8_t>(s & 0xFF)};
}

VirtualUnit::Bytes text(const std::string& s) {
    return VirtualUnit::Bytes(s.begin(), s.end());
}

VirtualUnit::Bytes address(const std::array<std::uint8_t, 4>& a) {
    return VirtualUnit::Bytes(a.begin(), a.end());
}

// The unit's own encoder, kept apart from the core's decoder on purpose: the simulator checks it from
// outside.
std::map<std::uint8_t, VirtualUnit::Bytes> encode(const UnitSettings& s) {
    return {
        {CmdDeviceMode, {s.deviceMode}},
        {CmdSsid, text(s.ssid)},
        {CmdPassword, text(s.password)},
        {CmdSlaveNumber, {s.slaveNumber}},
        {CmdSlaveDhcp, {s.slaveDhcp}},
        {CmdSlaveIp, address(s.slaveIp)},
        {CmdMasterIp, address(s.masterIp)},
        {CmdConnectionType, {s.connectionType}},
        {CmdWifiChannel, {s.wifiChannel}},
        {CmdSecurity, {s.securityCode}},
        {CmdOffAllowed, {s.offAllowed}},
        {CmdDirection, {s.direction}},
        {CmdHumiditySensor, {s.humiditySensor}},
        {CmdRelaySensor, {s.relaySensor}},
        {CmdAnalogSensor, {s.analogSensor}},
        {CmdHumidityThreshold, {s.humidityThreshold}},
        {CmdAnalogThreshold, {s.analogThreshold}},
        {CmdNightTimer, seconds24(s.nightTimerSeconds)},
        {CmdPartyTimer, seconds24(s.partyTimerSeconds)},
        {CmdTurnOffDelay, seconds24(s.turnOffDelaySeconds)},
        {CmdWifiState, {s.wifiState}},
        {CmdFilterTime, seconds24(s.filterSeconds)},
        {CmdMasterState, {s.masterState}},
        {CmdHumidityScenario, {s.humidityScenario}},
        {CmdGateway, address(s.gateway)},
    };
}

std::string asciiOf(const char16_t* line) {
    std::string ascii;
    for (; *line; ++line)
        ascii.push_back(static_cast<char>(*line));
    return ascii;
}
} // namespace

VirtualUnit::VirtualUnit(FactoryParameters parameters)
    : parameters_(std::move(parameters)), values_(encode(parameters_.settings)),
      filterStart_(parameters_.settings.filterSeconds) {}

bool VirtualUnit::isReportable(std::uint8_t code) {
    return contains(kReportable, code);
}

bool VirtualUnit::isWritable(std::uint8_t code) {
    return isReportable(code) && !contains(kReportOnly, code);
}

VirtualUnit::Bytes VirtualUnit::value(std::uint8_t code) const {
    if (code == CmdFilterTime) return seconds24(filterSeconds());
    const auto found = values_.find(code);
    return found == values_.end() ? Bytes{} : found->second;
}

void VirtualUnit::setValue(std::uint8_t code, Bytes payload) {
    if (code == CmdFilterTime && payload.size() == kSecondsBytes)
        setFilterSeconds(secondsFrom24(payload[0], payload[1], payload[2]));
    else if (isReportable(code))
        values_[code] = std::move(payload);
}

std::uint32_t VirtualUnit::filterSeconds() const {
    const auto running =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - filterSince_);
    // the 24-bit counter stops at its largest value
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(
        std::uint64_t{filterStart_} + static_cast<std::uint64_t>(running.count()), kMaxSeconds24));
}

void VirtualUnit::setFilterSeconds(std::uint32_t seconds) {
    filterStart_ = std::min(seconds, kMaxSeconds24);
    filterSince_ = std::chrono::steady_clock::now();
}

void VirtualUnit::setWifiState(std::uint8_t state) {
    values_[CmdWifiState] = {state};
}

void VirtualUnit::setMasterState(std::uint8_t state) {
    values_[CmdMasterState] = {state};
}

void VirtualUnit::sendModuleText(const std::string& line) {
    reply(CmdModuleText, text(line));
}

// Factory parameters come back; the unit's link states and its filter counter are no parameters.
void VirtualUnit::restoreDefaults() {
    const std::map<std::uint8_t, Bytes> factory = encode(parameters_.settings);
    for (const auto& [code, bytes] : factory)
        if (isWritable(code)) values_[code] = bytes;
}

std::string VirtualUnit::networkLine(const Network& n) {
    return "+CWLAP:(" + std::to_string(n.encryption) + ",\"" + n.ssid + "\"," + std::to_string(n.rssi) +
           ",\"" + n.mac + "\"," + std::to_string(n.channel) + ")";
}

void VirtualUnit::receiveOutputReport(std::span<const std::uint8_t> report) {
    if (report.size() < kOutputHeaderSize) return;
    const std::uint8_t code = report[1];
    const std::size_t count = std::min<std::size_t>(report[2], report.size() - kOutputHeaderSize);
    if (silent_) return;
    handle(code, report.subspan(kOutputHeaderSize, count));
}

void VirtualUnit::handle(std::uint8_t code, std::span<const std::uint8_t> payload) {
    switch (code) {
    case CmdRead:
        if (!payload.empty()) handleRead(payload[0]);
        break;
    case CmdWriteSession:
        if (!payload.empty()) writeSessionFlags_.push_back(payload[0]);
        break;
    case CmdSearch:
        if (!payload.empty()) searching_ = payload[0] == kSearchBegin;
        break;
    case CmdModuleText:
        handleModuleLine(std::string(payload.begin(), payload.end()));
        break;
    case CmdRestoreDefaults:
        restoreDefaults();
        break;
    case CmdResetFilter:
        setFilterSeconds(0);
        break;
    default:
        // Every parameter write takes effect at once; the write session needs no closing 0. A value
        // split over several reports (units with short output reports) keeps only its last part.
        if (isWritable(code)) values_[code] = Bytes(payload.begin(), payload.end());
        break;
    }
}

void VirtualUnit::handleRead(std::uint8_t what) {
    if (what == CmdSerialNumber) {
        reply(CmdSerialNumber, text(parameters_.serialNumber));
        return;
    }
    if (isReportable(what)) reply(what, value(what));
}

void VirtualUnit::handleModuleLine(std::string line) {
    moduleLines_.push_back(line);
    reply(CmdModuleText, text(std::string(kModuleOk)));
    if (line != asciiOf(kAtListNetworks) || !searching_) return;
    std::chrono::microseconds delay = parameters_.firstNetworkDelay;
    for (const Network& network : parameters_.networks) {
        replyAfter(CmdSearch, text(networkLine(network)), delay);
        delay += parameters_.networkInterval;
    }
}

void VirtualUnit::reply(std::uint8_t code, std::span<const std::uint8_t> payload) {
    replyAfter(code, payload, parameters_.replyDelay);
}

void VirtualUnit::replyAfter(std::uint8_t code, std::span<const std::uint8_t> payload,
                             std::chrono::microseconds delay) {
    if (!send_) return;
    const auto length = static_cast<std::size_t>(std::max(parameters_.inputReportLength, 0));
    std::vector<std::uint8_t> report(std::max(length, kInputHeaderSize), 0);
    report[0] = kInputReportId;
    report[1] = code;
    report[2] = static_cast<std::uint8_t>(std::min<std::size_t>(payload.size(), 0xFF));
    const std::size_t room = report.size() - kInputHeaderSize;
    std::copy_n(payload.begin(), std::min(room, payload.size()), report.begin() + kInputHeaderSize);
    report.resize(length);
    send_(std::move(report), delay);
}

} // namespace breezekit::sim
