#include "ctl/Cli.h"

#include "ctl/CommandRunner.h"

#include <map>
#include <ostream>
#include <set>

namespace breezekit::ctl {

namespace {

const char* kExitCodesHelp =
    "Exit codes:\n"
    "  0  done\n"
    "  1  no answer, not as asked, a write failed, or an apply was interrupted\n"
    "  2  usage error or invalid profile (nothing written)\n"
    "  3  no such unit, no access to it, or it went away during status or search\n"
    "  4  the window program or the service program runs (not checked with --simulate)\n";

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
     "back.\nA profile without a password keeps the unit's. For a slave profile, --slave-number sets "
     "wifi.slaveNumber\nand --slave-ip wifi.slaveIp; with --slave-number, a static slave address also "
     "needs --slave-ip.\n--dry-run prints the reports it would write and writes none; passwords show as "
     "** unless\n--with-password. An interrupt closes an open write group and ends with exit 1.\n"},
    {"restore",
     "Usage: breezekitctl restore\nRestores the unit's factory values, as the window's button does.\n"},
    {"reset-filter",
     "Usage: breezekitctl reset-filter\nResets the filter counter, as the window's button does.\n"},
    {"status",
     "Usage: breezekitctl status [--watch] [--json]\nLink states and the filter counter. --watch prints "
     "a line every second until interrupted (exit 0).\n"},
    {"search", "Usage: breezekitctl search [--json]\nWi-Fi networks in range of the unit's module (at most "
               "15 s);\nexit 1 when none is found.\n"},
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

bool takesValue(const QString& option) {
    return option == "--unit" || option == "--serial" || option == "--slave-number" || option == "--slave-ip";
}

} // namespace

int runCtl(const QStringList& argv, const Environment& env) {
    Args a;
    for (int i = 0; i < argv.size(); ++i) {
        const QString& arg = argv[i];
        if (arg.startsWith("--")) {
            if (takesValue(arg)) {
                if (i + 1 >= argv.size()) {
                    *env.err << "breezekitctl: " << utf8(arg) << " needs a value\n";
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
                                         : "breezekitctl: unknown command " + utf8(a.command))
                 << "\n"
                 << kToolHelp;
        return kExitUsage;
    }
    const std::set<QString> global{"--simulate"};
    for (const QString& f : a.flags)
        if (!global.count(f) && !options->second.count(f)) {
            *env.err << "breezekitctl: " << utf8(a.command) << " takes no " << utf8(f) << "\n";
            return kExitUsage;
        }
    for (const auto& [option, value] : a.values)
        if (option != "--unit" && option != "--serial" && !options->second.count(option)) {
            *env.err << "breezekitctl: " << utf8(a.command) << " takes no " << utf8(option) << "\n";
            return kExitUsage;
        }
    if (a.values.count("--unit") && a.values.count("--serial")) {
        *env.err << "breezekitctl: give --unit or --serial, not both\n";
        return kExitUsage;
    }
    if (a.command != "export" && a.command != "apply" && !a.positional.isEmpty()) {
        *env.err << "breezekitctl: " << utf8(a.command) << " takes no argument " << utf8(a.positional.front())
                 << "\n";
        return kExitUsage;
    }
    CommandRunner runner(a, env);
    return runner.run();
}

} // namespace breezekit::ctl
