#include "protocol/StatusPolling.h"

#include "hid/device/Pause.h"
#include "hid/device/UnitLink.h"
#include "protocol/core/Commands.h"
#include "protocol/core/DeviceSettings.h"
#include "protocol/core/Encodings.h"
#include "protocol/core/Limits.h"
#include "screens/StatusPanels.h"

#include <QTabWidget>
#include <QTimer>

namespace breezekit {

StatusPolling::StatusPolling(Controls controls, DeviceSettings& settings, UnitLink& link,
                             StatusPanels& panels)
    : c_(controls), settings_(settings), link_(link), panels_(panels) {
    connect(c_.Timer3, &QTimer::timeout, this, [this] { Timer3Timer(); });
    link_.setReportHandler(CmdWifiState, [this](const InputReport& report) { onWifiState(report); });
    link_.setReportHandler(CmdMasterState, [this](const InputReport& report) { onMasterState(report); });
    link_.setReportHandler(CmdFilterTime, [this](const InputReport& report) { onFilterTime(report); });
}

void StatusPolling::Timer3Timer() {
    if (link_.CurrentDevice() == nullptr) return;
    link_.SendCommand(CmdRead, numberPayload(CmdWifiState));
    pause(kStatusPollPauseMs);
    link_.SendCommand(CmdRead, numberPayload(CmdMasterState));
    if (c_.PageControl->currentWidget() != c_.Filter) return;
    pause(kStatusPollPauseMs);
    link_.SendCommand(CmdRead, numberPayload(CmdFilterTime));
}

void StatusPolling::onWifiState(const InputReport& report) {
    settings_.WifiConnected = report.payloadByte(1);
    panels_.showWifiState(settings_.WifiConnected != 0);
}

void StatusPolling::onMasterState(const InputReport& report) {
    settings_.MasterConnected = report.payloadByte(1);
    panels_.showMasterState(settings_.MasterConnected != 0);
}

// Kept, so that a change of language shows the last count received in the new language.
void StatusPolling::onFilterTime(const InputReport& report) {
    panels_.showFilterCount(
        secondsFrom24(report.payloadByte(1), report.payloadByte(2), report.payloadByte(3)));
}

} // namespace breezekit
