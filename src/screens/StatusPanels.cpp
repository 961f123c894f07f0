#include "screens/StatusPanels.h"

#include "app/Colours.h"
#include "app/FormBuilder.h"
#include "protocol/core/CounterText.h"
#include "text/CurrentLanguage.h"
#include "text/core/TextRows.h"

#include <QLabel>

namespace breezekit {

StatusPanels::StatusPanels(Controls controls, const CurrentLanguage& language)
    : c_(controls), language_(language) {}

void StatusPanels::showWifiState(bool connected) {
    c_.Panel_Wi_Fi_State_connection->setText(
        language_.text(connected ? kRowWifiConnected : kRowWifiDisconnected));
    paintBackground(c_.Panel_Wi_Fi_State_connection, connected ? kGreen : kRed);
}

void StatusPanels::showMasterState(bool connected) {
    c_.Panel_Master_State_connection->setText(
        language_.text(connected ? kRowMasterConnected : kRowMasterDisconnected));
    paintBackground(c_.Panel_Master_State_connection, connected ? kGreen : kRed);
}

void StatusPanels::showFilterCount(quint32 seconds) {
    lastFilterCount_ = seconds;
    form::setFittedText(c_.Label_Timer_filter,
                        QString::fromStdString(filterCounterText(seconds, language_.index)));
}

void StatusPanels::showNoUnit() {
    showWifiState(false);
    showMasterState(false);
    showFilterCount(0);
}

} // namespace breezekit
