#pragma once

#include "protocol/core/DeviceSettings.h"
#include "text/CurrentLanguage.h"

#include <QWidget>
#include <memory>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class QTimer;

namespace breezekit {

class HidPlatform;
class HidController;
class HidDevice;
class IpAddressEdit;
class TimeEdit;
class SettingsStore;
class InstanceMarkers;
class LanguageSwitch;
class UnitLink;
class DeviceList;
class StatusPanels;
class UserActions;
class ConnectionRules;
class WifiPage;
class FanPage;
class ReadBack;
class StatusPolling;
class DeviceActions;

// The main window. Controls are public members under their component names, as tests drive the window
// through them; each subsystem is handed only the controls and state it uses, in connectHandlers().
class TForm1 : public QWidget {
    Q_OBJECT
  public:
    struct Environment {
        HidPlatform& platform;
        SettingsStore& settings;
        InstanceMarkers& markers;
    };

    explicit TForm1(Environment env, QWidget* parent = nullptr);
    ~TForm1() override;

    enum class StartOutcome { Run, Exit };
    // Runs once after construction and before the window is shown; Exit means the process ends at once.
    StartOutcome FormCreate();

    QString text(int row) const { return language.text(row); }

    // Header
    QFrame* Panel3{};
    QLabel* Label_Choose_device{};
    QComboBox* ComboBox_Choose_device{};
    QLabel* Label_S_N{};
    QLabel* Label_Serial_number{};
    QFrame* Panel1{};
    QLabel* Label_Choose_device_mode{};
    QRadioButton* RadioButton_master{};
    QRadioButton* RadioButton_slave{};
    QFrame* Panel2{};
    QLabel* Label_Choose_type_of_connection{};
    QRadioButton* RadioButton_without_router{};
    QRadioButton* RadioButton_with_router{};
    QLabel* Label_Language{};
    QComboBox* ComboBox_Language{};
    QPushButton* Button_Get_current_parameters{};
    QPushButton* Button_Restore_default_parameters{};
    QTabWidget* PageControl{};

    // Wi-Fi page
    QWidget* Wi_Fi{};
    QFrame* Panel_Wi_Fi_name{};
    QPushButton* Button_Search_Wi_Fi{};
    QLabel* Label_Wi_Fi_name{};
    QComboBox* ComboBox_Wi_Fi_name{};
    QFrame* Panel_Password{};
    QLabel* Label_type_security{};
    QComboBox* ComboBox_Security_WI_FI{};
    QLabel* Label_Password{};
    QLineEdit* Edit_Password{};
    QFrame* Panel_Wi_Fi_channel{};
    QLabel* Label_Wi_Fi_channel{};
    QComboBox* ComboBox_Wi_Fi_channel{};
    QFrame* Panel_Number_of_slave{};
    QLabel* Label_Number_Slave{};
    QComboBox* ComboBox_Number_Slave{};
    QFrame* Panel_IP_Slave{};
    QLabel* Label_IP_Slave{};
    QComboBox* ComboBox_IP_Slave{};
    IpAddressEdit* JvIPAddress_IP_Slave{};
    QFrame* Panel_IP_Master{};
    QLabel* Label_IP_Master{};
    IpAddressEdit* JvIPAddress_IP_Master{};
    QLabel* Label_Gateway{};
    IpAddressEdit* JvGateway{};
    QLabel* Panel_Master_State_connection{};
    QLabel* Panel_Wi_Fi_State_connection{};
    QPushButton* Button_Apply_Save_Wi_Fi{};

    // Fan page
    QWidget* Fan{};
    QCheckBox* CheckBox_Available_OFF_device{};
    QFrame* Panel_Direction_Fan_Pavona{};
    QLabel* Label_Direction{};
    QRadioButton* RadioButton_Supply{};
    QRadioButton* RadioButton_Exhaust{};
    QFrame* Panel_Direction_Fan_MOX{};
    QLabel* Label_Direction_MOX{};
    QRadioButton* RadioButton_Exhaust_MOX{};
    QRadioButton* RadioButton_Supply_Exhaust_MOX{};
    QLabel* Label_Turn_off_timer{};
    TimeEdit* JvTimeEdit_Timer_after_reacting_any_sensor{};
    QLabel* Label_Timer_night_mode{};
    TimeEdit* JvTimeEdit_Timer_night_mode{};
    QLabel* Label_Timer_party_mode{};
    TimeEdit* JvTimeEdit_Timer_party_mode{};
    QCheckBox* CheckBox_Humidity_sensor{};
    QSlider* TrackBar_Humidity_sensor{};
    QLabel* Label_Humidity_sensor{};
    QCheckBox* CheckBox_External_sensor1{};
    QCheckBox* CheckBox_External_sensor2{};
    QSlider* TrackBar_External_sensor2{};
    QLabel* Label_External_sensor2{};
    QPushButton* Button_Apply_Save_Fan{};

    // Filter page
    QWidget* Filter{};
    QLabel* Label_Timer_filter{};
    QPushButton* Button_Reset_filter_timer{};

    // Information page
    QWidget* Information{};
    QLabel* Label_Versio_of_program{};
    QLabel* Label_Create_By{};

    // Components without a place on screen
    QTimer* Timer1{};
    QTimer* Timer2{};
    QTimer* Timer3{};

    // Program state, touched on the GUI thread only
    CurrentLanguage language;
    QString VersionText;
    DeviceSettings deviceSettings;

    // Subsystems, wired in connectHandlers(); the accessors are for tests.
    LanguageSwitch& languageSwitch() { return *languageSwitch_; }
    UnitLink& unitLink() { return *unitLink_; }
    DeviceList& deviceList() { return *deviceList_; }
    StatusPanels& statusPanels() { return *statusPanels_; }
    ConnectionRules& connectionRules() { return *connectionRules_; }
    WifiPage& wifiPage() { return *wifiPage_; }
    FanPage& fanPage() { return *fanPage_; }
    ReadBack& readBack() { return *readBack_; }
    StatusPolling& statusPolling() { return *statusPolling_; }
    DeviceActions& deviceActions() { return *deviceActions_; }

  private:
    void buildHeader();
    void buildWifiPage();
    void buildFanPage();
    void buildFilterPage();
    void buildInformationPage();
    void buildTimers();
    void connectHandlers();

    Environment env_;
    std::unique_ptr<UnitLink> unitLink_;
    std::unique_ptr<StatusPanels> statusPanels_;
    std::unique_ptr<UserActions> userActions_;
    std::unique_ptr<DeviceList> deviceList_;
    std::unique_ptr<LanguageSwitch> languageSwitch_;
    std::unique_ptr<ConnectionRules> connectionRules_;
    std::unique_ptr<WifiPage> wifiPage_;
    std::unique_ptr<FanPage> fanPage_;
    std::unique_ptr<ReadBack> readBack_;
    std::unique_ptr<StatusPolling> statusPolling_;
    std::unique_ptr<DeviceActions> deviceActions_;
};

} // namespace breezekit
