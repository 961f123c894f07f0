#include "screens/ConnectionRules.h"

#include "app/FormBuilder.h"
#include "protocol/core/Limits.h"
#include "screens/IpAddressEdit.h"
#include "text/CurrentLanguage.h"
#include "text/core/TextRows.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace breezekit {

namespace {
// Radios run their handler when they become selected, never on a click of the selected one.
template <typename Handler> void onSelected(QRadioButton* radio, QObject* context, Handler handler) {
    QObject::connect(radio, &QRadioButton::toggled, context, [handler](bool selected) {
        if (selected) handler();
    });
}
} // namespace

ConnectionRules::ConnectionRules(Controls controls, const CurrentLanguage& language)
    : c_(controls), language_(language) {
    onSelected(c_.RadioButton_master, this, [this] { RadioButton_masterClick(); });
    onSelected(c_.RadioButton_slave, this, [this] { RadioButton_slaveClick(); });
    onSelected(c_.RadioButton_without_router, this, [this] { RadioButton_without_routerClick(); });
    onSelected(c_.RadioButton_with_router, this, [this] { RadioButton_with_routerClick(); });
    connect(c_.ComboBox_Security_WI_FI, &QComboBox::activated, this,
            [this] { ComboBox_Security_WI_FIChange(); });
    connect(c_.ComboBox_IP_Slave, &QComboBox::activated, this, [this] { ComboBox_IP_SlaveChange(); });
    connect(c_.JvIPAddress_IP_Master, &IpAddressEdit::keyReleased, this,
            [this] { JvIPAddress_IP_MasterKeyUp(); });
    connect(&language_, &CurrentLanguage::applied, this, [this] { showPasswordCaption(); });
}

void ConnectionRules::setSecurityShown(bool shown) {
    c_.Label_type_security->setVisible(shown);
    c_.ComboBox_Security_WI_FI->setVisible(shown);
}

void ConnectionRules::setGatewayShown(bool shown) {
    c_.Label_Gateway->setVisible(shown);
    c_.JvGateway->setVisible(shown);
}

void ConnectionRules::showPasswordCaption() {
    const bool accessPoint = c_.RadioButton_master->isChecked() && c_.RadioButton_without_router->isChecked();
    form::setFittedText(c_.Label_Password, language_.text(accessPoint ? kRowNewPassword : kRowPassword));
    c_.Edit_Password->setAccessibleName(c_.Label_Password->text());
}

bool ConnectionRules::openSelected() const {
    return c_.ComboBox_Security_WI_FI->currentIndex() == kOpenSecurityItem;
}

void ConnectionRules::RadioButton_masterClick() {
    const bool router = c_.RadioButton_with_router->isChecked();
    c_.Panel_Wi_Fi_name->setVisible(router);
    setSecurityShown(!router);
    c_.Panel_Wi_Fi_channel->setVisible(!router);
    showPasswordCaption();
    if (!router && openSelected()) c_.Edit_Password->setEnabled(false);
    c_.Panel_IP_Master->setVisible(router);
    setGatewayShown(true);
    c_.Panel_IP_Slave->hide();
    c_.Panel_Number_of_slave->hide();
    c_.Panel_Wi_Fi_State_connection->setVisible(router);
    c_.Panel_Master_State_connection->hide();
}

void ConnectionRules::RadioButton_slaveClick() {
    const bool router = c_.RadioButton_with_router->isChecked();
    c_.Panel_Wi_Fi_name->show();
    setSecurityShown(false);
    c_.Panel_Wi_Fi_channel->hide();
    showPasswordCaption();
    c_.Edit_Password->setEnabled(true);
    c_.Panel_IP_Master->setVisible(router);
    setGatewayShown(false);
    c_.Panel_IP_Slave->setVisible(router);
    c_.Panel_Number_of_slave->show();
    c_.Panel_Wi_Fi_State_connection->show();
    c_.Panel_Master_State_connection->show();
}

void ConnectionRules::RadioButton_without_routerClick() {
    const bool master = c_.RadioButton_master->isChecked();
    if (master) c_.Panel_Wi_Fi_name->hide();
    setSecurityShown(master);
    c_.Panel_Wi_Fi_channel->setVisible(master);
    showPasswordCaption();
    if (master && openSelected()) c_.Edit_Password->setEnabled(false);
    c_.Panel_IP_Master->hide();
    c_.Panel_IP_Slave->hide();
    c_.Panel_Number_of_slave->setVisible(!master);
    c_.Panel_Wi_Fi_State_connection->setVisible(!master);
}

void ConnectionRules::RadioButton_with_routerClick() {
    const bool master = c_.RadioButton_master->isChecked();
    if (master) c_.Panel_Wi_Fi_name->show();
    setSecurityShown(false);
    c_.Panel_Wi_Fi_channel->hide();
    showPasswordCaption();
    c_.Edit_Password->setEnabled(true);
    c_.Panel_IP_Master->show();
    c_.Panel_IP_Slave->setVisible(!master);
    c_.Panel_Number_of_slave->setVisible(!master);
    c_.Panel_Wi_Fi_State_connection->show();
}

void ConnectionRules::ComboBox_Security_WI_FIChange() {
    c_.Edit_Password->setEnabled(!openSelected());
}

void ConnectionRules::ComboBox_IP_SlaveChange() {
    const int item = c_.ComboBox_IP_Slave->currentIndex();
    if (item == kDhcpItem) c_.JvIPAddress_IP_Slave->setEnabled(false);
    if (item == kStaticItem) c_.JvIPAddress_IP_Slave->setEnabled(true);
}

void ConnectionRules::JvIPAddress_IP_MasterKeyUp() {
    const IpAddressEdit::Address master = c_.JvIPAddress_IP_Master->address();
    IpAddressEdit::Address gateway = c_.JvGateway->address();
    for (size_t i = 0; i < 3; ++i)
        gateway[i] = master[i];
    c_.JvGateway->setAddress(gateway);
}

} // namespace breezekit
