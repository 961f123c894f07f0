#include "app/TForm1.h"

#include "app/AccessibleNames.h"
#include "app/Colours.h"
#include "app/FormBuilder.h"
#include "app/MessageBoxes.h"
#include "app/QtTranslations.h"
#include "app/SettingsStore.h"
#include "hid/DeviceList.h"
#include "hid/device/UnitLink.h"
#include "markers/InstanceMarkers.h"
#include "protocol/ReadBack.h"
#include "protocol/StatusPolling.h"
#include "screens/ConnectionRules.h"
#include "screens/DeviceActions.h"
#include "screens/FanPage.h"
#include "screens/StatusPanels.h"
#include "screens/TimeEdit.h"
#include "screens/UserActions.h"
#include "screens/WifiPage.h"
#include "text/LanguageSwitch.h"
#include "text/core/Languages.h"
#include "text/core/TextRows.h"
#include "text/core/TextTable.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
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

TForm1::~TForm1() {
    // Readers hand reports to this window: stop them all before any widget goes.
    if (unitLink_) unitLink_->shutdown();
}

// Each subsystem connects its own handlers when it is made.
void TForm1::connectHandlers() {
    unitLink_ = std::make_unique<UnitLink>(env_.platform);
    statusPanels_ = std::make_unique<StatusPanels>(StatusPanels::Controls{Panel_Wi_Fi_State_connection,
                                                                          Panel_Master_State_connection,
                                                                          Label_Timer_filter},
                                                   language);
    userActions_ = std::make_unique<UserActions>(*unitLink_, language, this);
    deviceList_ = std::make_unique<DeviceList>(
        DeviceList::Controls{ComboBox_Choose_device, Label_Serial_number, Panel_Direction_Fan_Pavona,
                             Panel_Direction_Fan_MOX},
        *unitLink_, *statusPanels_, language, this);
    connectionRules_ = std::make_unique<ConnectionRules>(
        ConnectionRules::Controls{
            .RadioButton_master = RadioButton_master,
            .RadioButton_slave = RadioButton_slave,
            .RadioButton_without_router = RadioButton_without_router,
            .RadioButton_with_router = RadioButton_with_router,
            .Panel_Wi_Fi_name = Panel_Wi_Fi_name,
            .Label_type_security = Label_type_security,
            .ComboBox_Security_WI_FI = ComboBox_Security_WI_FI,
            .Label_Password = Label_Password,
            .Edit_Password = Edit_Password,
            .Panel_Wi_Fi_channel = Panel_Wi_Fi_channel,
            .Panel_Number_of_slave = Panel_Number_of_slave,
            .Panel_IP_Slave = Panel_IP_Slave,
            .ComboBox_IP_Slave = ComboBox_IP_Slave,
            .JvIPAddress_IP_Slave = JvIPAddress_IP_Slave,
            .Panel_IP_Master = Panel_IP_Master,
            .JvIPAddress_IP_Master = JvIPAddress_IP_Master,
            .Label_Gateway = Label_Gateway,
            .JvGateway = JvGateway,
            .Panel_Master_State_connection = Panel_Master_State_connection,
            .Panel_Wi_Fi_State_connection = Panel_Wi_Fi_State_connection,
        },
        language);
    wifiPage_ = std::make_unique<WifiPage>(
        WifiPage::Controls{
            .Button_Search_Wi_Fi = Button_Search_Wi_Fi,
            .ComboBox_Wi_Fi_name = ComboBox_Wi_Fi_name,
            .RadioButton_master = RadioButton_master,
            .RadioButton_with_router = RadioButton_with_router,
            .ComboBox_Security_WI_FI = ComboBox_Security_WI_FI,
            .Edit_Password = Edit_Password,
            .ComboBox_Wi_Fi_channel = ComboBox_Wi_Fi_channel,
            .ComboBox_Number_Slave = ComboBox_Number_Slave,
            .ComboBox_IP_Slave = ComboBox_IP_Slave,
            .JvIPAddress_IP_Slave = JvIPAddress_IP_Slave,
            .JvIPAddress_IP_Master = JvIPAddress_IP_Master,
            .JvGateway = JvGateway,
            .Button_Apply_Save_Wi_Fi = Button_Apply_Save_Wi_Fi,
            .Timer1 = Timer1,
            .Timer2 = Timer2,
        },
        deviceSettings, language, *unitLink_, *userActions_, this);
    fanPage_ = std::make_unique<FanPage>(
        FanPage::Controls{
            .CheckBox_Available_OFF_device = CheckBox_Available_OFF_device,
            .RadioButton_Exhaust = RadioButton_Exhaust,
            .RadioButton_Exhaust_MOX = RadioButton_Exhaust_MOX,
            .JvTimeEdit_Timer_after_reacting_any_sensor = JvTimeEdit_Timer_after_reacting_any_sensor,
            .JvTimeEdit_Timer_night_mode = JvTimeEdit_Timer_night_mode,
            .JvTimeEdit_Timer_party_mode = JvTimeEdit_Timer_party_mode,
            .CheckBox_Humidity_sensor = CheckBox_Humidity_sensor,
            .TrackBar_Humidity_sensor = TrackBar_Humidity_sensor,
            .Label_Humidity_sensor = Label_Humidity_sensor,
            .CheckBox_External_sensor1 = CheckBox_External_sensor1,
            .CheckBox_External_sensor2 = CheckBox_External_sensor2,
            .TrackBar_External_sensor2 = TrackBar_External_sensor2,
            .Label_External_sensor2 = Label_External_sensor2,
            .Button_Apply_Save_Fan = Button_Apply_Save_Fan,
        },
        deviceSettings, language, *unitLink_, *userActions_);
    readBack_ = std::make_unique<ReadBack>(
        ReadBack::Controls{
            .RadioButton_master = RadioButton_master,
            .RadioButton_slave = RadioButton_slave,
            .RadioButton_without_router = RadioButton_without_router,
            .RadioButton_with_router = RadioButton_with_router,
            .ComboBox_Wi_Fi_name = ComboBox_Wi_Fi_name,
            .ComboBox_Security_WI_FI = ComboBox_Security_WI_FI,
            .Edit_Password = Edit_Password,
            .ComboBox_Wi_Fi_channel = ComboBox_Wi_Fi_channel,
            .ComboBox_Number_Slave = ComboBox_Number_Slave,
            .ComboBox_IP_Slave = ComboBox_IP_Slave,
            .JvIPAddress_IP_Slave = JvIPAddress_IP_Slave,
            .JvIPAddress_IP_Master = JvIPAddress_IP_Master,
            .JvGateway = JvGateway,
            .CheckBox_Available_OFF_device = CheckBox_Available_OFF_device,
            .RadioButton_Supply = RadioButton_Supply,
            .RadioButton_Exhaust = RadioButton_Exhaust,
            .RadioButton_Exhaust_MOX = RadioButton_Exhaust_MOX,
            .RadioButton_Supply_Exhaust_MOX = RadioButton_Supply_Exhaust_MOX,
            .JvTimeEdit_Timer_after_reacting_any_sensor = JvTimeEdit_Timer_after_reacting_any_sensor,
            .JvTimeEdit_Timer_night_mode = JvTimeEdit_Timer_night_mode,
            .JvTimeEdit_Timer_party_mode = JvTimeEdit_Timer_party_mode,
            .CheckBox_Humidity_sensor = CheckBox_Humidity_sensor,
            .TrackBar_Humidity_sensor = TrackBar_Humidity_sensor,
            .CheckBox_External_sensor1 = CheckBox_External_sensor1,
            .CheckBox_External_sensor2 = CheckBox_External_sensor2,
            .TrackBar_External_sensor2 = TrackBar_External_sensor2,
        },
        deviceSettings, *unitLink_, *connectionRules_);
    statusPolling_ = std::make_unique<StatusPolling>(
        StatusPolling::Controls{
            .PageControl = PageControl,
            .Filter = Filter,
            .Timer3 = Timer3,
        },
        deviceSettings, *unitLink_, *statusPanels_);
    deviceActions_ = std::make_unique<DeviceActions>(
        DeviceActions::Controls{
            .Button_Get_current_parameters = Button_Get_current_parameters,
            .Button_Restore_default_parameters = Button_Restore_default_parameters,
            .Button_Reset_filter_timer = Button_Reset_filter_timer,
        },
        *unitLink_, *userActions_);
    languageSwitch_ = std::make_unique<LanguageSwitch>(this, ComboBox_Language, Label_Versio_of_program,
                                                       language, VersionText, env_.settings);
    auto* qtTexts = new QtTranslations(this);
    announcePasswordFields();
    connect(languageSwitch_.get(), &LanguageSwitch::languageApplied, this, [this, qtTexts] {
        (void)qtTexts->apply(language.index); // without the file Qt's texts stay English
        nameInputsAfterCaptions(*this);
        form::fitLabelHeights(this);
    });
}

TForm1::StartOutcome TForm1::FormCreate() {
    language.index = languageFromOsCode(QLocale::languageToCode(QLocale::system().language()).toStdString());
    // A store that cannot be created counts as one without a stored value.
    if (env_.settings.ensureExists())
        if (const std::optional<int> stored = env_.settings.storedLanguage())
            language.index = static_cast<quint8>(*stored);

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
    ComboBox_Language->setCurrentIndex(language.index);
    languageSwitch_->ApplyLanguage();
    // Only now, with the start-up decided, does the program touch a unit.
    unitLink_->start();
    Timer3->start();
    return StartOutcome::Run;
}

} // namespace breezekit
