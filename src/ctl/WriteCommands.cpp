#include "ctl/ApplyPlan.h"
#include "ctl/CommandRunner.h"
#include "ctl/Interrupt.h"
#include "ctl/ProfileChecks.h"
#include "hid/core/Framing.h"
#include "hid/core/ReportText.h"
#include "hid/device/HidDevice.h"
#include "hid/device/Pause.h"
#include "protocol/core/Commands.h"
#include "protocol/core/Conversions.h"

#include <QFile>

namespace breezekit::ctl {

namespace {
constexpr unsigned long kRestorePauseMs = 200;
constexpr std::uint8_t kActionByte = 0;
} // namespace

std::optional<ParsedProfile> CommandRunner::loadProfile(int& exitCode) {
    const QString source = a_.positional.front();
    QByteArray json;
    if (source == "-") {
        json = env_.readStdin ? env_.readStdin() : QByteArray();
    } else {
        QFile file(source);
        if (!file.open(QIODevice::ReadOnly)) {
            exitCode = usage("cannot read " + utf8(source) + ": " + utf8(file.errorString()));
            return std::nullopt;
        }
        json = file.readAll();
    }
    ParsedProfile parsed = parseProfile(json);
    return parsed;
}

void CommandRunner::printReports(const CommandSequence& commands) {
    const int length = session_->selected()->outputReportLength();
    for (const OutgoingCommand& c : commands) {
        (void)frameCommand(c.code, c.payload, length, [&](std::span<const std::uint8_t> report) {
            out_ << (flag("--with-password") ? hexBytes(report) : reportForLog(report)) << "\n";
            return true;
        });
    }
}

// Refusals land in the profile's errors, so they are reported with its own.
void CommandRunner::takeSlaveOptions(ParsedProfile& parsed) const {
    DeviceSettings& target = parsed.values.settings;
    if (a_.values.count("--slave-number")) {
        bool ok = false;
        const int k = a_.values.at("--slave-number").toInt(&ok);
        if (target.DeviceMode != kRoleSlave)
            parsed.errors.push_back("--slave-number: the profile's role is not slave");
        else if (!ok || k < 1 || k > kSlaveNumberItems)
            parsed.errors.push_back("--slave-number: must be 1-32");
        else
            target.SlaveNumber = static_cast<std::uint8_t>(k - 1);
        const bool staticAddress = target.SlaveDhcp == 0 && !isMasterAccessPointName(target.Ssid);
        if (staticAddress && !a_.values.count("--slave-ip"))
            parsed.errors.push_back("--slave-ip: a slave with a static address needs its own address");
    }
    if (a_.values.count("--slave-ip")) {
        const std::optional<Ipv4> address = parseDotted(a_.values.at("--slave-ip"));
        const bool good = address && target.DeviceMode == kRoleSlave;
        if (!good)
            parsed.errors.push_back("--slave-ip: needs a slave profile and an address a.b.c.d");
        else
            target.SlaveIp = ipv4Payload(*address);
    }
}

int CommandRunner::apply() {
    if (a_.positional.size() != 1) return usage("apply needs one FILE or -");
    int exitCode = kExitDone;
    std::optional<ParsedProfile> parsed = loadProfile(exitCode);
    if (!parsed) return exitCode;
    takeSlaveOptions(*parsed);
    if (!parsed->errors.empty()) {
        for (const std::string& e : parsed->errors)
            err_ << e << "\n";
        err_ << "breezekitctl: the profile was refused; nothing was written\n";
        return kExitUsage;
    }

    const std::string model = selectedModel();
    if (!parsed->model.empty() && parsed->model != model)
        err_ << "note: the profile is of a " << parsed->model << ", the unit is a " << model << "\n";
    std::string step;
    const std::optional<UnitValues> now = session_->readParameters(step);
    if (!now) return failed("the unit did not answer: " + step);
    if (!parsed->hasPassword) parsed->values.settings.Password = now->settings.Password;
    const ApplyPlan plan = planApply(parsed->values);
    if (plan.refusal) {
        err_ << *plan.refusal << "\nbreezekitctl: the profile was refused; nothing was written\n";
        return kExitUsage;
    }
    const std::string serial = unitSerial(session_->selected());
    const std::vector<std::string> changes = profileDifferences(
        profileOf(*now, model, serial, true), profileOf(plan.expected, model, serial, true));
    const auto masked = [&](const std::string& line) {
        return line.rfind("wifi.password:", 0) == 0 && !flag("--with-password")
                   ? std::string("wifi.password: changes")
                   : line;
    };
    if (changes.empty()) out_ << "no changes\n";
    for (const std::string& line : changes)
        out_ << "change " << masked(line) << "\n";
    if (flag("--dry-run")) {
        out_ << "would write:\n";
        printReports(plan.wifi);
        printReports(plan.fan);
        return kExitDone;
    }
    if (!session_->send(plan.wifi) || !session_->send(plan.fan)) {
        if (interrupted()) return failed("interrupted; the write group was closed");
        return failed("a write to the unit failed");
    }
    const std::optional<UnitValues> after = session_->readParameters(step);
    if (!after) return failed("the unit did not answer after the apply: " + step);
    const std::vector<std::string> left = profileDifferences(profileOf(plan.expected, model, serial, true),
                                                             profileOf(*after, model, serial, true));
    if (!left.empty()) {
        for (const std::string& line : left)
            out_ << "differs " << masked(line) << "\n";
        return failed("the unit does not hold the profile");
    }
    out_ << "applied and read back\n";
    return kExitDone;
}

int CommandRunner::restore() {
    // The write group stays open, as the window's button leaves it: the unit needs no closing 0 here.
    const std::uint64_t before = session_->link().failedWrites();
    session_->link().SendCommand(CmdWriteSession, numberPayload(kWriteSessionBegin));
    session_->link().SendCommand(CmdRestoreDefaults, numberPayload(kActionByte));
    pause(kRestorePauseMs);
    std::string step;
    const std::optional<UnitValues> values = session_->readParameters(step);
    if (session_->link().failedWrites() != before) return failed("a write to the unit failed");
    if (!values) return failed("the unit did not answer: " + step);
    out_ << "restored the factory values\n";
    return kExitDone;
}

int CommandRunner::resetFilter() {
    const std::uint64_t before = session_->link().failedWrites();
    session_->link().SendCommand(CmdResetFilter, numberPayload(kActionByte));
    if (session_->link().failedWrites() != before) return failed("a write to the unit failed");
    out_ << "filter counter reset\n";
    return kExitDone;
}

} // namespace breezekit::ctl
