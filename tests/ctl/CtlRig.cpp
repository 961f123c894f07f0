#include "CtlRig.h"

#include "protocol/core/Commands.h"

#include <sstream>

namespace breezekit::testing {

CtlRig::CtlRig(const std::vector<sim::FactoryParameters>& units) {
    for (const sim::FactoryParameters& p : units)
        plug(p);
}

std::shared_ptr<sim::VirtualInterface> CtlRig::plug(const sim::FactoryParameters& parameters,
                                                    sim::VirtualAccess access) {
    units_.push_back(platform_.plugUnit(parameters, access));
    return units_.back();
}

CtlRun CtlRig::run(const QStringList& args, const QByteArray& input) {
    std::ostringstream out;
    std::ostringstream err;
    ctl::Environment env;
    env.out = &out;
    env.err = &err;
    env.platform = &platform_;
    env.userProgramMarker = path("user.lock").toStdString();
    env.serviceProgramMarker = path("service.lock").toStdString();
    env.readStdin = [input] { return input; };
    CtlRun result;
    result.code = ctl::runCtl(args, env);
    result.out = out.str();
    result.err = err.str();
    return result;
}

std::vector<std::vector<std::uint8_t>> CtlRig::writes(const sim::VirtualInterface& unit) {
    std::vector<std::vector<std::uint8_t>> result;
    for (const sim::ReceivedReport& r : unit.receivedReports())
        if (r.bytes.size() > 1 && r.bytes[1] != CmdRead) result.push_back(r.bytes);
    return result;
}

} // namespace breezekit::testing
