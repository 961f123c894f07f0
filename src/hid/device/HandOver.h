#pragma once

#include <QObject>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <span>

class QSocketNotifier;

namespace breezekit {

class HidDevice;

// Hands input reports from reader threads to the GUI thread, one at a time: the reader queues a report
// and blocks until the GUI thread has dispatched it. Its own lock and wake-up, so that ThreadSanitizer
// sees every hand-over (it cannot see inside the distribution's Qt).
class HandOver : public QObject {
    Q_OBJECT
  public:
    using Dispatch = std::function<void(HidDevice& device, std::span<const std::uint8_t> report)>;

    // Made on the GUI thread; dispatch runs there.
    explicit HandOver(Dispatch dispatch);
    ~HandOver() override;

    // Reader thread: queues one report and waits until it has been dispatched.
    void deliver(HidDevice& device, std::span<const std::uint8_t> report);

    // GUI thread: dispatches every queued report.
    void drain();
    // GUI thread: dispatches queued reports, and nothing else, until done() holds. done() is evaluated
    // under the hand-over's lock; whoever makes it true calls wake().
    void serveUntil(const std::function<bool()>& done);
    // Any thread: makes serveUntil look at its condition again.
    void wake();

  private:
    struct Item {
        HidDevice* device;
        std::span<const std::uint8_t> report;
        bool done = false;
    };
    void dispatchOne(std::unique_lock<std::mutex>& lock);

    Dispatch dispatch_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Item*> queue_;
    // A pipe wakes the GUI thread: a reader only writes a byte to it and allocates nothing, so the
    // wake-up shares no memory with the GUI thread that ThreadSanitizer could not follow.
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace breezekit
