#include "ctl/CommandRunner.h"
#include "ctl/Interrupt.h"
#include "hid/core/Framing.h"
#include "hid/core/ReportText.h"
#include "hid/device/HidDevice.h"
#include "profile/VerifiedApply.h"
#include "protocol/core/Commands.h"
#include "protocol/core/Conversions.h"
#include "protocol/core/Limits.h"
#include "protocol/core/UnitActions.h"

#include <QFile>

namespace breezekit::ctl {

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
    ParsedProfile parsed = profile::parseProfile(json);
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
        const bool staticAddress = target.SlaveDhcp == 0 && slaveWithRouter(target.Ssid);
        if (staticAddress && !a_.values.count("--slave-ip"))
            parsed.errors.push_back("--slave-ip: a slave with a static address needs its own address");
    }
    if (a_.values.count("--slave-ip")) {
        const std::optional<Ipv4> address = parseDottedIpv4(utf8(a_.values.at("--slave-ip")));
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
    using Outcome = profile::VerifiedApply::Outcome;
    profile::VerifiedApply engine(session_->link());
    engine.setStopRequest(interrupted);
    engine.start(parsed->values, !parsed->hasPassword);
    const auto silentStep = [&] { return std::string(parameterName(engine.awaitedCode())); };
    if (!session_->await([&] { return engine.reading(); }) || engine.outcome() == Outcome::Unanswered)
        return failed("the unit did not answer: " + silentStep());
    if (engine.outcome() == Outcome::Refused) {
        err_ << *engine.plan().refusal << "\nbreezekitctl: the profile was refused; nothing was written\n";
        return kExitUsage;
    }
    const auto masked = [&](const std::string& line) {
        return line.rfind("wifi.password:", 0) == 0 && !flag("--with-password")
                   ? std::string("wifi.password: changes")
                   : line;
    };
    const std::vector<std::string> changes = engine.changes();
    if (changes.empty()) out_ << "no changes\n";
    for (const std::string& line : changes)
        out_ << "change " << masked(line) << "\n";
    if (flag("--dry-run")) {
        out_ << "would write:\n";
        printReports(engine.plan().wifi);
        printReports(engine.plan().fan);
        return kExitDone;
    }
    engine.write();
    if (engine.outcome() == Outcome::Stopped) return failed("interrupted; the write group was closed");
    if (engine.outcome() == Outcome::WriteFailed) return failed("a write to the unit failed");
    if (!session_->await([&] { return engine.reading(); }) || engine.outcome() == Outcome::Unanswered)
        return failed("the unit did not answer after the apply: " + silentStep());
    if (engine.outcome() == Outcome::Differs) {
        for (const std::string& line : engine.differences())
            out_ << "differs " << masked(line) << "\n";
        return failed("the unit does not hold the profile");
    }
    out_ << "applied and read back\n";
    return kExitDone;
}

int CommandRunner::restore() {
    const std::uint64_t before = session_->link().failedWrites();
    session_->link().sendSequence(restoreDefaultsCommands());
    std::string step;
    const std::optional<UnitValues> values = session_->readParameters(step);
    if (session_->link().failedWrites() != before) return failed("a write to the unit failed");
    if (!values) return failed("the unit did not answer: " + step);
    out_ << "restored the factory values\n";
    return kExitDone;
}

int CommandRunner::resetFilter() {
    const std::uint64_t before = session_->link().failedWrites();
    session_->link().sendSequence(resetFilterCommands());
    if (session_->link().failedWrites() != before) return failed("a write to the unit failed");
    out_ << "filter counter reset\n";
    return kExitDone;
}

} // namespace breezekit::ctl
