#include "hid/device/HidController.h"

#include "hid/device/DeviceReader.h"
#include "hid/device/HidLog.h"

#include <QMetaObject>
#include <algorithm>
#include <exception>

namespace breezekit {

HidController::HidController(HidPlatform& platform)
    : platform_(platform), handOver_([this](HidDevice& device, std::span<const std::uint8_t> report) {
          dispatch(device, report);
      }) {
    connect(&platform_, &HidPlatform::devicesChanged, this, &HidController::deviceChangeNotification);
}

int HidController::runningReaders() const {
    return static_cast<int>(std::count_if(pool_.begin(), pool_.end(), [](const auto& entry) {
        return entry->reader_ && !entry->reader_->finished();
    }));
}

HidController::~HidController() {
    destroying_ = true;
    std::vector<HidDevice*> taken;
    for (auto& entry : pool_) {
        entry->closeSyncHandle();
        entry->pluggedIn_ = false;
        if (entry->reader_) taken.push_back(entry.get());
    }
    stopAndWait(taken);
    pool_.clear();
}

void HidController::startUp() {
    started_ = true;
    handleChange(true);
}

void HidController::deviceChangeNotification() {
    // Before the first scan there is nothing to rebuild: that scan sees every change.
    if (!started_) return;
    handleChange(false);
}

void HidController::handleChange(bool startUp) {
    if (destroying_) return;
    if (handlingChange_ || dispatchDepth_ > 0) {
        pendingChange_ = true;
        return;
    }
    handlingChange_ = true;
    bool forced = startUp;
    // udev sends one event per node, so a change that came meanwhile is scanned for once more.
    do {
        pendingChange_ = false;
        if (scan(forced) && OnDeviceChange) OnDeviceChange();
        forced = false;
    } while (pendingChange_ && !destroying_);
    handlingChange_ = false;
}

std::unique_ptr<HidDevice> HidController::makeEntry(const HidInterfaceInfo& info) {
    HidAccess access = HidAccess::ReadWrite;
    auto handle = platform_.open(info, HidOpenMode::ReadWrite);
    if (!handle) {
        access = HidAccess::IdentificationOnly;
        handle = platform_.open(info, HidOpenMode::IdentificationOnly);
    }
    if (!handle) return nullptr;
    return std::make_unique<HidDevice>(platform_, info, access);
}

std::unique_ptr<HidDevice> HidController::makeEntryOrReport(const HidInterfaceInfo& info) {
    for (;;) {
        if (auto entry = makeEntry(info)) return entry;
        bool handled = false;
        bool retry = false;
        if (OnDeviceCreateError) OnDeviceCreateError(info, handled, retry);
        if (!retry) return nullptr;
    }
}

bool HidController::scan(bool startUp) {
    bool changed = startUp;
    std::vector<std::unique_ptr<HidDevice>> fresh;
    for (const HidInterfaceInfo& info : platform_.enumerate())
        if (auto entry = makeEntryOrReport(info)) fresh.push_back(std::move(entry));

    const auto presentIn = [](const auto& entries, const std::string& identity) {
        return std::any_of(entries.begin(), entries.end(),
                           [&](const auto& e) { return e->pluggedIn_ && e->identity() == identity; });
    };
    for (auto i = static_cast<std::ptrdiff_t>(pool_.size()) - 1; i >= 0; --i) {
        HidDevice& entry = *pool_[static_cast<std::size_t>(i)];
        if (!entry.pluggedIn_ || presentIn(fresh, entry.identity())) continue;
        // A taken entry stays until the list releases it; its reader's reads fail meanwhile.
        entry.closeSyncHandle();
        entry.pluggedIn_ = false;
        if (!entry.taken_) pool_.erase(pool_.begin() + i);
        changed = true;
    }
    for (auto& entry : fresh) {
        if (presentIn(pool_, entry->identity())) continue;
        pool_.push_back(std::move(entry));
        changed = true;
    }
    return changed;
}

void HidController::Enumerate() {
    for (std::size_t i = 0; i < pool_.size(); ++i) {
        HidDevice& entry = *pool_[i];
        if (!entry.pluggedIn_) continue;
        const bool goOn = !OnEnumerate || OnEnumerate(entry, static_cast<int>(i));
        if (!entry.taken_) entry.closeSyncHandle();
        if (!goOn) break;
    }
}

HidDevice* HidController::CheckOutByIndex(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= pool_.size()) return nullptr;
    HidDevice& entry = *pool_[static_cast<std::size_t>(index)];
    if (entry.taken_) return nullptr;
    entry.taken_ = true;
    if (entry.access_ == HidAccess::ReadWrite && OnDeviceData) {
        // The reader reads on a second handle of its own.
        if (auto readHandle = platform_.open(entry.info_, HidOpenMode::ReadWrite)) {
            entry.reader_ = std::make_unique<DeviceReader>(
                entry, std::move(readHandle), entry.inputReportLength(), handOver_,
                DeviceReader::Settings{ThreadSleepTime, PollingDelayTime});
        }
    }
    return &entry;
}

void HidController::stopAndWait(const std::vector<HidDevice*>& devices) {
    std::vector<DeviceReader*> readers;
    for (HidDevice* device : devices)
        if (device->reader_) readers.push_back(device->reader_.get());
    // Ask all first, then wait: a rebuild stalls about one read slice however many units it releases.
    for (DeviceReader* reader : readers)
        reader->requestStop();
    handOver_.serveUntil([&] {
        return std::all_of(readers.begin(), readers.end(), [](DeviceReader* r) { return r->finished(); });
    });
    for (HidDevice* device : devices)
        device->reader_.reset();
}

void HidController::CheckIn(const std::vector<HidDevice*>& devices) {
    stopAndWait(devices);
    for (HidDevice* device : devices) {
        auto place =
            std::find_if(pool_.begin(), pool_.end(), [&](const auto& e) { return e.get() == device; });
        if (place == pool_.end()) continue;
        std::unique_ptr<HidDevice> replacement;
        if (device->pluggedIn_) replacement = makeEntry(device->info_);
        if (replacement)
            *place = std::move(replacement);
        else
            pool_.erase(place);
    }
}

void HidController::dispatch(HidDevice& device, std::span<const std::uint8_t> report) {
    ++dispatchDepth_;
    try {
        if (OnDeviceData && !report.empty() && !destroying_) OnDeviceData(device, InputReport(report));
    } catch (const std::exception& error) {
        // Nothing may cross the event loop: the report is dropped and the reader goes on.
        qCWarning(lcHid) << "a report handler failed; report dropped:" << error.what();
    } catch (...) {
        qCWarning(lcHid) << "a report handler failed; report dropped";
    }
    --dispatchDepth_;
    if (dispatchDepth_ == 0 && pendingChange_ && !handlingChange_ && !destroying_)
        QMetaObject::invokeMethod(this, &HidController::deviceChangeNotification, Qt::QueuedConnection);
}

} // namespace breezekit
