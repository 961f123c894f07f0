#pragma once

#include "hid/device/UnitLink.h"

#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

namespace breezekit {
class InputReport;
}

namespace breezekit::profile {

// Who asks the unit for each next reply of a chain.
enum class Asking {
    EachStep,  // the chain asks for every code itself: nothing else on the link answers replies
    FirstOnly, // it asks for the first only: a window's read-back asks for each next one as replies come
};

// Asks the selected unit for replies one at a time: CmdRead with a code, then the reply of that code,
// heard by a listener beside the code's own handler, so a window's read-back and polling go on as
// before. Ends after the last code, when a reply does not come in time, when the selected unit changes,
// or on cancel. Never runs an event loop: the caller's loop brings the replies.
class ReplyChain : public QObject {
    Q_OBJECT
  public:
    static constexpr std::chrono::milliseconds kReplyTimeout{1000};

    ~ReplyChain() override;

    bool running() const { return running_; }
    // Every code of the last chain was answered.
    bool complete() const { return complete_; }
    // The code whose reply is awaited, or was awaited when the chain ended without it; 0 before a start.
    std::uint8_t awaitedCode() const { return awaited_; }
    // Ends the chain without finished(); what was taken so far stays.
    void cancel();

  signals:
    // complete: every code was answered. Emitted from the dispatch or a timer: never delete the chain in
    // a slot of it directly (deleteLater).
    void finished(bool complete);

  protected:
    struct Step {
        std::uint8_t code;
        unsigned pauseAfterMs = 0; // after the reply, before the next request the chain writes
    };
    ReplyChain(UnitLink& link, QObject* parent);
    // Starts a new chain; a running one is cancelled first.
    void run(std::vector<Step> steps, Asking asking);
    // One reply of the awaited code, in the chain's order.
    virtual void take(const InputReport& reply) = 0;

  private:
    void ask();
    void listen();
    void onReply(const InputReport& reply);
    void end(bool complete);

    UnitLink& link_;
    std::vector<Step> steps_;
    std::size_t at_ = 0;
    Asking asking_ = Asking::EachStep;
    std::uint8_t awaited_ = 0;
    bool running_ = false;
    bool complete_ = false;
    std::unique_ptr<ReportListener> listener_;
    QTimer timeout_;
};

} // namespace breezekit::profile
