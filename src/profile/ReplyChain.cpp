#include "profile/ReplyChain.h"

#include "hid/core/InputReport.h"
#include "hid/device/HidDevice.h"
#include "hid/device/Pause.h"
#include "protocol/core/UnitActions.h"

namespace breezekit::profile {

ReplyChain::ReplyChain(UnitLink& link, QObject* parent) : QObject(parent), link_(link) {
    timeout_.setSingleShot(true);
    timeout_.setTimerType(Qt::PreciseTimer);
    connect(&timeout_, &QTimer::timeout, this, [this] { end(false); });
    // A reply from another unit is no reply to this chain.
    connect(&link_, &UnitLink::currentDeviceChanged, this, [this] {
        if (running_) end(false);
    });
}

ReplyChain::~ReplyChain() = default;

void ReplyChain::run(std::vector<Step> steps, Asking asking) {
    cancel();
    steps_ = std::move(steps);
    asking_ = asking;
    at_ = 0;
    running_ = true;
    complete_ = false;
    if (steps_.empty()) return end(true);
    ask();
}

void ReplyChain::cancel() {
    running_ = false;
    timeout_.stop();
    listener_.reset();
}

void ReplyChain::listen() {
    awaited_ = steps_[at_].code;
    listener_ = std::make_unique<ReportListener>(link_, awaited_,
                                                 [this](const InputReport& reply) { onReply(reply); });
    timeout_.start(kReplyTimeout);
}

void ReplyChain::ask() {
    listen();
    if (at_ == 0 || asking_ == Asking::EachStep) link_.sendSequence({readRequest(awaited_)});
}

void ReplyChain::onReply(const InputReport& reply) {
    if (!running_ || reply.code() != awaited_) return;
    timeout_.stop();
    take(reply);
    // the unit is paced as the window's read-back paces it, before the next request goes out
    if (asking_ == Asking::EachStep && steps_[at_].pauseAfterMs > 0) pause(steps_[at_].pauseAfterMs);
    if (++at_ == steps_.size()) return end(true);
    ask();
}

void ReplyChain::end(bool complete) {
    if (!running_) return;
    cancel();
    complete_ = complete;
    emit finished(complete);
}

} // namespace breezekit::profile
