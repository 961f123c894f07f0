#pragma once

#include "hid/device/HidPlatform.h"
#include "sim/VirtualUnit.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

namespace breezekit::sim {

enum class VirtualAccess { ReadWrite, IdentificationOnly, Unopenable };

// What a test plugs in: a unit (with its firmware) or any other HID interface.
struct VirtualInterfaceSetup {
    std::uint16_t vendorId = 0x0483;
    std::uint16_t productId = 0x5750;
    std::u16string productString = u"Pavona";
    HidReportLengths lengths{65, 65};
    VirtualAccess access = VirtualAccess::ReadWrite;
    bool isUnit = true;
};

// One output report as the interface received it.
struct ReceivedReport {
    std::chrono::steady_clock::time_point at;
    std::vector<std::uint8_t> bytes;
};

// A virtual HID interface: every open read-and-write handle gets its own copy of each input report
// (as hidraw gives every open file its own), and reads block with a time-out like the real device.
// Thread-safe; a unit it carries is driven by whoever writes.
class VirtualInterface : public std::enable_shared_from_this<VirtualInterface> {
  public:
    VirtualInterface(VirtualInterfaceSetup setup, HidInterfaceInfo info, std::unique_ptr<VirtualUnit> unit);

    const HidInterfaceInfo& info() const { return info_; }
    const VirtualInterfaceSetup& setup() const { return setup_; }
    // The firmware, or none for an interface that is not a unit.
    VirtualUnit* unit() { return unit_.get(); }
    bool plugged() const;

    // The device sends an input report (report ID first) now.
    void sendInputReport(std::span<const std::uint8_t> report);
    // Every output report written to it, in order, with the time it arrived.
    std::vector<ReceivedReport> receivedReports() const;
    void clearReceivedReports();
    // Whether writes are kept for receivedReports() (the default); off, nothing is kept and the record
    // is dropped, so a long-running demo does not grow without end.
    void setRecordsReceivedReports(bool records);
    // From now on every write blocks this long and then fails, as to a unit that stopped taking reports.
    void setWriteStall(std::chrono::milliseconds stall);
    // Writes the predicate picks fail at once, as a write to a unit that refuses it does.
    void setFailingWrites(std::function<bool(std::span<const std::uint8_t> report)> fails);
    int failedWrites() const;
    // Input reports taken by reads so far, over all handles.
    int reportsRead() const;
    // Handles opened on this interface and not closed yet.
    std::size_t openConnections() const;

    // The platform's side.
    std::unique_ptr<HidConnection> open(HidOpenMode mode);
    void unplug();

  private:
    class Connection;
    struct Pending {
        std::chrono::steady_clock::time_point due;
        std::vector<std::uint8_t> bytes;
    };
    struct Queue {
        std::deque<Pending> reports;
    };
    // hidraw keeps this many reports per open file and drops the oldest.
    static constexpr std::size_t kQueueLimit = 64;

    void enqueue(std::vector<std::uint8_t> report, std::chrono::steady_clock::time_point due);
    [[nodiscard]] bool write(std::span<const std::uint8_t> report);
    int read(Queue& queue, std::span<std::uint8_t> buffer, int timeoutMs);
    void closeQueue(Queue* queue);

    const VirtualInterfaceSetup setup_;
    const HidInterfaceInfo info_;
    std::unique_ptr<VirtualUnit> unit_;

    mutable std::mutex mutex_;
    std::condition_variable arrived_;
    bool plugged_ = true;
    std::list<Queue> queues_;
    std::chrono::steady_clock::time_point lastDue_{};
    std::vector<ReceivedReport> received_;
    bool recordsReceived_ = true;
    std::chrono::milliseconds writeStall_{0};
    std::function<bool(std::span<const std::uint8_t>)> failingWrites_;
    int failedWrites_ = 0;
    int reportsRead_ = 0;
};

} // namespace breezekit::sim
