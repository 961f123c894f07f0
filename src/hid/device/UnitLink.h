#pragma once

#include "hid/core/InputReport.h"
#include "protocol/core/CommandSequence.h"

#include <QObject>
#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace breezekit {

class HidPlatform;
class HidController;
class HidDevice;

// Whether the program can talk to a listed unit.
enum class UnitAccess {
    Usable,
    // The interface opened for identification only: no rights on its node.
    NoAccess,
    // Opened, but its report lengths cannot carry the protocol.
    UnusableReports,
};

// Talks to units without a window: the list of plugged units (first seen first), the selected unit
// (CurrentDevice), SendCommand with its framing and write-failure rule, and the dispatch of input
// reports by code. The window and the command-line companion both talk to units through it.
class UnitLink : public QObject {
    Q_OBJECT
  public:
    static constexpr std::uint16_t kVendorId = 0x0483;
    static constexpr std::uint16_t kProductId = 0x5750;
    // A write that takes this long means the unit stopped taking reports.
    static constexpr std::chrono::milliseconds kStallTime{1000};

    explicit UnitLink(HidPlatform& platform);
    ~UnitLink() override;

    // Posts the first scan: before it, nothing touches a unit.
    void start();
    // Stops every reader and releases every unit; idempotent.
    void shutdown();

    HidDevice* CurrentDevice() const { return current_; }
    void setCurrentDevice(HidDevice* device);

    // The listed units in list order: the plugged units of the family, first seen first.
    const std::vector<HidDevice*>& listedDevices() const { return units_; }
    static UnitAccess accessOf(HidDevice& device);
    // The model name the unit's product string stands for: "Pavona MOX" or "Pavona".
    static std::u16string modelOf(const HidDevice& device);
    static bool isMox(const HidDevice& device);

    // Frames one command into output reports and writes them to CurrentDevice; nothing without one.
    // A write that fails at once does not stop the rest; after a stalled write, writes to that unit are
    // skipped until it sends a report again.
    void SendCommand(std::uint8_t code, std::u16string_view payload);
    // Sends the commands in order, with the blocking pause that follows each.
    void sendSequence(const CommandSequence& commands);
    // Every write that failed or was skipped so far; a user action compares it before and after.
    std::uint64_t failedWrites() const { return failedWrites_; }

    // Registers the handler of one command code; the dispatch calls it for reports of CurrentDevice.
    using ReportHandler = std::function<void(const InputReport&)>;
    void setReportHandler(std::uint8_t code, ReportHandler handler);
    bool hasReportHandler(std::uint8_t code) const { return static_cast<bool>(handlers_[code]); }

    // A listener hears one code's reports after the code's handler, beside any other listener, so that
    // a passing reader never takes a subsystem's handler. It may add or remove listeners, itself too.
    using ListenerId = std::uint64_t;
    [[nodiscard]] ListenerId addReportListener(std::uint8_t code, ReportHandler listener);
    void removeReportListener(ListenerId id);

    HidController& controller() { return *controller_; }

    // The device layer's events.
    void JvHidDeviceController1DeviceChange();
    bool JvHidDeviceController1Enumerate(HidDevice& device, int index);
    void JvHidDeviceController1DeviceData(HidDevice& device, const InputReport& report);

  signals:
    void currentDeviceChanged(HidDevice* device);
    // After every rebuild of the list; kept is the place of the unit selected before, or -1.
    void listRebuilt(int kept);

  private:
    struct UnitWrites {
        bool stalled = false;
        // A write group's closing 0 was skipped while the unit stalled: it goes out first when it answers.
        bool closePending = false;
    };
    // True when the report went out; marks the unit stalled when the write blocked.
    bool writeReport(HidDevice& device, UnitWrites& state, std::span<const std::uint8_t> report);
    void resumeAfterStall(HidDevice& device);

    std::unique_ptr<HidController> controller_;
    std::vector<HidDevice*> units_;
    HidDevice* current_ = nullptr;
    std::array<ReportHandler, 256> handlers_{};
    struct Listener {
        ListenerId id;
        std::uint8_t code;
        ReportHandler hear;
    };
    std::vector<Listener> listeners_;
    ListenerId lastListener_ = 0;
    // By identity: a unit keeps it while plugged, a new plug starts clean.
    std::map<std::string, UnitWrites> writes_;
    std::uint64_t failedWrites_ = 0;
    bool shutDown_ = false;
};

// A listener that is removed when this goes; it must not outlive the link.
class ReportListener {
  public:
    ReportListener(UnitLink& link, std::uint8_t code, UnitLink::ReportHandler listener)
        : link_(link), id_(link.addReportListener(code, std::move(listener))) {}
    ~ReportListener() { link_.removeReportListener(id_); }
    ReportListener(const ReportListener&) = delete;
    ReportListener& operator=(const ReportListener&) = delete;

  private:
    UnitLink& link_;
    UnitLink::ListenerId id_;
};

} // namespace breezekit
