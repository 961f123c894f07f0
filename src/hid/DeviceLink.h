#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace breezekit {

class TForm1;
class HidPlatform;
class HidController;
class HidDevice;

// One input report as the dispatch hands it on: data[0] is the command code, data[1] the length
// byte, data[2] the first payload byte. Valid only while the dispatch runs.
struct InputReport {
    const std::uint8_t* data = nullptr;
    std::uint16_t size = 0;

    std::uint8_t code() const { return at(0); }
    // Payload byte k (k >= 1) is data[1 + k]; positions outside the report read as zero.
    std::uint8_t payloadByte(int k) const { return at(static_cast<std::size_t>(1 + k)); }
    std::uint8_t at(std::size_t i) const { return i < size ? data[i] : 0; }
    // Every byte from payload byte 1 to the end of the report, one character each, zeros included.
    std::u16string text() const;
};

// What a control shows of a text that came from a report: the part before its first U+0000.
QString controlText(std::u16string_view reportText);

// The window's side of the device link: the device list and selection, SendCommand, the dispatch of
// input reports by code and the no-device guard.
class DeviceLink : public QObject {
    Q_OBJECT
  public:
    DeviceLink(TForm1& form, HidPlatform& platform);
    ~DeviceLink() override;

    // Frames one command into output reports and writes them to CurrentDevice; nothing without one.
    void SendCommand(std::uint8_t code, std::u16string_view payload);

    // Registers the reply handler of one command code; the dispatch calls it for reports of
    // CurrentDevice only.
    using ReportHandler = std::function<void(const InputReport&)>;
    void setReportHandler(std::uint8_t code, ReportHandler handler);

    // The no-device guard: with no CurrentDevice shows TextTable row 55 and returns true.
    bool noDeviceGuard();

    // Stops every reader and releases every unit; the window calls it first thing when it closes.
    void shutdown();

    // Writes the no-access tip of every listed unit without access in the current language.
    void showAccessTips();

    // The listed units, in item order.
    const std::vector<HidDevice*>& listedDevices() const { return items_; }
    HidController& controller() { return *controller_; }

    // Handlers, public for the window's tests.
    void JvHidDeviceController1DeviceChange();
    bool JvHidDeviceController1Enumerate(HidDevice& device, int index);
    void JvHidDeviceController1DeviceData(HidDevice& device, std::uint8_t reportId, const std::uint8_t* data,
                                          std::uint16_t size);
    void ComboBox_Choose_deviceClick();

  signals:
    // After every rebuild of the device list.
    void deviceListRebuilt();

  private:
    void onSerialNumber(const InputReport& report);
    void clearWhenNoUnit();
    void showNoAccess(HidDevice& device);
    void stopWritesUntilIdle(HidDevice* device);

    TForm1& form_;
    std::unique_ptr<HidController> controller_;
    std::vector<HidDevice*> items_;
    std::array<ReportHandler, 256> handlers_{};
    // Identities of units without access whose message has been shown.
    std::set<std::string> noAccessShown_;
    // A unit whose write failed: the rest of the current handler's writes to it are skipped.
    HidDevice* writesStopped_ = nullptr;
    bool shutDown_ = false;
};

} // namespace breezekit
