#include "app/TForm1.h"

#include "app/Colours.h"
#include "app/FormBuilder.h"
#include "app/InstanceMarkers.h"
#include "app/MessageBoxes.h"
#include "app/SettingsStore.h"
#include "hid/DeviceLink.h"
#include "protocol/CounterText.h"
#include "protocol/ReadBack.h"
#include "protocol/StatusPolling.h"
#include "screens/ConnectionRules.h"
#include "screens/DeviceActions.h"
#include "screens/FanPage.h"
#include "screens/TimeEdit.h"
#include "screens/WifiPage.h"
#include "text/LanguageSwitch.h"
#include "text/Languages.h"
#include "text/TextRows.h"
#include "text/TextTable.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QTimer>

namespace breezekit {

namespace {} // namespace

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

TForm1::~TForm1() {
    // Readers hand reports to this window: stop them all before any widget goes.
    if (deviceLink_) deviceLink_->shutdown();
}

QString TForm1::text(int row) const {
    return QString::fromUtf8(textTableEntry(row, LanguageIndex));
}

void TForm1::showFilterCount() {
    form::setFittedText(Label_Timer_filter,
                        QString::fromStdString(filterCounterText(LastFilterCount, LanguageIndex)));
}

void TForm1::showWifiState(bool connected) {
    Panel_Wi_Fi_State_connection->setText(text(connected ? kRowWifiConnected : kRowWifiDisconnected));
    paintBackground(Panel_Wi_Fi_State_connection, connected ? kGreen : kRed);
}

void TForm1::showMasterState(bool connected) {
    Panel_Master_State_connection->setText(text(connected ? kRowMasterConnected : kRowMasterDisconnected));
    paintBackground(Panel_Master_State_connection, connected ? kGreen : kRed);
}

// Each subsystem connects its own handlers when it is made.
void TForm1::connectHandlers() {
    deviceLink_ = std::make_unique<DeviceLink>(*this, env_.platform);
    connectionRules_ = std::make_unique<ConnectionRules>(*this);
    wifiPage_ = std::make_unique<WifiPage>(*this, *deviceLink_);
    fanPage_ = std::make_unique<FanPage>(*this, *deviceLink_);
    readBack_ = std::make_unique<ReadBack>(*this, *deviceLink_);
    statusPolling_ = std::make_unique<StatusPolling>(*this, *deviceLink_);
    deviceActions_ = std::make_unique<DeviceActions>(*this, *deviceLink_);
    languageSwitch_ = std::make_unique<LanguageSwitch>(*this, env_.settings);
    connect(ComboBox_Language, &QComboBox::activated, this,
            [this](int index) { languageSwitch_->ComboBox_LanguageChange(index); });
}

TForm1::StartOutcome TForm1::FormCreate() {
    LanguageIndex = languageFromOsCode(QLocale::languageToCode(QLocale::system().language()).toStdString());
    // A store that cannot be created counts as one without a stored value.
    if (env_.settings.ensureExists())
        if (const std::optional<int> stored = env_.settings.storedLanguage())
            LanguageIndex = static_cast<quint8>(*stored);

    if (!env_.markers.takeUserProgramMarker()) return StartOutcome::Exit;
    if (env_.markers.serviceProgramRuns()) {
        messages::showMessage(nullptr, text(kRowCloseServiceProgram));
        return StartOutcome::Exit;
    }

    for (TimeEdit* field : {JvTimeEdit_Timer_after_reacting_any_sensor, JvTimeEdit_Timer_night_mode,
                            JvTimeEdit_Timer_party_mode})
        field->setText(QStringLiteral("00:00"));
    VersionText = QStringLiteral("%1.%2.%3")
                      .arg(BREEZEKIT_VERSION_MAJOR)
                      .arg(BREEZEKIT_VERSION_MINOR)
                      .arg(BREEZEKIT_VERSION_PATCH);
    ComboBox_Language->setCurrentIndex(LanguageIndex);
    languageSwitch_->ApplyLanguage();
    return StartOutcome::Run;
}

} // namespace breezekit
