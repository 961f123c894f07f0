#include "app/Colours.h"
#include "app/FormBuilder.h"
#include "app/PasswordEdit.h"
#include "app/TForm1.h"
#include "protocol/core/Limits.h"
#include "screens/IpAddressEdit.h"
#include "screens/TimeEdit.h"
#include "text/core/Languages.h"
#include "text/core/TextRows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>

namespace breezekit {

using form::Caption;
using form::captioned;
using form::CaptionLines;
using form::centredLabel;
using form::framedPanel;
using form::place;

namespace {

QComboBox* dropDownList(QWidget* parent, const char* name, int x, int y, int w, int h,
                        const QStringList& items, int selected) {
    auto* combo = place<QComboBox>(parent, name, x, y, w, h);
    combo->addItems(items);
    combo->setCurrentIndex(selected);
    return combo;
}

QComboBox* editableCombo(QWidget* parent, const char* name, int x, int y, int w, int h) {
    auto* combo = place<QComboBox>(parent, name, x, y, w, h);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

QStringList languageItems() {
    QStringList items;
    for (const LanguageInfo& language : kLanguages)
        items << QString::fromUtf8(language.comboItem.data(),
                                   static_cast<qsizetype>(language.comboItem.size()));
    return items;
}

QStringList numbers(int first, int last) {
    QStringList items;
    for (int n = first; n <= last; ++n)
        items << QString::number(n);
    return items;
}

QStringList names(const auto& table, auto name) {
    QStringList items;
    for (const auto& entry : table) {
        const std::string_view text = name(entry);
        items << QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    }
    return items;
}

QLabel* statusPanel(QWidget* parent, const char* name, int x, int y, int w, int h) {
    auto* panel = place<QLabel>(parent, name, x, y, w, h);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAlignment(Qt::AlignCenter);
    paintBackground(panel, kRed);
    return panel;
}

QSlider* slider(QWidget* parent, const char* name, int x, int y, int w, int h, ThresholdRange range,
                int pos) {
    auto* s = place<QSlider>(parent, name, x, y, w, h, Qt::Horizontal);
    s->setRange(range.firstPosition(), range.lastPosition());
    s->setValue(pos);
    s->setTickPosition(QSlider::TicksBelow);
    s->setTickInterval(1);
    s->setPageStep(1);
    return s;
}

QPushButton* boldButton(QWidget* parent, const char* name, int x, int y, int w, int h, bool ninePoint) {
    auto* button = place<QPushButton>(parent, name, x, y, w, h);
    button->setFont(form::captionFont(Caption::Bold, ninePoint));
    return button;
}

} // namespace

void TForm1::buildHeader() {
    Panel3 = framedPanel(this, "Panel3", 19, 12, 231, 78);
    Label_Choose_device =
        captioned(centredLabel(Panel3, "Label_Choose_device", 2, 5, 225, 14, Caption::BoldUnderlined, true),
                  kRowSelectDevice);
    ComboBox_Choose_device = editableCombo(Panel3, "ComboBox_Choose_device", 11, 28, 209, 21);
    paintBackground(ComboBox_Choose_device, kRed);
    Label_S_N = captioned(centredLabel(Panel3, "Label_S_N", 11, 55, 24, 14, Caption::Underlined, true),
                          kRowSerialNumber);
    Label_Serial_number = form::autoSizedLabel(Panel3, "Label_Serial_number", 58, 56);
    form::setAutoSizedText(Label_Serial_number, QStringLiteral("FFFFFFFFFFFFFFFFFFFFFFFF"));

    Panel1 = framedPanel(this, "Panel1", 258, 12, 155, 78);
    Label_Choose_device_mode = captioned(
        centredLabel(Panel1, "Label_Choose_device_mode", -3, 5, 160, 14, Caption::BoldUnderlined, true),
        kRowSelectDeviceMode);
    RadioButton_master =
        captioned(place<QRadioButton>(Panel1, "RadioButton_master", 13, 30, 68, 17), kRowMaster);
    RadioButton_master->setChecked(true);
    RadioButton_slave =
        captioned(place<QRadioButton>(Panel1, "RadioButton_slave", 13, 53, 68, 17), kRowSlave);

    Panel2 = framedPanel(this, "Panel2", 422, 12, 186, 78);
    Label_Choose_type_of_connection = captioned(
        centredLabel(Panel2, "Label_Choose_type_of_connection", 4, 5, 179, 14, Caption::BoldUnderlined, true),
        kRowSelectConnectionType);
    RadioButton_without_router =
        captioned(place<QRadioButton>(Panel2, "RadioButton_without_router", 14, 29, 171, 17), kRowNoRouter);
    RadioButton_without_router->setChecked(true);
    RadioButton_with_router =
        captioned(place<QRadioButton>(Panel2, "RadioButton_with_router", 14, 52, 171, 17), kRowWithRouter);

    Label_Language = captioned(
        centredLabel(this, "Label_Language", 629, 17, 60, 14, Caption::BoldUnderlined, true), kRowLanguage);
    ComboBox_Language =
        dropDownList(this, "ComboBox_Language", 632, 51, 55, 21, languageItems(), language.index);

    Button_Get_current_parameters =
        captioned(boldButton(this, "Button_Get_current_parameters", 119, 109, 222, 25, true), kRowReceive);
    Button_Restore_default_parameters = captioned(
        boldButton(this, "Button_Restore_default_parameters", 365, 109, 235, 25, true), kRowRestore);

    PageControl = place<QTabWidget>(this, "PageControl", 19, 143, 686, 328);
    Wi_Fi = new QWidget;
    Wi_Fi->setObjectName(QStringLiteral("Wi_Fi"));
    Fan = new QWidget;
    Fan->setObjectName(QStringLiteral("Fan"));
    Filter = new QWidget;
    Filter->setObjectName(QStringLiteral("Filter"));
    Information = new QWidget;
    Information->setObjectName(QStringLiteral("Information"));
    const std::pair<QWidget*, int> pages[] = {
        {Wi_Fi, kRowWifiTab}, {Fan, kRowFanTab}, {Filter, kRowFilterTab}, {Information, kRowInformationTab}};
    for (const auto& [page, row] : pages)
        PageControl->addTab(captioned(page, row), QString());
    PageControl->setCurrentWidget(Wi_Fi);
}

void TForm1::buildWifiPage() {
    Panel_Wi_Fi_name = framedPanel(Wi_Fi, "Panel_Wi_Fi_name", 22, 17, 386, 66);
    Panel_Wi_Fi_name->hide();
    Button_Search_Wi_Fi =
        captioned(place<QPushButton>(Panel_Wi_Fi_name, "Button_Search_Wi_Fi", 20, 20, 82, 35), kRowSearchWifi,
                  CaptionLines::Two);
    Label_Wi_Fi_name =
        captioned(centredLabel(Panel_Wi_Fi_name, "Label_Wi_Fi_name", 129, 9, 250, 13), kRowWifiName);
    ComboBox_Wi_Fi_name = editableCombo(Panel_Wi_Fi_name, "ComboBox_Wi_Fi_name", 128, 28, 252, 21);
    ComboBox_Wi_Fi_name->lineEdit()->setMaxLength(static_cast<int>(kMaxNetworkNameLength));

    Panel_Password = framedPanel(Wi_Fi, "Panel_Password", 22, 98, 386, 63);
    Label_type_security =
        captioned(centredLabel(Panel_Password, "Label_type_security", 7, 9, 110, 13), kRowSecurityType);
    ComboBox_Security_WI_FI =
        dropDownList(Panel_Password, "ComboBox_Security_WI_FI", 7, 29, 110, 21,
                     names(kSecurityTypes, [](const SecurityType& type) { return type.name; }), 3);
    Label_Password = centredLabel(Panel_Password, "Label_Password", 130, 9, 248, 13);
    Edit_Password = place<PasswordEdit>(Panel_Password, "Edit_Password", 128, 29, 252, 21);
    Edit_Password->setMaxLength(static_cast<int>(kMaxPasswordLength));

    Panel_Wi_Fi_channel = framedPanel(Wi_Fi, "Panel_Wi_Fi_channel", 575, 98, 80, 63);
    Label_Wi_Fi_channel =
        captioned(centredLabel(Panel_Wi_Fi_channel, "Label_Wi_Fi_channel", 0, 9, 81, 13), kRowWifiChannel);
    ComboBox_Wi_Fi_channel = dropDownList(Panel_Wi_Fi_channel, "ComboBox_Wi_Fi_channel", 13, 29, 55, 21,
                                          numbers(1, kChannelItems), 10);

    Panel_Number_of_slave = framedPanel(Wi_Fi, "Panel_Number_of_slave", 22, 177, 131, 63);
    Panel_Number_of_slave->hide();
    Label_Number_Slave =
        captioned(centredLabel(Panel_Number_of_slave, "Label_Number_Slave", 6, 10, 122, 13), kRowSlaveNumber);
    ComboBox_Number_Slave = dropDownList(Panel_Number_of_slave, "ComboBox_Number_Slave", 39, 29, 54, 21,
                                         numbers(1, kSlaveNumberItems), 0);

    Panel_IP_Slave = framedPanel(Wi_Fi, "Panel_IP_Slave", 173, 177, 235, 63);
    Panel_IP_Slave->hide();
    Label_IP_Slave = captioned(centredLabel(Panel_IP_Slave, "Label_IP_Slave", 48, 10, 137, 13), kRowSlaveIp);
    ComboBox_IP_Slave =
        dropDownList(Panel_IP_Slave, "ComboBox_IP_Slave", 9, 29, 54, 21,
                     names(kSlaveAddressingNames, [](std::string_view name) { return name; }), kDhcpItem);
    JvIPAddress_IP_Slave = place<IpAddressEdit>(Panel_IP_Slave, "JvIPAddress_IP_Slave", 79, 29, 150, 21);
    JvIPAddress_IP_Slave->setText(QStringLiteral("192.168.0.3"));
    JvIPAddress_IP_Slave->setEnabled(false);

    Panel_IP_Master = framedPanel(Wi_Fi, "Panel_IP_Master", 490, 98, 165, 108);
    Panel_IP_Master->hide();
    Label_IP_Master =
        captioned(centredLabel(Panel_IP_Master, "Label_IP_Master", 1, 9, 161, 13), kRowMasterIp);
    JvIPAddress_IP_Master = place<IpAddressEdit>(Panel_IP_Master, "JvIPAddress_IP_Master", 8, 29, 150, 21);
    JvIPAddress_IP_Master->setText(QStringLiteral("192.168.0.2"));
    Label_Gateway = captioned(centredLabel(Panel_IP_Master, "Label_Gateway", 4, 59, 161, 13), kRowGateway);
    JvGateway = place<IpAddressEdit>(Panel_IP_Master, "JvGateway", 8, 79, 150, 21);
    JvGateway->setText(QStringLiteral("192.168.0.1"));

    Panel_Master_State_connection = statusPanel(Wi_Fi, "Panel_Master_State_connection", 490, 17, 165, 32);
    Panel_Master_State_connection->hide();
    Panel_Wi_Fi_State_connection = statusPanel(Wi_Fi, "Panel_Wi_Fi_State_connection", 490, 51, 165, 32);
    Panel_Wi_Fi_State_connection->hide();

    Button_Apply_Save_Wi_Fi =
        captioned(boldButton(Wi_Fi, "Button_Apply_Save_Wi_Fi", 287, 266, 100, 25, false), kRowApplySave);
}

void TForm1::buildFanPage() {
    CheckBox_Available_OFF_device =
        captioned(place<QCheckBox>(Fan, "CheckBox_Available_OFF_device", 101, 39, 169, 17), kRowAvailableOff);
    CheckBox_Available_OFF_device->setChecked(true);

    Panel_Direction_Fan_Pavona = framedPanel(Fan, "Panel_Direction_Fan_Pavona", 385, 26, 179, 44);
    Label_Direction = captioned(centredLabel(Panel_Direction_Fan_Pavona, "Label_Direction", 13, 3, 155, 14,
                                             Caption::Underlined, true),
                                kRowDirection);
    RadioButton_Supply = captioned(
        place<QRadioButton>(Panel_Direction_Fan_Pavona, "RadioButton_Supply", 19, 22, 59, 17), kRowSupply);
    RadioButton_Supply->setChecked(true);
    RadioButton_Exhaust = captioned(
        place<QRadioButton>(Panel_Direction_Fan_Pavona, "RadioButton_Exhaust", 96, 23, 70, 17), kRowExhaust);

    Panel_Direction_Fan_MOX = framedPanel(Fan, "Panel_Direction_Fan_MOX", 298, 14, 266, 68);
    Panel_Direction_Fan_MOX->hide();
    Label_Direction_MOX = captioned(centredLabel(Panel_Direction_Fan_MOX, "Label_Direction_MOX", 20, 3, 225,
                                                 14, Caption::Underlined, true),
                                    kRowHumidityScenario);
    RadioButton_Exhaust_MOX =
        captioned(place<QRadioButton>(Panel_Direction_Fan_MOX, "RadioButton_Exhaust_MOX", 9, 23, 248, 17),
                  kRowBoostToExhaust);
    RadioButton_Exhaust_MOX->setChecked(true);
    RadioButton_Supply_Exhaust_MOX = captioned(
        place<QRadioButton>(Panel_Direction_Fan_MOX, "RadioButton_Supply_Exhaust_MOX", 9, 46, 248, 17),
        kRowBoostInMode);

    Label_Turn_off_timer =
        captioned(centredLabel(Fan, "Label_Turn_off_timer", 78, 99, 170, 13), kRowTurnOffTimer);
    JvTimeEdit_Timer_after_reacting_any_sensor =
        place<TimeEdit>(Fan, "JvTimeEdit_Timer_after_reacting_any_sensor", 101, 121, 121, 21);
    Label_Timer_night_mode =
        captioned(centredLabel(Fan, "Label_Timer_night_mode", 264, 100, 139, 13), kRowNightTimer);
    JvTimeEdit_Timer_night_mode = place<TimeEdit>(Fan, "JvTimeEdit_Timer_night_mode", 273, 121, 121, 21);
    Label_Timer_party_mode =
        captioned(centredLabel(Fan, "Label_Timer_party_mode", 430, 99, 148, 13), kRowPartyTimer);
    JvTimeEdit_Timer_party_mode = place<TimeEdit>(Fan, "JvTimeEdit_Timer_party_mode", 443, 121, 121, 21);

    CheckBox_Humidity_sensor =
        captioned(place<QCheckBox>(Fan, "CheckBox_Humidity_sensor", 162, 164, 126, 17), kRowHumiditySensor);
    CheckBox_Humidity_sensor->setChecked(true);
    TrackBar_Humidity_sensor =
        slider(Fan, "TrackBar_Humidity_sensor", 294, 161, 171, 28, kHumidityThresholds, 14);
    Label_Humidity_sensor = form::autoSizedLabel(Fan, "Label_Humidity_sensor", 471, 168);
    CheckBox_External_sensor1 =
        captioned(place<QCheckBox>(Fan, "CheckBox_External_sensor1", 162, 194, 143, 17), kRowRelaySensor);
    CheckBox_External_sensor1->setChecked(true);
    CheckBox_External_sensor2 =
        captioned(place<QCheckBox>(Fan, "CheckBox_External_sensor2", 162, 222, 121, 17), kRowVoltageSensor);
    CheckBox_External_sensor2->setChecked(true);
    TrackBar_External_sensor2 =
        slider(Fan, "TrackBar_External_sensor2", 292, 221, 171, 35, kAnalogThresholds, 10);
    Label_External_sensor2 = form::autoSizedLabel(Fan, "Label_External_sensor2", 474, 226);
    form::setAutoSizedText(Label_External_sensor2, QStringLiteral("50 %"));

    Button_Apply_Save_Fan =
        captioned(boldButton(Fan, "Button_Apply_Save_Fan", 287, 266, 100, 25, false), kRowApplySave);
}

void TForm1::buildFilterPage() {
    Label_Timer_filter = centredLabel(Filter, "Label_Timer_filter", 192, 123, 273, 13);
    Button_Reset_filter_timer = captioned(
        place<QPushButton>(Filter, "Button_Reset_filter_timer", 252, 168, 151, 25), kRowResetFilter);
}

void TForm1::buildInformationPage() {
    Label_Versio_of_program = centredLabel(Information, "Label_Versio_of_program", 241, 109, 176, 13);
    Label_Create_By =
        captioned(centredLabel(Information, "Label_Create_By", 241, 141, 176, 13), kRowDevelopedBy);
}

void TForm1::buildTimers() {
    auto makeTimer = [this](const char* name, int interval, bool singleShot) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QString::fromLatin1(name));
        timer->setInterval(interval);
        timer->setSingleShot(singleShot);
        // Never early: a coarse timer may fire 5% before its interval.
        timer->setTimerType(Qt::PreciseTimer);
        return timer;
    };
    Timer1 = makeTimer("Timer1", kSearchRepeatMs, false);
    Timer2 = makeTimer("Timer2", kSearchListenMs, false);
    // Started by FormCreate once the program runs: nothing polls while the start-up may still end it.
    Timer3 = makeTimer("Timer3", kStatusPollIntervalMs, false);
}

} // namespace breezekit
