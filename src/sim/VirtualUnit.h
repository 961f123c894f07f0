#pragma once

#include "sim/FactoryParameters.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace breezekit::sim {

// A model of the unit's firmware: it takes output reports and answers with input reports as a real
// unit would. It keeps every parameter it can report, applies each write at once and carries out a
// network search with its Wi-Fi module. Runs on the thread that writes to it (the GUI thread).
class VirtualUnit {
  public:
    // Hands one input report (report ID first) to the USB side, to arrive after a delay.
    using Send = std::function<void(std::vector<std::uint8_t> report, std::chrono::microseconds delay)>;
    using Bytes = std::vector<std::uint8_t>;

    static constexpr std::uint8_t kInputReportId = 1;

    explicit VirtualUnit(FactoryParameters parameters = {});

    const FactoryParameters& parameters() const { return parameters_; }
    FactoryParameters& parameters() { return parameters_; }

    // A silent unit takes every report and answers none.
    void setSilent(bool silent) { silent_ = silent; }
    bool silent() const { return silent_; }

    // Called by the virtual interface that carries the unit.
    void attach(Send send) { send_ = std::move(send); }
    // One output report as the endpoint receives it, report ID first.
    void receiveOutputReport(std::span<const std::uint8_t> report);

    // The payload the unit holds for a parameter code, as it reports it; empty for other codes.
    Bytes value(std::uint8_t code) const;
    // Sets a held value, for tests that need a unit reporting something unusual.
    void setValue(std::uint8_t code, Bytes payload);
    static bool isReportable(std::uint8_t code);
    static bool isWritable(std::uint8_t code);

    // The write-session flags received, in order (1 opens a group, 0 closes it).
    const Bytes& writeSessionFlags() const { return writeSessionFlags_; }
    // The command lines the Wi-Fi module received, in order.
    const std::vector<std::string>& moduleLines() const { return moduleLines_; }
    bool searching() const { return searching_; }

    // The filter counter counts up once a second from the value last set or reset.
    std::uint32_t filterSeconds() const;
    void setFilterSeconds(std::uint32_t seconds);
    // The states of the unit's Wi-Fi link and of its link to the master: 0 is down, anything else up.
    void setWifiState(std::uint8_t state);
    void setMasterState(std::uint8_t state);
    // The Wi-Fi module speaks up by itself, for example when its link changes.
    void sendModuleText(const std::string& text);
    // The module's line for one network, as a search reports it.
    static std::string networkLine(const Network& network);

  private:
    // The firmware's command switch: one case per command code it acts on.
    void handle(std::uint8_t code, std::span<const std::uint8_t> payload);
    // CmdRead: answers the value that the payload's first byte names.
    void handleRead(std::uint8_t what);
    void handleModuleLine(std::string line);
    void restoreDefaults();

    // Sends an input report: report ID, code, the payload's length, the payload, zeros to the end.
    void reply(std::uint8_t code, std::span<const std::uint8_t> payload);
    void replyAfter(std::uint8_t code, std::span<const std::uint8_t> payload,
                    std::chrono::microseconds delay);

    FactoryParameters parameters_;
    Send send_;
    bool silent_ = false;
    std::map<std::uint8_t, Bytes> values_;
    Bytes writeSessionFlags_;
    std::vector<std::string> moduleLines_;
    bool searching_ = false;
    std::uint32_t filterStart_ = 0;
    std::chrono::steady_clock::time_point filterSince_ = std::chrono::steady_clock::now();
};

} // namespace breezekit::sim
