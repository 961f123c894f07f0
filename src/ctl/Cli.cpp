#include "ctl/Cli.h"

#include "app/FlockInstanceMarkers.h"
#include "ctl/ApplyPlan.h"
#include "ctl/Interrupt.h"
#include "ctl/Profile.h"
#include "ctl/Session.h"
#include "hid/core/Framing.h"
#include "hid/core/ReportText.h"
#include "hid/device/HidDevice.h"
#include "hid/device/Pause.h"
#include "protocol/core/Commands.h"
#include "protocol/core/Conversions.h"
#include "protocol/core/CounterText.h"
#include "protocol/core/NetworkSearch.h"
#include "protocol/core/ReadBackTable.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <map>
#include <ostream>
#include <set>

namespace breezekit::ctl {

namespace {

constexpr unsigned long kRestorePauseMs = 200;
constexpr std::uint8_t kActionByte = 0;
constexpr std::chrono::milliseconds kSearchLimit{15000};
constexpr std::chrono::milliseconds kSearchRepeat{2000};
constexpr std::chrono::milliseconds kSearchAfterFirst{1500};

const char* kExitCodesHelp = "Exit codes:\n"
                             "  0  done\n"
                             "  1  no answer, not as asked, or a write failed\n"
                             "  2  usage error or invalid profile (nothing written)\n"
                             "  3  no such unit, no access to it, or it went away\n"
                             "  4  the window program or the service program runs\n";

const char* kToolHelp = "Usage: breezekitctl [--simulate] [--unit N | --serial S] COMMAND [OPTIONS]\n"
                        "Configures ventilation units over USB without a window.\n\n"
                        "Commands:\n"
                        "  list            the plugged units\n"
                        "  show            the unit's parameters and status\n"
                        "  export FILE|-   writes the unit's profile\n"
                        "  apply FILE|-    sends a profile to the unit and checks it\n"
                        "  restore         restores the factory values\n"
                        "  reset-filter    resets the filter counter\n"
                        "  status          link states and filter counter\n"
                        "  search          Wi-Fi networks in range\n\n"
                        "Options:\n"
                        "  --unit N        the unit at position N of the list (from 1)\n"
                        "  --serial S      the unit with serial number S\n"
                        "  --simulate      two virtual units instead of the real ones\n"
                        "  --help          this text; COMMAND --help for a command\n"
                        "  --version       the version\n\n";

const std::map<QString, const char*> kCommandHelp{
    {"list",
     "Usage: breezekitctl list [--json]\nThe plugged units: position, model, serial number, access.\n"},
    {"show",
     "Usage: breezekitctl show [--json] [--with-password]\nReads the 22 parameters, the link states and "
     "the filter counter.\nThe password shows as ** unless --with-password.\n"},
    {"export",
     "Usage: breezekitctl export [--with-password] FILE|-\nWrites the unit's profile (JSON). The "
     "password is written only with --with-password,\nand such a file is made readable by its owner "
     "only. The old file stays when writing fails.\n"},
    {"apply",
     "Usage: breezekitctl apply FILE|- [--slave-number K] [--slave-ip A] [--dry-run] [--with-password]\n"
     "Checks the whole profile, sends it as the window's Apply Wi-Fi and Apply Fan do, and reads it "
     "back.\nA profile without a password keeps the unit's. --slave-number overrides wifi.slaveNumber "
     "of a slave\n(a static slave address also needs --slave-ip). --dry-run prints the reports it "
     "would write\nand writes none; passwords show as ** unless --with-password.\n"},
    {"restore",
     "Usage: breezekitctl restore\nRestores the unit's factory values, as the window's button does.\n"},
    {"reset-filter",
     "Usage: breezekitctl reset-filter\nResets the filter counter, as the window's button does.\n"},
    {"status",
     "Usage: breezekitctl status [--watch] [--json]\nLink states and the filter counter. --watch prints "
     "a line every second until interrupted.\n"},
    {"search",
     "Usage: breezekitctl search [--json]\nWi-Fi networks in range of the unit's module (at most 15 s).\n"},
};

const std::map<QString, std::set<QString>> kCommandOptions{
    {"list", {"--json"}},
    {"show", {"--json", "--with-password"}},
    {"export", {"--with-password"}},
    {"apply", {"--slave-number", "--slave-ip", "--dry-run", "--with-password"}},
    {"restore", {}},
    {"reset-filter", {}},
    {"status", {"--watch", "--json"}},
    {"search", {"--json"}},
};

struct Args {
    QString command;
    std::set<QString> flags;
    std::map<QString, QString> values;
    QStringList positional;
};

bool takesValue(const QString& option) {
    return option == "--unit" || option == "--serial" || option == "--slave-number" || option == "--slave-ip";
}

std::string str(const QString& s) {
    return s.toStdString();
}

std::string serialText(const std::optional<std::string>& serial) {
    return serial ? *serial : std::string("?");
}

class Runner {
  public:
    Runner(const Args& args, const Environment& env) : a_(args), env_(env), out_(*env.out), err_(*env.err) {}

