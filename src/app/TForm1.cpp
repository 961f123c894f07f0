#include "app/TForm1.h"

#include "app/Colours.h"
#include "app/FormBuilder.h"
#include "hid/DeviceLink.h"
#include "protocol/CounterText.h"
#include "protocol/ReadBack.h"
#include "protocol/StatusPolling.h"
#include "screens/ConnectionRules.h"
#include "screens/DeviceActions.h"
#include "screens/FanPage.h"
#include "screens/WifiPage.h"
#include "text/LanguageSwitch.h"
#include "text/TextTable.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

namespace breezekit {

TForm1::TForm1(Environment env, QWidget* parent) : QWidget(parent), env_(env) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ZEPHA BreezeKit"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFont(form::captionFont(form::Caption::Plain, false));
    setFixedSize(728, 488);

    buildHeader();
    buildWifiPage();
    buildFanPage();
    buildFilterPage();
    buildInformationPage();
    buildTimers();

    // Handlers are connected only now: setting the start values above emits signals that must run nothing.
    connectHandlers();
}

TForm1::~TForm1() = default;

QString TForm1::text(int row) const {
    return QString::fromUtf8(textTableEntry(row, LanguageIndex));
}

void TForm1::showFilterCount() {
    Label_Timer_filter->setText(QString::fromStdString(filterCounterText(LastFilterCount, LanguageIndex)));
}

void TForm1::showWifiState(bool connected) {
    Panel_Wi_Fi_State_connection->setText(text(connected ? 27 : 28));
    paintBackground(Panel_Wi_Fi_State_connection, connected ? kGreen : kRed);
}

void TForm1::showMasterState(bool connected) {
    Panel_Master_State_connection->setText(text(connected ? 29 : 30));
    paintBackground(Panel_Master_State_connection, connected ? kGreen : kRed);
}

// Each subsystem connects its own handlers when it is made.
void TForm1::connectHandlers() {}

TForm1::StartOutcome TForm1::FormCreate() {
    for (TimeEdit* field : {JvTimeEdit_Timer_after_reacting_any_sensor, JvTimeEdit_Timer_night_mode,
                            JvTimeEdit_Timer_party_mode})
        reinterpret_cast<QLineEdit*>(field)->setText(QStringLiteral("00:00"));
    ComboBox_Language->setCurrentIndex(LanguageIndex);
    return StartOutcome::Run;
}

} // namespace breezekit
