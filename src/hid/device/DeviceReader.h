#pragma once

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace breezekit {

class HandOver;
class HidConnection;
class HidDevice;

// One thread per taken unit: reads its input reports on a handle of its own, in slices, and hands each
// report to the GUI thread, waiting until it has been dispatched.
class DeviceReader {
  public:
    struct Settings {
        int threadSleepTimeMs = 100;
        int pollingDelayTimeMs = 0;
    };

    DeviceReader(HidDevice& device, std::unique_ptr<HidConnection> readHandle, int inputReportLength,
                 HandOver& handOver, Settings settings);
    // Stops the thread and waits for it.
    ~DeviceReader();

    DeviceReader(const DeviceReader&) = delete;
    DeviceReader& operator=(const DeviceReader&) = delete;

    // Asks the thread to end; it sees the request within one slice.
    void requestStop();
    // True once the thread has left its loop; the hand-over is woken then.
    bool finished() const { return finished_.load(); }

  private:
    void run();
    // Waits the given time unless a stop comes first.
    void sleepUnlessStopped(int ms);

    HidDevice& device_;
    std::unique_ptr<HidConnection> readHandle_;
    const int inputReportLength_;
    HandOver& handOver_;
    const Settings settings_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> finished_{false};
    std::mutex sleepMutex_;
    std::condition_variable sleepWake_;
    std::thread thread_;
};

} // namespace breezekit
