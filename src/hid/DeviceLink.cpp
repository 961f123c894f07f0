#include "hid/DeviceLink.h"

#include "app/Colours.h"
#include "app/FormBuilder.h"
#include "app/MessageBoxes.h"
#include "app/TForm1.h"
#include "hid/Framing.h"
#include "hid/HidController.h"
#include "hid/HidLog.h"
#include "hid/ReportText.h"
#include "protocol/Commands.h"
#include "text/TextRows.h"

#include <QComboBox>
#include <QStringList>
#include <QTimer>
#include <algorithm>

namespace breezekit {

namespace {
constexpr std::uint16_t kUnitVendorId = 0x0483;
constexpr std::uint16_t kUnitProductId = 0x5750;
constexpr char16_t kModelPavona[] = u"Pavona";
constexpr char16_t kModelMox[] = u"Pavona MOX";

bool isMox(const HidDevice& device) {
    return device.productString() == kModelMox;
}
} // namespace

std::u16string InputReport::text() const {
    return reportText(data, size);
}

QString controlText(std::u16string_view reportText) {
    const std::u16string_view shown = cutAtZero(reportText);
    return QString::fromUtf16(shown.data(), static_cast<qsizetype>(shown.size()));
}

DeviceLink::DeviceLink(TForm1& form, HidPlatform& platform)
    : form_(form), controller_(std::make_unique<HidController>(platform)) {
    controller_->OnDeviceChange = [this] { JvHidDeviceController1DeviceChange(); };
    controller_->OnEnumerate = [this](HidDevice& device, int index) {
        return JvHidDeviceController1Enumerate(device, index);
    };
    // The interface is skipped without a message; every later scan tries it again.
    controller_->OnDeviceCreateError = [](const HidInterfaceInfo&, bool& handled, bool&) { handled = true; };
    controller_->OnDeviceData = [this](HidDevice& device, std::uint8_t reportId, const std::uint8_t* data,
                                       std::uint16_t size) {
        JvHidDeviceController1DeviceData(device, reportId, data, size);
    };
    connect(form_.ComboBox_Choose_device, &QComboBox::activated, this,
            [this] { ComboBox_Choose_deviceClick(); });
    setReportHandler(CmdSerialNumber, [this](const InputReport& report) { onSerialNumber(report); });
}

DeviceLink::~DeviceLink() {
    shutdown();
}

void DeviceLink::shutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    form_.CurrentDevice = nullptr;
    controller_->OnDeviceChange = nullptr;
    controller_->CheckIn(items_);
    items_.clear();
}

void DeviceLink::setReportHandler(std::uint8_t code, ReportHandler handler) {
    handlers_[code] = std::move(handler);
}

bool DeviceLink::noDeviceGuard() {
    if (form_.CurrentDevice != nullptr) return false;
    messages::showMessage(&form_, form_.text(kRowPleaseSelectDevice));
    return true;
}

void DeviceLink::stopWritesUntilIdle(HidDevice* device) {
    if (writesStopped_ == device) return;
    writesStopped_ = device;
    // Back in the event loop the current handler has ended: its successor may try the unit again.
    QTimer::singleShot(0, this, [this] { writesStopped_ = nullptr; });
}

void DeviceLink::SendCommand(std::uint8_t code, std::u16string_view payload) {
    HidDevice* device = form_.CurrentDevice;
    if (device == nullptr || device == writesStopped_) return;
    const int length = device->outputReportLength();
    if (!canFrame(length)) {
        qCDebug(lcHid) << "no write: output report length" << length << "cannot carry a command";
        return;
    }
    frameCommand(code, payload, length, [&](std::span<const std::uint8_t> report) {
        qCDebug(lcHid).noquote() << "tx" << QString::fromStdString(hexBytes(report));
        if (device->write(report)) return true;
        // A unit that stopped taking reports can block each write for the kernel's time-out, so one
        // failed write ends this handler's writes to it.
        stopWritesUntilIdle(device);
        return false;
    });
}

void DeviceLink::JvHidDeviceController1DeviceData(HidDevice& device, std::uint8_t reportId,
                                                  const std::uint8_t* data, std::uint16_t size) {
    if (lcHid().isDebugEnabled()) {
        std::vector<std::uint8_t> whole;
        whole.reserve(size + 1u);
        whole.push_back(reportId);
        whole.insert(whole.end(), data, data + size);
        qCDebug(lcHid).noquote() << "rx" << QString::fromStdString(hexBytes(whole));
    }
    if (&device != form_.CurrentDevice) return;
    const InputReport report{data, size};
    const std::uint8_t code = report.code();
    if (!isHandledCode(code) || !handlers_[code]) return;
    handlers_[code](report);
}

