#pragma once

#include "app/MessageBoxes.h"
#include "app/SettingsStore.h"
#include "app/TForm1.h"
#include "hid/DeviceList.h"
#include "hid/device/UnitLink.h"
#include "markers/FlockInstanceMarkers.h"
#include "sim/SimulatedPlatform.h"

#include <QStringList>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

namespace breezekit::testing {

// One output report a virtual unit received, decoded: the command code and the payload bytes it carried.
struct SentCommand {
    std::chrono::steady_clock::time_point at;
    std::uint8_t code = 0;
    std::vector<std::uint8_t> payload;

    bool operator==(const SentCommand& other) const { return code == other.code && payload == other.payload; }
};

// The main window over a simulated platform, for window tests: units plugged before the window is made,
// message boxes recorded instead of shown, a fresh settings store and instance markers of its own.
class SimWindow {
  public:
    // Builds the window with these units plugged (in order), runs FormCreate and waits until the first
    // device list is built.
    explicit SimWindow(const std::vector<sim::FactoryParameters>& units = {});
    // count units: a "Pavona MOX" first, then "Pavona"s, each with its own serial number.
    explicit SimWindow(int count);
    ~SimWindow();

    SimWindow(const SimWindow&) = delete;
    SimWindow& operator=(const SimWindow&) = delete;

    TForm1& form() { return *form_; }
    UnitLink& link() { return form_->unitLink(); }
    sim::SimulatedPlatform& platform() { return platform_; }
    // The i-th unit plugged by the constructor.
    sim::VirtualInterface& unit(std::size_t i) { return *units_.at(i); }
    const std::shared_ptr<sim::VirtualInterface>& unitHandle(std::size_t i) { return units_.at(i); }
    QString text(int row) const { return form_->text(row); }

    // Output reports the unit received, decoded, oldest first.
    static std::vector<SentCommand> commands(const sim::VirtualInterface& unit);
    std::vector<SentCommand> commands(std::size_t i) { return commands(unit(i)); }
    void clearCommands();

    // Texts of the message boxes shown so far.
    QStringList messages() const;
    // The kinds of those boxes, in the same order.
    std::vector<messages::Shown::Kind> messageKinds() const;
    void clearMessages() { shown_.clear(); }

    // Plugs or unplugs and waits until the window has rebuilt its list; false on a time-out.
    [[nodiscard]] bool waitForRebuild(int timeoutMs = 5000);

    // Runs the event loop until the condition holds, looking every millisecond (QTRY looks every 50 ms
    // and sleeps between its looks, which is too coarse for thousands of reports); false on a time-out.
    [[nodiscard]] static bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 5000);

    static sim::FactoryParameters unitParameters(std::u16string product, std::string serial);
    // A 24-character serial number that differs per n.
    static std::string serialNumber(int n);

  private:
    QTemporaryDir dir_;
    sim::SimulatedPlatform platform_;
    std::vector<std::shared_ptr<sim::VirtualInterface>> units_;
    SettingsStore settings_;
    FlockInstanceMarkers markers_;
    std::unique_ptr<TForm1> form_;
    std::vector<messages::Shown> shown_;
};

} // namespace breezekit::testing
