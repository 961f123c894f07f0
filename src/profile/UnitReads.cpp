#include "profile/UnitReads.h"

#include "hid/core/InputReport.h"
#include "protocol/core/Commands.h"
#include "protocol/core/Encodings.h"
#include "protocol/core/Limits.h"
#include "protocol/core/ReadBackTable.h"
#include "protocol/core/ReplyDecoder.h"

namespace breezekit::profile {

ParameterRead::ParameterRead(UnitLink& link, QObject* parent) : ReplyChain(link, parent) {}

void ParameterRead::start(Asking asking) {
    values_ = {};
    std::vector<Step> steps;
    for (const ReadBackStep& step : kReadBackChain)
        steps.push_back({step.reply, kReadBackStepPauseMs});
    run(std::move(steps), asking);
}

void ParameterRead::take(const InputReport& reply) {
    decodeReply(reply.code(), reply.payload(), values_);
}

SerialRead::SerialRead(UnitLink& link, QObject* parent) : ReplyChain(link, parent) {}

void SerialRead::start() {
    serial_.clear();
    run({{CmdSerialNumber}}, Asking::EachStep);
}

void SerialRead::take(const InputReport& reply) {
    const std::u16string text = reply.serialNumber();
    for (char16_t c : cutAtZero(text))
        serial_ += static_cast<char>(c);
}

StatusRead::StatusRead(UnitLink& link, QObject* parent) : ReplyChain(link, parent) {}

// Each request waits for the reply before, so the window's 20 ms between its polls are not needed.
void StatusRead::start() {
    status_ = {};
    run({{CmdWifiState, kReadBackStepPauseMs}, {CmdMasterState, kReadBackStepPauseMs}, {CmdFilterTime}},
        Asking::EachStep);
}

void StatusRead::take(const InputReport& reply) {
    if (reply.code() == CmdWifiState) status_.wifiConnected = reply.payloadByte(1) != 0;
    if (reply.code() == CmdMasterState) status_.masterConnected = reply.payloadByte(1) != 0;
    if (reply.code() == CmdFilterTime)
        status_.filterSeconds =
            secondsFrom24(reply.payloadByte(1), reply.payloadByte(2), reply.payloadByte(3));
}

} // namespace breezekit::profile
