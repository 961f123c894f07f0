#pragma once

#include "hid/core/InputReport.h"
#include "hid/device/HandOver.h"
#include "hid/device/HidDevice.h"

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace breezekit {

// The HID device layer: the pool of every present interface in first-seen order, the device-change
// event, enumeration, taking and releasing units and their readers. GUI thread only.
class HidController : public QObject {
    Q_OBJECT
  public:
    static constexpr int ThreadSleepTime = 100; // ms
    static constexpr int PollingDelayTime = 0;  // ms

    // Touches no interface until startUp().
    explicit HidController(HidPlatform& platform);
    // Stops every reader, then destroys every entry.
    ~HidController() override;

    // Event bindings; set them before the event loop runs.
    std::function<void()> OnDeviceChange;
    std::function<bool(HidDevice& device, int index)> OnEnumerate;
    std::function<void(const HidInterfaceInfo& info, bool& handled, bool& retry)> OnDeviceCreateError;
    std::function<void(HidDevice& device, const InputReport& report)> OnDeviceData;

    // The first scan; OnDeviceChange runs even when nothing is plugged.
    void startUp();

    // Reader threads of this controller that have not left their loop yet.
    int runningReaders() const;

    // Offers every plugged-in entry in pool order to OnEnumerate until it answers false.
    void Enumerate();
    // Takes the entry at a pool index and starts its reader; none when taken already or out of range.
    [[nodiscard]] HidDevice* CheckOutByIndex(int index);
    // Releases taken entries: asks every reader to stop, then waits for all of them while serving
    // hand-overs, then puts a fresh entry in each place (or removes the place when the interface is gone).
    void CheckIn(const std::vector<HidDevice*>& devices);

    const std::vector<std::unique_ptr<HidDevice>>& pool() const { return pool_; }
    HandOver& handOver() { return handOver_; }

    // The platform's notification. One that comes while a change is handled, or while a report is
    // being dispatched, causes one more scan afterwards.
    void deviceChangeNotification();

  private:
    void handleChange(bool startUp);
    [[nodiscard]] bool scan(bool startUp);
    std::unique_ptr<HidDevice> makeEntry(const HidInterfaceInfo& info);
    std::unique_ptr<HidDevice> makeEntryOrReport(const HidInterfaceInfo& info);
    void dispatch(HidDevice& device, std::span<const std::uint8_t> report);
    void stopAndWait(const std::vector<HidDevice*>& devices);

    HidPlatform& platform_;
    HandOver handOver_;
    std::vector<std::unique_ptr<HidDevice>> pool_;
    bool started_ = false;
    bool handlingChange_ = false;
    bool pendingChange_ = false;
    bool destroying_ = false;
    int dispatchDepth_ = 0;
};

} // namespace breezekit
