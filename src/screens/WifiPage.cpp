#include "screens/WifiPage.h"

#include "app/MessageBoxes.h"
#include "app/TForm1.h"
#include "hid/ControlText.h"
#include "hid/device/UnitLink.h"
#include "protocol/core/Commands.h"
#include "protocol/core/NetworkSearch.h"
#include "protocol/core/WifiApply.h"
#include "screens/IpAddressEdit.h"
#include "screens/UserActions.h"
#include "text/core/TextRows.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace breezekit {

WifiPage::WifiPage(TForm1& form, UnitLink& link, UserActions& actions)
    : form_(form), link_(link), actions_(actions) {
    QObject::connect(form.Button_Search_Wi_Fi, &QPushButton::clicked, &form,
                     [this] { Button_Search_Wi_FiClick(); });
    QObject::connect(form.Button_Apply_Save_Wi_Fi, &QPushButton::clicked, &form,
                     [this] { Button_Apply_Save_Wi_FiClick(); });
    QObject::connect(form.Timer1, &QTimer::timeout, &form, [this] { Timer1Timer(); });
    QObject::connect(form.Timer2, &QTimer::timeout, &form, [this] { Timer2Timer(); });
    link.setReportHandler(CmdSearch, [this](const InputReport& report) { onSearchReport(report); });
    // The module's answers to the command lines are not used.
    link.setReportHandler(CmdModuleText, [](const InputReport&) {});
}

void WifiPage::Button_Search_Wi_FiClick() {
    actions_.run([this] {
        if (!form_.Timer1->isActive()) form_.Timer1->start();
        form_.ComboBox_Wi_Fi_name->clear();
        form_.ComboBox_Wi_Fi_name->setEditText(form_.text(kRowPleaseWait));
        link_.sendSequence(searchRequestCommands());
    });
}

void WifiPage::Timer1Timer() {
    link_.sendSequence(searchRequestCommands());
}

void WifiPage::Timer2Timer() {
    link_.sendSequence(searchEndCommands());
    form_.Timer2->stop();
}

void WifiPage::onSearchReport(const InputReport& report) {
    form_.Timer1->stop();
    if (!form_.Timer2->isActive()) form_.Timer2->start();
    form_.ComboBox_Wi_Fi_name->addItem(controlText(networkNameOfLine(report.text())));
    if (form_.ComboBox_Wi_Fi_name->currentIndex() != 0) form_.ComboBox_Wi_Fi_name->setCurrentIndex(0);
}

void WifiPage::Button_Apply_Save_Wi_FiClick() {
    actions_.run([this] { applyWifiSettings(); });
}

void WifiPage::applyWifiSettings() {
    WifiInputs inputs;
    inputs.role = form_.RadioButton_master->isChecked() ? Role::Master : Role::Slave;
    inputs.connection =
        form_.RadioButton_with_router->isChecked() ? Connection::WithRouter : Connection::WithoutRouter;
    inputs.networkName = form_.ComboBox_Wi_Fi_name->currentText().toStdU16String();
    inputs.password = form_.Edit_Password->text().toStdU16String();
    inputs.channelItem = form_.ComboBox_Wi_Fi_channel->currentIndex();
    inputs.securityItem = form_.ComboBox_Security_WI_FI->currentIndex();
    inputs.slaveNumberItem = form_.ComboBox_Number_Slave->currentIndex();
    inputs.slaveAddressingItem = form_.ComboBox_IP_Slave->currentIndex();
    inputs.slaveIp = form_.JvIPAddress_IP_Slave->address();
    inputs.masterIp = form_.JvIPAddress_IP_Master->address();
    inputs.gateway = form_.JvGateway->address();

    const WifiApplyResult result = applyWifi(form_.deviceSettings, inputs);
    if (result.outcome == WifiApplyOutcome::Sent) {
        link_.sendSequence(result.commands);
        return;
    }
    showOutcome(result.outcome);
}

void WifiPage::showOutcome(WifiApplyOutcome outcome) {
    using enum WifiApplyOutcome;
    struct Message {
        WifiApplyOutcome outcome;
        int row;
        bool stopError; // the toolkit's own error when a list gives no number
        int firstArgRow = -1;
        int secondArgRow = -1;
    };
    static constexpr Message kMessages[] = {
        {NoNumberSelected, kRowNotANumber, true},
        {NameUnsendable, kRowNameUnsendable, false},
        // The captions of the choices that show the name's field again.
        {NameUnsendableHidden, kRowHiddenNameUnsendable, false, kRowWithRouter, kRowSlave},
        {PasswordUnsendable, kRowPasswordUnsendable, false},
        {NameLength, kRowNameLength, false},
        {PasswordLength, kRowPasswordLength, false},
    };
    for (const Message& m : kMessages) {
        if (m.outcome != outcome) continue;
        QString text = form_.text(m.row);
        if (m.firstArgRow >= 0) text = text.arg(form_.text(m.firstArgRow), form_.text(m.secondArgRow));
        if (m.stopError)
            messages::showStopError(&form_, text);
        else
            messages::showMessage(&form_, text);
        return;
    }
}

} // namespace breezekit
