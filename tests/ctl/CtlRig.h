#pragma once

#include "SimWindow.h"
#include "ctl/Cli.h"
#include "sim/SimulatedPlatform.h"
#include "sim/VirtualInterface.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

namespace breezekit::testing {

struct CtlRun {
    int code = -1;
    std::string out;
    std::string err;
};

// Virtual units that stay plugged across several runs of the command line in this process.
class CtlRig {
  public:
    CtlRig() = default;
    explicit CtlRig(const std::vector<sim::FactoryParameters>& units);

    sim::SimulatedPlatform& platform() { return platform_; }
    sim::VirtualInterface& unit(std::size_t i) { return *units_.at(i); }
    std::shared_ptr<sim::VirtualInterface> plug(const sim::FactoryParameters& parameters,
                                                sim::VirtualAccess access = sim::VirtualAccess::ReadWrite);
    QString path(const QString& name) const { return dir_.filePath(name); }
    std::string userMarker() const { return path("user.lock").toStdString(); }

    CtlRun run(const QStringList& args, const QByteArray& input = {});

    // Output reports the unit received that are not read requests, whole, report ID first.
    static std::vector<std::vector<std::uint8_t>> writes(const sim::VirtualInterface& unit);

    // Units as the window's tests make them.
    static sim::FactoryParameters unitParameters(std::u16string product, std::string serial) {
        return SimWindow::unitParameters(std::move(product), std::move(serial));
    }

  private:
    QTemporaryDir dir_;
    sim::SimulatedPlatform platform_;
    std::vector<std::shared_ptr<sim::VirtualInterface>> units_;
};

} // namespace breezekit::testing