void DeviceLink::onSerialNumber(const InputReport& report) {
    form::setAutoSizedText(form_.Label_Serial_number,
                           controlText(serialNumberText(report.data, report.size)));
}

void DeviceLink::JvHidDeviceController1DeviceChange() {
    // The rebuild keeps the user's unit selected when it is still listed.
    const std::string keep = form_.CurrentDevice ? form_.CurrentDevice->identity() : std::string();
    form_.CurrentDevice = nullptr;
    writesStopped_ = nullptr;
    const std::vector<HidDevice*> released = std::move(items_);
    items_.clear();
    controller_->CheckIn(released);

    QComboBox* box = form_.ComboBox_Choose_device;
    box->clear();
    paintBackground(box, kRed);
    box->setEditText(form_.text(kRowNoDevices));

    controller_->Enumerate();

    QStringList listed;
    for (int i = 0; i < box->count(); ++i)
        listed << QStringLiteral("%1 [%2]").arg(box->itemText(i),
                                                QString::fromStdString(items_[i]->identity()));
    qCDebug(lcHid).noquote() << "device list:"
                             << (listed.isEmpty() ? QStringLiteral("(none)") : listed.join(", "));

    if (items_.empty()) {
        clearWhenNoUnit();
    } else {
        const auto kept =
            std::find_if(items_.begin(), items_.end(), [&](HidDevice* d) { return d->identity() == keep; });
        box->setCurrentIndex(kept == items_.end() ? 0 : static_cast<int>(kept - items_.begin()));
        ComboBox_Choose_deviceClick();
    }
    emit deviceListRebuilt();
}

bool DeviceLink::JvHidDeviceController1Enumerate(HidDevice& device, int index) {
    if (device.vendorId() != kUnitVendorId || device.productId() != kUnitProductId) return true;
    const QString model = QString::fromUtf16(isMox(device) ? kModelMox : kModelPavona);
    HidDevice* taken = controller_->CheckOutByIndex(index);
    if (taken == nullptr) return true;
    QComboBox* box = form_.ComboBox_Choose_device;
    box->addItem(QStringLiteral("%1. %2").arg(items_.size() + 1).arg(model));
    items_.push_back(taken);
    showAccessTips();
    return true;
}

void DeviceLink::showAccessTips() {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i]->access() == HidAccess::IdentificationOnly)
            form_.ComboBox_Choose_device->setItemData(static_cast<int>(i), form_.text(kRowNoAccess),
                                                      Qt::ToolTipRole);
}

void DeviceLink::ComboBox_Choose_deviceClick() {
    QComboBox* box = form_.ComboBox_Choose_device;
    const int index = box->currentIndex();
    if (items_.empty() || index < 0 || static_cast<std::size_t>(index) >= items_.size()) return;
    HidDevice* device = items_[static_cast<std::size_t>(index)];
    form_.CurrentDevice = device;
    paintBackground(box, kGreen);
    SendCommand(CmdRead, std::u16string(1, char16_t{CmdSerialNumber}));
    const bool mox = isMox(*device);
    form_.Panel_Direction_Fan_Pavona->setVisible(!mox);
    form_.Panel_Direction_Fan_MOX->setVisible(mox);
    if (device->access() == HidAccess::IdentificationOnly) showNoAccess(*device);
}

void DeviceLink::showNoAccess(HidDevice& device) {
    // This unit never answers: nothing of the previous unit may stay on show as if it were this one's.
    form::setAutoSizedText(form_.Label_Serial_number, QString());
    form_.showWifiState(false);
    form_.showMasterState(false);
    if (!noAccessShown_.insert(device.identity()).second) return;
    // Posted: a modal box runs an event loop of its own, which must not run inside a rebuild.
    QTimer::singleShot(0, this, [this] { messages::showMessage(&form_, form_.text(kRowNoAccess)); });
}

void DeviceLink::clearWhenNoUnit() {
    form_.CurrentDevice = nullptr;
    form::setAutoSizedText(form_.Label_Serial_number, QString());
    form_.showWifiState(false);
    form_.showMasterState(false);
    form_.LastFilterCount = 0;
    form_.showFilterCount();
}

} // namespace breezekit
