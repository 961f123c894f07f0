#include "hid/device/HandOver.h"

#include <QSocketNotifier>
#include <array>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace breezekit {

HandOver::HandOver(Dispatch dispatch) : dispatch_(std::move(dispatch)) {
    int ends[2];
    if (::pipe2(ends, O_NONBLOCK | O_CLOEXEC) != 0)
        throw std::runtime_error("no pipe for the report hand-over");
    wakeRead_ = ends[0];
    wakeWrite_ = ends[1];
    notifier_ = new QSocketNotifier(wakeRead_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        std::array<char, 64> bytes;
        while (::read(wakeRead_, bytes.data(), bytes.size()) > 0) {
        }
        drain();
    });
}

HandOver::~HandOver() {
    delete notifier_;
    ::close(wakeRead_);
    ::close(wakeWrite_);
}

void HandOver::deliver(HidDevice& device, std::span<const std::uint8_t> report) {
    Item item{&device, report};
    std::unique_lock lock(mutex_);
    const bool wasEmpty = queue_.empty();
    queue_.push_back(&item);
    if (wasEmpty) {
        const char wake = 1;
        // A full pipe means a wake-up is pending already.
        [[maybe_unused]] const auto ignored = ::write(wakeWrite_, &wake, 1);
    }
    changed_.notify_all();
    changed_.wait(lock, [&] { return item.done; });
}

void HandOver::dispatchOne(std::unique_lock<std::mutex>& lock) {
    Item* item = queue_.front();
    queue_.pop_front();
    lock.unlock();
    dispatch_(*item->device, item->report);
    lock.lock();
    item->done = true;
    changed_.notify_all();
}

void HandOver::drain() {
    std::unique_lock lock(mutex_);
    while (!queue_.empty())
        dispatchOne(lock);
}

void HandOver::serveUntil(const std::function<bool()>& done) {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (!queue_.empty()) {
            dispatchOne(lock);
            continue;
        }
        if (done()) return;
        changed_.wait(lock);
    }
}

void HandOver::wake() {
    std::lock_guard lock(mutex_);
    changed_.notify_all();
}

} // namespace breezekit
