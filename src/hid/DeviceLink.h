#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace breezekit {

class TForm1;
class HidPlatform;

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
};

} // namespace breezekit
