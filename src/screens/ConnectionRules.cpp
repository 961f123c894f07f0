#include "screens/ConnectionRules.h"

#include "app/FormBuilder.h"
#include "app/TForm1.h"
#include "screens/IpAddressEdit.h"
#include "text/core/TextRows.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace breezekit {

namespace {
constexpr int kOpenItem = 0;
constexpr int kDhcpItem = 0;
constexpr int kStaticItem = 1;

// Radios run their handler when they become selected, never on a click of the selected one.
template <typename Handler> void onSelected(QRadioButton* radio, QObject* context, Handler handler) {
    QObject::connect(radio, &QRadioButton::toggled, context, [handler](bool selected) {
        if (selected) handler();
    });
}
} // namespace

ConnectionRules::ConnectionRules(TForm1& form) : form_(form) {
    onSelected(form.RadioButton_master, &form, [this] { RadioButton_masterClick(); });
    onSelected(form.RadioButton_slave, &form, [this] { RadioButton_slaveClick(); });
    onSelected(form.RadioButton_without_router, &form, [this] { RadioButton_without_routerClick(); });
    onSelected(form.RadioButton_with_router, &form, [this] { RadioButton_with_routerClick(); });
    QObject::connect(form.ComboBox_Security_WI_FI, &QComboBox::activated, &form,
                     [this] { ComboBox_Security_WI_FIChange(); });
    QObject::connect(form.ComboBox_IP_Slave, &QComboBox::activated, &form,
                     [this] { ComboBox_IP_SlaveChange(); });
    QObject::connect(form.JvIPAddress_IP_Master, &IpAddressEdit::keyReleased, &form,
                     [this] { JvIPAddress_IP_MasterKeyUp(); });
}

void ConnectionRules::setSecurityShown(bool shown) {
    form_.Label_type_security->setVisible(shown);
    form_.ComboBox_Security_WI_FI->setVisible(shown);
}

void ConnectionRules::setGatewayShown(bool shown) {
    form_.Label_Gateway->setVisible(shown);
    form_.JvGateway->setVisible(shown);
}

void ConnectionRules::setPasswordCaption(bool newPassword) {
    form::setFittedText(form_.Label_Password, form_.text(newPassword ? kRowNewPassword : kRowPassword));
}

bool ConnectionRules::openSelected() const {
    return form_.ComboBox_Security_WI_FI->currentIndex() == kOpenItem;
}

void ConnectionRules::RadioButton_masterClick() {
    const bool router = form_.RadioButton_with_router->isChecked();
    form_.Panel_Wi_Fi_name->setVisible(router);
    setSecurityShown(!router);
    form_.Panel_Wi_Fi_channel->setVisible(!router);
    setPasswordCaption(!router);
    if (!router && openSelected()) form_.Edit_Password->setEnabled(false);
    form_.Panel_IP_Master->setVisible(router);
    setGatewayShown(true);
    form_.Panel_IP_Slave->hide();
    form_.Panel_Number_of_slave->hide();
    form_.Panel_Wi_Fi_State_connection->setVisible(router);
    form_.Panel_Master_State_connection->hide();
}

void ConnectionRules::RadioButton_slaveClick() {
    const bool router = form_.RadioButton_with_router->isChecked();
    form_.Panel_Wi_Fi_name->show();
    setSecurityShown(false);
    form_.Panel_Wi_Fi_channel->hide();
    setPasswordCaption(false);
    form_.Edit_Password->setEnabled(true);
    form_.Panel_IP_Master->setVisible(router);
    setGatewayShown(false);
    form_.Panel_IP_Slave->setVisible(router);
    form_.Panel_Number_of_slave->show();
    form_.Panel_Wi_Fi_State_connection->show();
    form_.Panel_Master_State_connection->show();
}

void ConnectionRules::RadioButton_without_routerClick() {
    const bool master = form_.RadioButton_master->isChecked();
    if (master) form_.Panel_Wi_Fi_name->hide();
    setSecurityShown(master);
    form_.Panel_Wi_Fi_channel->setVisible(master);
    setPasswordCaption(master);
    if (master && openSelected()) form_.Edit_Password->setEnabled(false);
    form_.Panel_IP_Master->hide();
    form_.Panel_IP_Slave->hide();
    form_.Panel_Number_of_slave->setVisible(!master);
    form_.Panel_Wi_Fi_State_connection->setVisible(!master);
}

void ConnectionRules::RadioButton_with_routerClick() {
    const bool master = form_.RadioButton_master->isChecked();
    if (master) form_.Panel_Wi_Fi_name->show();
    setSecurityShown(false);
    form_.Panel_Wi_Fi_channel->hide();
    setPasswordCaption(false);
    form_.Edit_Password->setEnabled(true);
    form_.Panel_IP_Master->show();
    form_.Panel_IP_Slave->setVisible(!master);
    form_.Panel_Number_of_slave->setVisible(!master);
    form_.Panel_Wi_Fi_State_connection->show();
}

void ConnectionRules::ComboBox_Security_WI_FIChange() {
    form_.Edit_Password->setEnabled(!openSelected());
}

void ConnectionRules::ComboBox_IP_SlaveChange() {
    const int item = form_.ComboBox_IP_Slave->currentIndex();
    if (item == kDhcpItem) form_.JvIPAddress_IP_Slave->setEnabled(false);
    if (item == kStaticItem) form_.JvIPAddress_IP_Slave->setEnabled(true);
}

void ConnectionRules::JvIPAddress_IP_MasterKeyUp() {
    const IpAddressEdit::Address master = form_.JvIPAddress_IP_Master->address();
    IpAddressEdit::Address gateway = form_.JvGateway->address();
    for (size_t i = 0; i < 3; ++i)
        gateway[i] = master[i];
    form_.JvGateway->setAddress(gateway);
}

} // namespace breezekit
