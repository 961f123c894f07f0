#pragma once

#include <QObject>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace breezekit {

// One HID interface present on the machine, as enumeration reports it.
struct HidInterfaceInfo {
    std::string path;
    // Stays the same while the interface is plugged in; a new plug gives a new identity.
    std::string identity;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::u16string productString;
};

// Report lengths in bytes, report ID byte included; 0 for a direction without reports.
struct HidReportLengths {
    int input = 0;
    int output = 0;
};

enum class HidOpenMode { ReadWrite, IdentificationOnly };

// An open interface. A connection opened for identification only answers its report lengths, and
// every read and write on it fails.
class HidConnection {
  public:
    virtual ~HidConnection() = default;

    virtual HidReportLengths reportLengths() const = 0;
    // Writes one whole output report, report ID first; false when the write failed.
    [[nodiscard]] virtual bool write(std::span<const std::uint8_t> report) = 0;
    // Reads one whole input report, report ID first, waiting at most timeoutMs. Returns the byte
    // count, 0 when the time ran out, -1 on an error (the interface went away, no access).
    [[nodiscard]] virtual int read(std::span<std::uint8_t> buffer, int timeoutMs) = 0;
    // What the system said about the last failed call, for the log; empty when it said nothing.
    virtual std::string lastError() const { return {}; }
};

// The platform's HID access. Every call except a connection's read is made on the GUI thread; a
// connection's read runs on its reader's thread.
class HidPlatform : public QObject {
    Q_OBJECT
  public:
    ~HidPlatform() override = default;

    // Every present HID interface once, in a stable order.
    virtual std::vector<HidInterfaceInfo> enumerate() = 0;
    // None when the interface is gone or refuses the mode.
    [[nodiscard]] virtual std::unique_ptr<HidConnection> open(const HidInterfaceInfo& info,
                                                              HidOpenMode mode) = 0;

  signals:
    // The set of interfaces may have changed; delivered on the GUI thread.
    void devicesChanged();
};

} // namespace breezekit
