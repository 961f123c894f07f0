#include "sim/VirtualInterface.h"

#include <algorithm>
#include <thread>

namespace breezekit::sim {

using Clock = std::chrono::steady_clock;

class VirtualInterface::Connection : public HidConnection {
  public:
    Connection(std::shared_ptr<VirtualInterface> owner, Queue* queue)
        : owner_(std::move(owner)), queue_(queue) {}
    ~Connection() override {
        if (queue_ != nullptr) owner_->closeQueue(queue_);
    }

    HidReportLengths reportLengths() const override { return owner_->setup_.lengths; }
    bool write(std::span<const std::uint8_t> report) override {
        return queue_ != nullptr && owner_->write(report);
    }
    int read(std::span<std::uint8_t> buffer, int timeoutMs) override {
        return queue_ != nullptr ? owner_->read(*queue_, buffer, timeoutMs) : -1;
    }

  private:
    std::shared_ptr<VirtualInterface> owner_;
    Queue* queue_; // none: opened for identification only
};

VirtualInterface::VirtualInterface(VirtualInterfaceSetup setup, HidInterfaceInfo info,
                                   std::unique_ptr<VirtualUnit> unit)
    : setup_(std::move(setup)), info_(std::move(info)), unit_(std::move(unit)) {
    if (unit_) {
        unit_->attach([this](std::vector<std::uint8_t> report, std::chrono::microseconds delay) {
            enqueue(std::move(report), Clock::now() + delay);
        });
    }
}

bool VirtualInterface::plugged() const {
    std::lock_guard lock(mutex_);
    return plugged_;
}

std::unique_ptr<HidConnection> VirtualInterface::open(HidOpenMode mode) {
    std::lock_guard lock(mutex_);
    if (!plugged_ || setup_.access == VirtualAccess::Unopenable) return nullptr;
    if (mode == HidOpenMode::IdentificationOnly)
        return std::make_unique<Connection>(shared_from_this(), nullptr);
    if (setup_.access != VirtualAccess::ReadWrite) return nullptr;
    queues_.emplace_back();
    return std::make_unique<Connection>(shared_from_this(), &queues_.back());
}

void VirtualInterface::closeQueue(Queue* queue) {
    std::lock_guard lock(mutex_);
    queues_.remove_if([&](const Queue& q) { return &q == queue; });
}

void VirtualInterface::unplug() {
    {
        std::lock_guard lock(mutex_);
        plugged_ = false;
    }
    arrived_.notify_all();
}

void VirtualInterface::sendInputReport(std::span<const std::uint8_t> report) {
    enqueue(std::vector<std::uint8_t>(report.begin(), report.end()), Clock::now());
}

void VirtualInterface::enqueue(std::vector<std::uint8_t> report, Clock::time_point due) {
    {
        std::lock_guard lock(mutex_);
        if (!plugged_) return;
        // Reports leave the unit in the order it made them.
        lastDue_ = std::max(lastDue_, due);
        for (Queue& queue : queues_) {
            if (queue.reports.size() == kQueueLimit) queue.reports.pop_front();
            queue.reports.push_back({lastDue_, report});
        }
    }
    arrived_.notify_all();
}

bool VirtualInterface::write(std::span<const std::uint8_t> report) {
    std::chrono::milliseconds stall{0};
    {
        std::lock_guard lock(mutex_);
        if (!plugged_) return false;
        stall = writeStall_;
        if (failingWrites_ && failingWrites_(report)) {
            ++failedWrites_;
            return false;
        }
        if (stall.count() == 0 && recordsReceived_)
            received_.push_back({Clock::now(), {report.begin(), report.end()}});
    }
    if (stall.count() > 0) {
        // Models the kernel waiting out its time-out on an endpoint that takes nothing.
        std::this_thread::sleep_for(stall);
        std::lock_guard lock(mutex_);
        ++failedWrites_;
        return false;
    }
    if (unit_) unit_->receiveOutputReport(report);
    return true;
}

int VirtualInterface::read(Queue& queue, std::span<std::uint8_t> buffer, int timeoutMs) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::unique_lock lock(mutex_);
    for (;;) {
        if (!plugged_) return -1;
        const auto now = Clock::now();
        if (!queue.reports.empty() && queue.reports.front().due <= now) {
            const std::vector<std::uint8_t> report = std::move(queue.reports.front().bytes);
            queue.reports.pop_front();
            ++reportsRead_;
            const std::size_t count = std::min(report.size(), buffer.size());
            std::copy_n(report.begin(), count, buffer.begin());
            return static_cast<int>(count);
        }
        if (now >= deadline) return 0;
        const auto wakeAt = queue.reports.empty() ? deadline : std::min(deadline, queue.reports.front().due);
        arrived_.wait_until(lock, wakeAt);
    }
}

std::vector<ReceivedReport> VirtualInterface::receivedReports() const {
    std::lock_guard lock(mutex_);
    return received_;
}

void VirtualInterface::clearReceivedReports() {
    std::lock_guard lock(mutex_);
    received_.clear();
}

void VirtualInterface::setRecordsReceivedReports(bool records) {
    std::lock_guard lock(mutex_);
    recordsReceived_ = records;
    if (!records) received_ = {};
}

void VirtualInterface::setWriteStall(std::chrono::milliseconds stall) {
    std::lock_guard lock(mutex_);
    writeStall_ = stall;
}

void VirtualInterface::setFailingWrites(std::function<bool(std::span<const std::uint8_t>)> fails) {
    std::lock_guard lock(mutex_);
    failingWrites_ = std::move(fails);
}

int VirtualInterface::reportsRead() const {
    std::lock_guard lock(mutex_);
    return reportsRead_;
}

int VirtualInterface::failedWrites() const {
    std::lock_guard lock(mutex_);
    return failedWrites_;
}

std::size_t VirtualInterface::openConnections() const {
    std::lock_guard lock(mutex_);
    return queues_.size();
}

} // namespace breezekit::sim