    int run();

  private:
    bool flag(const char* f) const { return a_.flags.count(f) != 0; }
    int usage(const std::string& message) {
        err_ << "breezekitctl: " << message << "\n";
        return kExitUsage;
    }
    int failed(const std::string& message) {
        err_ << "breezekitctl: " << message << "\n";
        return kExitFailed;
    }
    int noUnit(const std::string& message) {
        err_ << "breezekitctl: " << message << "\n";
        return kExitNoUnit;
    }
    int busyCheck();
    int chooseUnit();
    std::string unitSerial(HidDevice* unit);

    int list();
    int show();
    int exportProfile();
    int apply();
    int restore();
    int resetFilter();
    int status();
    int search();

    QJsonObject statusJson(const UnitStatus& s) const;
    std::string statusLine(const UnitStatus& s) const;
    void printReports(const CommandSequence& commands);
    std::optional<ParsedProfile> loadProfile(int& exitCode);

    const Args& a_;
    const Environment& env_;
    std::ostream& out_;
    std::ostream& err_;
    std::unique_ptr<HidPlatform> platform_;
    std::unique_ptr<Session> session_;
    std::map<HidDevice*, std::optional<std::string>> serials_;
};

int Runner::busyCheck() {
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

std::string Runner::unitSerial(HidDevice* unit) {
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

int Runner::chooseUnit() {
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
        const std::string wanted = str(a_.values.at("--serial"));
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
                       str(QString::fromStdU16String(UnitLink::modelOf(*units[i]))) + ", serial " +
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

int Runner::run() {
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

int Runner::list() {
    const auto& units = session_->units();
    QJsonArray array;
    for (std::size_t i = 0; i < units.size(); ++i) {
        HidDevice* unit = units[i];
        const std::string serial = unitSerial(unit);
        const UnitAccess access = UnitLink::accessOf(*unit);
        const char* accessText = access == UnitAccess::Usable     ? "usable"
                                 : access == UnitAccess::NoAccess ? "no access"
                                                                  : "unusable reports";
        const QString model = QString::fromStdU16String(UnitLink::modelOf(*unit));
        if (flag("--json")) {
            array.append(QJsonObject{{"position", static_cast<int>(i + 1)},
                                     {"model", model},
                                     {"serial", QString::fromStdString(serial)},
                                     {"access", accessText}});
        } else {
            out_ << i + 1 << ". " << str(model) << "  serial " << serial << "  " << accessText;
            if (access == UnitAccess::NoAccess)
                out_ << " (install the udev rule 70-breezekit.rules, see README, and plug it in again)";
            out_ << "\n";
        }
    }
    if (flag("--json")) out_ << QJsonDocument(array).toJson(QJsonDocument::Indented).toStdString();
    return kExitDone;
}

QJsonObject Runner::statusJson(const UnitStatus& s) const {
    return {{"wifiConnected", s.wifiConnected},
            {"masterConnected", s.masterConnected},
            {"filterSeconds", static_cast<qint64>(s.filterSeconds)}};
}

std::string Runner::statusLine(const UnitStatus& s) const {
    const std::uint32_t t = s.filterSeconds;
    return std::string("Wi-Fi ") + (s.wifiConnected ? "connected" : "disconnected") + ", master " +
           (s.masterConnected ? "connected" : "disconnected") + ", filter " + std::to_string(t / 86400) +
           " d " + std::to_string(t / 3600 % 24) + " h " + std::to_string(t / 60 % 60) + " min " +
           std::to_string(t % 60) + " s";
}

int Runner::show() {
    std::string step;
    const std::optional<UnitValues> values = session_->readParameters(step);
    if (!values) return failed("the unit did not answer: " + step);
    const std::optional<UnitStatus> st = session_->readStatus(step);
    if (!st) return failed("the unit did not answer: " + step);
    const std::string model = str(QString::fromStdU16String(UnitLink::modelOf(*session_->selected())));
    QJsonObject profile = profileOf(*values, model, unitSerial(session_->selected()), true);
    if (!flag("--with-password")) {
        QJsonObject wifi = profile["wifi"].toObject();
        wifi["password"] = QStringLiteral("**");
        profile["wifi"] = wifi;
    }
    if (flag("--json")) {
        profile["status"] = statusJson(*st);
        out_ << QJsonDocument(profile).toJson(QJsonDocument::Indented).toStdString();
    } else {
        for (const std::string& line : profileLines(profile))
            out_ << line << "\n";
        out_ << "status: " << statusLine(*st) << "\n";
    }
    out_.flush();
    return kExitDone;
}

int Runner::exportProfile() {
    if (a_.positional.size() != 1) return usage("export needs one FILE or -");
    std::string step;
    const std::optional<UnitValues> values = session_->readParameters(step);
    if (!values) return failed("the unit did not answer: " + step);
    const bool withPassword = flag("--with-password");
    const std::string model = str(QString::fromStdU16String(UnitLink::modelOf(*session_->selected())));
    const QByteArray json =
        QJsonDocument(profileOf(*values, model, unitSerial(session_->selected()), withPassword)).toJson();
    const QString target = a_.positional.front();
    if (target == "-") {
        out_ << json.toStdString();
        return kExitDone;
    }
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return failed("cannot write " + str(target) + ": " + str(file.errorString()));
    // before the first byte, so the password is never readable by others
    if (withPassword && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return failed("cannot restrict " + str(target) + " to its owner");
    if (file.write(json) != json.size() || !file.commit())
        return failed("cannot write " + str(target) + ": " + str(file.errorString()));
    err_ << "exported to " << str(target) << "\n";
    return kExitDone;
}

std::optional<ParsedProfile> Runner::loadProfile(int& exitCode) {
    const QString source = a_.positional.front();
    QByteArray json;
    if (source == "-") {
        json = env_.readStdin ? env_.readStdin() : QByteArray();
    } else {
        QFile file(source);
        if (!file.open(QIODevice::ReadOnly)) {
            exitCode = usage("cannot read " + str(source) + ": " + str(file.errorString()));
            return std::nullopt;
        }
        json = file.readAll();
    }
    ParsedProfile parsed = parseProfile(json);
    return parsed;
}

void Runner::printReports(const CommandSequence& commands) {
    const int length = session_->selected()->outputReportLength();
    for (const OutgoingCommand& c : commands) {
        (void)frameCommand(c.code, c.payload, length, [&](std::span<const std::uint8_t> report) {
            out_ << (flag("--with-password") ? hexBytes(report) : reportForLog(report)) << "\n";
            return true;
        });
    }
}

int Runner::apply() {
    if (a_.positional.size() != 1) return usage("apply needs one FILE or -");
    int exitCode = kExitDone;
    std::optional<ParsedProfile> parsed = loadProfile(exitCode);
    if (!parsed) return exitCode;
    DeviceSettings& target = parsed->values.settings;
    if (a_.values.count("--slave-number")) {
        bool ok = false;
        const int k = a_.values.at("--slave-number").toInt(&ok);
        if (target.DeviceMode != kRoleSlave)
            parsed->errors.push_back("--slave-number: the profile's role is not slave");
        else if (!ok || k < 1 || k > kSlaveNumberItems)
            parsed->errors.push_back("--slave-number: must be 1-32");
        else
            target.SlaveNumber = static_cast<std::uint8_t>(k - 1);
        const bool staticAddress = target.SlaveDhcp == 0 && !isMasterAccessPointName(target.Ssid);
        if (staticAddress && !a_.values.count("--slave-ip"))
            parsed->errors.push_back("--slave-ip: a slave with a static address needs its own address");
    }
    if (a_.values.count("--slave-ip")) {
        const QStringList parts = a_.values.at("--slave-ip").split('.');
        Ipv4 address{};
        bool good = parts.size() == 4 && target.DeviceMode == kRoleSlave;
        for (int i = 0; good && i < 4; ++i) {
            bool ok = false;
            const int n = parts[i].toInt(&ok);
            good = ok && n >= 0 && n <= 255;
            address[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(n);
        }
        if (!good)
            parsed->errors.push_back("--slave-ip: needs a slave profile and an address a.b.c.d");
        else
            target.SlaveIp = ipv4Payload(address);
    }
    if (!parsed->errors.empty()) {
        for (const std::string& e : parsed->errors)
            err_ << e << "\n";
        err_ << "breezekitctl: the profile was refused; nothing was written\n";
        return kExitUsage;
    }

    const std::string model = str(QString::fromStdU16String(UnitLink::modelOf(*session_->selected())));
    if (!parsed->model.empty() && parsed->model != model)
        err_ << "note: the profile is of a " << parsed->model << ", the unit is a " << model << "\n";
    std::string step;
    const std::optional<UnitValues> now = session_->readParameters(step);
    if (!now) return failed("the unit did not answer: " + step);
    if (!parsed->hasPassword) target.Password = now->settings.Password;
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

int Runner::restore() {
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

int Runner::resetFilter() {
    const std::uint64_t before = session_->link().failedWrites();
    session_->link().SendCommand(CmdResetFilter, numberPayload(kActionByte));
    if (session_->link().failedWrites() != before) return failed("a write to the unit failed");
    out_ << "filter counter reset\n";
    return kExitDone;
}

int Runner::status() {
    for (;;) {
        std::string step;
        const std::optional<UnitStatus> st = session_->readStatus(step);
        if (session_->unitGone()) return noUnit("the unit went away");
        if (!st) return interrupted() ? kExitDone : failed("the unit did not answer: " + step);
        if (flag("--json"))
            out_ << QJsonDocument(statusJson(*st)).toJson(QJsonDocument::Compact).toStdString() << "\n";
        else
            out_ << statusLine(*st) << "\n";
        out_.flush();
        if (!flag("--watch")) return kExitDone;
        session_->waitUntil([this] { return session_->unitGone(); }, std::chrono::milliseconds(1000));
        if (interrupted()) return kExitDone;
        if (session_->unitGone()) return noUnit("the unit went away");
    }
}

int Runner::search() {
    QStringList names;
    session_->link().setReportHandler(CmdSearch, [&](const InputReport& report) {
        names << QString::fromStdU16String(std::u16string(cutAtZero(networkNameOfLine(report.text()))));
    });
    QElapsedTimer clock;
    clock.start();
    session_->link().sendSequence(searchRequestCommands());
    const auto elapsed = [&] { return std::chrono::milliseconds(clock.elapsed()); };
    // as the window's Timer1: ask again every 2 s until the first network
    while (names.isEmpty() && elapsed() < kSearchLimit && !interrupted() && !session_->unitGone()) {
        const auto next = std::min(kSearchRepeat, kSearchLimit - elapsed());
        if (!session_->waitUntil([&] { return !names.isEmpty() || session_->unitGone(); }, next) &&
            names.isEmpty() && elapsed() < kSearchLimit)
            session_->link().sendSequence(searchRequestCommands());
    }
    // as Timer2: listen a little longer after the first
    if (!names.isEmpty())
        session_->waitUntil(
            [] { return false; },
            std::min(kSearchAfterFirst, std::max(kSearchLimit - elapsed(), std::chrono::milliseconds(0))));
    if (session_->unitGone()) return noUnit("the unit went away");
    session_->link().sendSequence(searchEndCommands());
    session_->link().setReportHandler(CmdSearch, nullptr);
    if (flag("--json")) {
        out_
            << QJsonDocument(QJsonArray::fromStringList(names)).toJson(QJsonDocument::Indented).toStdString();
    } else {
        for (const QString& name : names)
            out_ << str(name) << "\n";
    }
    if (names.isEmpty()) return failed("no network found");
    return kExitDone;
}

} // namespace

int runCtl(const QStringList& argv, const Environment& env) {
    Args a;
    for (int i = 0; i < argv.size(); ++i) {
        const QString& arg = argv[i];
        if (arg.startsWith("--")) {
            if (takesValue(arg)) {
                if (i + 1 >= argv.size()) {
                    *env.err << "breezekitctl: " << str(arg) << " needs a value\n";
                    return kExitUsage;
                }
                a.values[arg] = argv[++i];
            } else {
                a.flags.insert(arg);
            }
        } else if (a.command.isEmpty()) {
            a.command = arg;
        } else {
            a.positional << arg;
        }
    }
    if (a.flags.count("--version")) {
        *env.out << BREEZEKIT_CTL_VERSION << "\n";
        return kExitDone;
    }
    if (a.flags.count("--help")) {
        const auto help = kCommandHelp.find(a.command);
        *env.out << (help != kCommandHelp.end() ? help->second : kToolHelp) << "\n" << kExitCodesHelp;
        return kExitDone;
    }
    const auto options = kCommandOptions.find(a.command);
    if (options == kCommandOptions.end()) {
        *env.err << (a.command.isEmpty() ? std::string("breezekitctl: no command")
                                         : "breezekitctl: unknown command " + str(a.command))
                 << "\n"
                 << kToolHelp;
        return kExitUsage;
    }
    const std::set<QString> global{"--simulate"};
    for (const QString& f : a.flags)
        if (!global.count(f) && !options->second.count(f)) {
            *env.err << "breezekitctl: " << str(a.command) << " takes no " << str(f) << "\n";
            return kExitUsage;
        }
    for (const auto& [option, value] : a.values)
        if (option != "--unit" && option != "--serial" && !options->second.count(option)) {
            *env.err << "breezekitctl: " << str(a.command) << " takes no " << str(option) << "\n";
            return kExitUsage;
        }
    if (a.values.count("--unit") && a.values.count("--serial")) {
        *env.err << "breezekitctl: give --unit or --serial, not both\n";
        return kExitUsage;
    }
    if (a.command != "export" && a.command != "apply" && !a.positional.isEmpty()) {
        *env.err << "breezekitctl: " << str(a.command) << " takes no argument " << str(a.positional.front())
                 << "\n";
        return kExitUsage;
    }
    Runner runner(a, env);
    return runner.run();
}

} // namespace breezekit::ctl
