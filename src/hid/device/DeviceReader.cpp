#include "hid/device/DeviceReader.h"

#include "hid/device/HandOver.h"
#include "hid/device/HidPlatform.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace breezekit {

DeviceReader::DeviceReader(HidDevice& device, std::unique_ptr<HidConnection> readHandle,
                           int inputReportLength, HandOver& handOver, Settings settings)
    : device_(device), readHandle_(std::move(readHandle)), inputReportLength_(std::max(inputReportLength, 1)),
      handOver_(handOver), settings_(settings), thread_([this] { run(); }) {}

DeviceReader::~DeviceReader() {
    requestStop();
    if (thread_.joinable()) thread_.join();
}

void DeviceReader::requestStop() {
    {
        std::lock_guard lock(sleepMutex_);
        stop_ = true;
    }
    sleepWake_.notify_all();
}

void DeviceReader::sleepUnlessStopped(int ms) {
    std::unique_lock lock(sleepMutex_);
    sleepWake_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return stop_.load(); });
}

void DeviceReader::run() {
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(inputReportLength_));
    while (!stop_) {
        std::fill(buffer.begin(), buffer.end(), std::uint8_t{0});
        const int count = readHandle_->read(buffer, settings_.threadSleepTimeMs);
        if (count < 0) {
            // The unit went away or refuses reads: try again a slice later until stopped.
            sleepUnlessStopped(settings_.threadSleepTimeMs);
            continue;
        }
        if (count == 0) continue;
        handOver_.deliver(device_,
                          std::span<const std::uint8_t>(buffer.data(), static_cast<std::size_t>(count)));
        if (settings_.pollingDelayTimeMs > 0) sleepUnlessStopped(settings_.pollingDelayTimeMs);
    }
    finished_ = true;
    handOver_.wake();
}

} // namespace breezekit
