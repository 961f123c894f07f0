#pragma once

#include <QObject>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace breezekit {

class CurrentLanguage;
class IpAddressEdit;

// Shows and hides the Wi-Fi page's groups by role and connection type. Connects its own handlers.
class ConnectionRules : public QObject {
    Q_OBJECT
  public:
    struct Controls {
        QRadioButton* RadioButton_master;
        QRadioButton* RadioButton_slave;
        QRadioButton* RadioButton_without_router;
        QRadioButton* RadioButton_with_router;
        QWidget* Panel_Wi_Fi_name;
        QLabel* Label_type_security;
        QComboBox* ComboBox_Security_WI_FI;
        QLabel* Label_Password;
        QLineEdit* Edit_Password;
        QWidget* Panel_Wi_Fi_channel;
        QWidget* Panel_Number_of_slave;
        QWidget* Panel_IP_Slave;
        QComboBox* ComboBox_IP_Slave;
        IpAddressEdit* JvIPAddress_IP_Slave;
        QWidget* Panel_IP_Master;
        IpAddressEdit* JvIPAddress_IP_Master;
        QLabel* Label_Gateway;
        IpAddressEdit* JvGateway;
        QWidget* Panel_Master_State_connection;
        QWidget* Panel_Wi_Fi_State_connection;
    };

    ConnectionRules(Controls controls, const CurrentLanguage& language);

    void RadioButton_masterClick();
    void RadioButton_slaveClick();
    void RadioButton_without_routerClick();
    void RadioButton_with_routerClick();
    void ComboBox_Security_WI_FIChange();
    void ComboBox_IP_SlaveChange();
    void JvIPAddress_IP_MasterKeyUp();

  private:
    void setSecurityShown(bool shown);
    void setGatewayShown(bool shown);
    // The password's caption (and the field's accessible name) of the mode the radios show: a new password
    // of the master's own access point, else the network's password.
    void showPasswordCaption();
    bool openSelected() const;

    Controls c_;
    const CurrentLanguage& language_;
};

} // namespace breezekit
