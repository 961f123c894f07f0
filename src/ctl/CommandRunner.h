#pragma once

#include "ctl/Cli.h"
#include "ctl/Session.h"
#include "profile/Profile.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <string>

namespace breezekit {
class HidDevice;
}

namespace breezekit::ctl {

using profile::ParsedProfile;
using profile::profileLines;
using profile::profileOf;

// One command line, split: flags without a value, options with one, and the words after the command.
struct Args {
    QString command;
    std::set<QString> flags;
    std::map<QString, QString> values;
    QStringList positional;
};

inline std::string utf8(const QString& text) {
    return text.toStdString();
}

// Runs one checked command line against one session: picks the unit, then runs the command.
class CommandRunner {
  public:
    CommandRunner(const Args& args, const Environment& env)
        : a_(args), env_(env), out_(*env.out), err_(*env.err) {}

    int run();

  private:
    bool flag(const char* f) const { return a_.flags.count(f) != 0; }
    int complain(const std::string& message, ExitCode code) {
        err_ << "breezekitctl: " << message << "\n";
        return code;
    }
    int usage(const std::string& message) { return complain(message, kExitUsage); }
    int failed(const std::string& message) { return complain(message, kExitFailed); }
    int noUnit(const std::string& message) { return complain(message, kExitNoUnit); }
    int busyCheck();
    int chooseUnit();
    std::string unitSerial(HidDevice* unit);
    std::string selectedModel() const;

    // The commands that only read from the unit.
    int list();
    int show();
    int exportProfile();
    int status();
    int search();
    QJsonObject statusJson(const UnitStatus& s) const;
    std::string statusLine(const UnitStatus& s) const;

    // The commands that write to the unit.
    int apply();
    int restore();
    int resetFilter();
    std::optional<ParsedProfile> loadProfile(int& exitCode);
    void takeSlaveOptions(ParsedProfile& parsed) const;
    void printReports(const CommandSequence& commands);

    const Args& a_;
    const Environment& env_;
    std::ostream& out_;
    std::ostream& err_;
    std::unique_ptr<HidPlatform> platform_;
    std::unique_ptr<Session> session_;
    std::map<HidDevice*, std::optional<std::string>> serials_;
};

} // namespace breezekit::ctl
