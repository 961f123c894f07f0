#include "ctl/CommandRunner.h"

#include "hid/device/HidDevice.h"
#include "markers/FlockInstanceMarkers.h"

namespace breezekit::ctl {

namespace {
std::string serialText(const std::optional<std::string>& serial) {
    return serial ? *serial : std::string("?");
}
} // namespace

int CommandRunner::busyCheck() {
    if (flag("--simulate")) return kExitDone;
    // probes only: a marker is never taken here, so the window can start meanwhile
    if (FileLockMarker(env_.userProgramMarker).heldElsewhere()) {
        err_ << "breezekitctl: the window program runs; close it first\n";
        return kExitBusy;
    }
    if (FileLockMarker(env_.serviceProgramMarker).heldElsewhere()) {
        err_ << "breezekitctl: the service program runs; close it first\n";
        return kExitBusy;
    }
    return kExitDone;
}

std::string CommandRunner::unitSerial(HidDevice* unit) {
    auto found = serials_.find(unit);
    if (found != serials_.end()) return serialText(found->second);
    std::optional<std::string> serial;
    if (UnitLink::accessOf(*unit) == UnitAccess::Usable) {
        session_->select(unit);
        serial = session_->readSerial();
    }
    serials_[unit] = serial;
    return serialText(serial);
}

std::string CommandRunner::selectedModel() const {
    return utf8(QString::fromStdU16String(UnitLink::modelOf(*session_->selected())));
}

int CommandRunner::chooseUnit() {
    const auto& units = session_->units();
    if (a_.values.count("--unit")) {
        bool ok = false;
        const int n = a_.values.at("--unit").toInt(&ok);
        if (!ok || n < 1) return usage("--unit needs a position from 1");
        if (static_cast<std::size_t>(n) > units.size())
            return noUnit("no unit at position " + std::to_string(n) + "; " + std::to_string(units.size()) +
                          " plugged");
        session_->select(units[static_cast<std::size_t>(n - 1)]);
    } else if (a_.values.count("--serial")) {
        const std::string wanted = utf8(a_.values.at("--serial"));
        HidDevice* match = nullptr;
        for (HidDevice* unit : units)
            if (unitSerial(unit) == wanted) match = unit;
        if (!match) return noUnit("no unit with serial number " + wanted);
        session_->select(match);
    } else if (units.empty()) {
        return noUnit("no unit plugged");
    } else if (units.size() > 1) {
        std::string choices;
        for (std::size_t i = 0; i < units.size(); ++i)
            choices += "\n  --unit " + std::to_string(i + 1) + "  (" +
                       utf8(QString::fromStdU16String(UnitLink::modelOf(*units[i]))) + ", serial " +
                       unitSerial(units[i]) + ")";
        return usage("several units are plugged; choose one:" + choices);
    } else {
        session_->select(units.front());
    }
    HidDevice* unit = session_->selected();
    switch (UnitLink::accessOf(*unit)) {
    case UnitAccess::Usable:
        return kExitDone;
    case UnitAccess::NoAccess:
        return noUnit(
            "no access to the unit: install the udev rule 70-breezekit.rules (see README), then plug "
            "the unit in again");
    case UnitAccess::UnusableReports:
        return noUnit("the unit's report lengths cannot carry the protocol");
    }
    return kExitNoUnit;
}

int CommandRunner::run() {
    if (const int busy = busyCheck()) return busy;
    if (!env_.platform) platform_ = env_.makePlatform(flag("--simulate"));
    session_ = std::make_unique<Session>(env_.platform ? *env_.platform : *platform_);
    if (!session_->start()) return failed("the list of units did not come");
    if (a_.command == "list") return list();
    if (const int chosen = chooseUnit()) return chosen;
    const QString& c = a_.command;
    if (c == "show") return show();
    if (c == "export") return exportProfile();
    if (c == "apply") return apply();
    if (c == "restore") return restore();
    if (c == "reset-filter") return resetFilter();
    if (c == "status") return status();
    return search();
}

} // namespace breezekit::ctl
