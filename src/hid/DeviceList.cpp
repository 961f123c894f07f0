#include "hid/DeviceList.h"

#include "app/Colours.h"
#include "app/FormBuilder.h"
#include "app/MessageBoxes.h"
#include "hid/ControlText.h"
#include "hid/device/HidDevice.h"
#include "hid/device/UnitLink.h"
#include "protocol/core/Commands.h"
#include "protocol/core/Encodings.h"
#include "screens/StatusPanels.h"
#include "text/CurrentLanguage.h"
#include "text/core/TextRows.h"

#include <QComboBox>
#include <QLabel>
#include <QTimer>

namespace breezekit {

DeviceList::DeviceList(Controls controls, UnitLink& link, StatusPanels& panels,
                       const CurrentLanguage& language, QWidget* window)
    : QObject(window), c_(controls), link_(link), panels_(panels), language_(language), window_(window) {
    connect(&link_, &UnitLink::listRebuilt, this, &DeviceList::show);
    connect(c_.ComboBox_Choose_device, &QComboBox::activated, this,
            [this] { ComboBox_Choose_deviceClick(); });
    link_.setReportHandler(CmdSerialNumber, [this](const InputReport& report) { onSerialNumber(report); });
    connect(&language_, &CurrentLanguage::applied, this, [this] { showTexts(); });
}

void DeviceList::showTexts() {
    if (c_.ComboBox_Choose_device->currentIndex() < 0)
        c_.ComboBox_Choose_device->setEditText(language_.text(kRowNoDevices));
    showAccessTips();
    if (!link_.CurrentDevice()) {
        panels_.showWifiState(false);
        panels_.showMasterState(false);
    }
    // The last count received stays, in the new language.
    panels_.showFilterCount(panels_.lastFilterCount());
}

void DeviceList::show(int kept) {
    QComboBox* box = c_.ComboBox_Choose_device;
    box->clear();
    paintBackground(box, kRed);
    box->setEditText(language_.text(kRowNoDevices));
    const auto& units = link_.listedDevices();
    for (std::size_t i = 0; i < units.size(); ++i)
        box->addItem(
            QStringLiteral("%1. %2").arg(i + 1).arg(QString::fromStdU16String(UnitLink::modelOf(*units[i]))));
    showAccessTips();

    if (units.empty()) {
        form::setAutoSizedText(c_.Label_Serial_number, QString());
        panels_.showNoUnit();
    } else {
        box->setCurrentIndex(kept < 0 ? 0 : kept);
        ComboBox_Choose_deviceClick();
    }
    emit deviceListRebuilt();
}

void DeviceList::showAccessTips() {
    const auto& units = link_.listedDevices();
    // An empty list says where to look: a unit without the access rule is never listed at all.
    c_.ComboBox_Choose_device->setToolTip(units.empty() ? language_.text(kRowNoUnitsTip) : QString());
    for (std::size_t i = 0; i < units.size(); ++i)
        if (UnitLink::accessOf(*units[i]) != UnitAccess::Usable)
            c_.ComboBox_Choose_device->setItemData(static_cast<int>(i), cannotTalkText(*units[i], language_),
                                                   Qt::ToolTipRole);
}

void DeviceList::ComboBox_Choose_deviceClick() {
    const auto& units = link_.listedDevices();
    const int index = c_.ComboBox_Choose_device->currentIndex();
    if (units.empty() || index < 0 || static_cast<std::size_t>(index) >= units.size()) return;
    HidDevice* device = units[static_cast<std::size_t>(index)];
    link_.setCurrentDevice(device);
    paintBackground(c_.ComboBox_Choose_device, kGreen);
    link_.SendCommand(CmdRead, numberPayload(CmdSerialNumber));
    const bool mox = UnitLink::isMox(*device);
    c_.Panel_Direction_Fan_Pavona->setVisible(!mox);
    c_.Panel_Direction_Fan_MOX->setVisible(mox);
    if (UnitLink::accessOf(*device) != UnitAccess::Usable) showCannotTalk(*device);
}

void DeviceList::onSerialNumber(const InputReport& report) {
    form::setAutoSizedText(c_.Label_Serial_number, controlText(report.serialNumber()));
}

QString cannotTalkText(HidDevice& device, const CurrentLanguage& language) {
    if (UnitLink::accessOf(device) == UnitAccess::NoAccess) return language.text(kRowNoAccess);
    return language.text(kRowUnusableUnit).arg(device.inputReportLength()).arg(device.outputReportLength());
}

void DeviceList::showCannotTalk(HidDevice& device) {
    // This unit never answers: nothing of the previous unit may stay on show as if it were this one's.
    form::setAutoSizedText(c_.Label_Serial_number, QString());
    panels_.showWifiState(false);
    panels_.showMasterState(false);
    if (!cannotTalkShown_.insert(device.identity()).second) return;
    // Posted: a modal box runs an event loop of its own, which must not run inside a rebuild.
    QTimer::singleShot(
        0, this, [this, text = cannotTalkText(device, language_)] { messages::showMessage(window_, text); });
}

} // namespace breezekit
