#pragma once

#include "protocol/core/WifiApply.h"

#include <QObject>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class QWidget;

namespace breezekit {

class CurrentLanguage;
struct DeviceSettings;
class InputReport;
class IpAddressEdit;
class UnitLink;
class UserActions;

// The network search and the Wi-Fi Apply/Save.
class WifiPage : public QObject {
    Q_OBJECT
  public:
    struct Controls {
        QPushButton* Button_Search_Wi_Fi;
        QComboBox* ComboBox_Wi_Fi_name;
        QRadioButton* RadioButton_master;
        QRadioButton* RadioButton_with_router;
        QComboBox* ComboBox_Security_WI_FI;
        QLineEdit* Edit_Password;
        QComboBox* ComboBox_Wi_Fi_channel;
        QComboBox* ComboBox_Number_Slave;
        QComboBox* ComboBox_IP_Slave;
        IpAddressEdit* JvIPAddress_IP_Slave;
        IpAddressEdit* JvIPAddress_IP_Master;
        IpAddressEdit* JvGateway;
        QPushButton* Button_Apply_Save_Wi_Fi;
        // The search repeats its request until the first answer, then ends the search.
        QTimer* Timer1;
        QTimer* Timer2;
    };

    WifiPage(Controls controls, DeviceSettings& settings, const CurrentLanguage& language, UnitLink& link,
             UserActions& actions, QWidget* window);

    void Button_Search_Wi_FiClick();
    void Timer1Timer();
    void Timer2Timer();
    void Button_Apply_Save_Wi_FiClick();

  private:
    void applyWifiSettings();
    // The one place the page's controls become the unit's values.
    WifiValues shownValues() const;
    void onSearchReport(const InputReport& report);
    // The message of an Apply that sent nothing.
    void showOutcome(WifiApplyOutcome outcome);

    Controls c_;
    DeviceSettings& settings_;
    const CurrentLanguage& language_;
    UnitLink& link_;
    UserActions& actions_;
    QWidget* window_;
};

} // namespace breezekit
