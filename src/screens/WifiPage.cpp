#include "screens/WifiPage.h"

#include "app/MessageBoxes.h"
#include "hid/ControlText.h"
#include "hid/device/UnitLink.h"
#include "protocol/core/Commands.h"
#include "protocol/core/Encodings.h"
#include "protocol/core/Limits.h"
#include "protocol/core/NetworkSearch.h"
#include "protocol/core/WifiApply.h"
#include "screens/IpAddressEdit.h"
#include "screens/UserActions.h"
#include "text/CurrentLanguage.h"
#include "text/core/TextRows.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace breezekit {

WifiPage::WifiPage(Controls controls, DeviceSettings& settings, const CurrentLanguage& language,
                   UnitLink& link, UserActions& actions, QWidget* window)
    : c_(controls), settings_(settings), language_(language), link_(link), actions_(actions),
      window_(window) {
    connect(c_.Button_Search_Wi_Fi, &QPushButton::clicked, this, [this] { Button_Search_Wi_FiClick(); });
    connect(c_.Button_Apply_Save_Wi_Fi, &QPushButton::clicked, this,
            [this] { Button_Apply_Save_Wi_FiClick(); });
    connect(c_.Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    connect(c_.Timer2, &QTimer::timeout, this, [this] { Timer2Timer(); });
    link.setReportHandler(CmdSearch, [this](const InputReport& report) { onSearchReport(report); });
    // The module's answers to the command lines are not used.
    link.setReportHandler(CmdModuleText, [](const InputReport&) {});
}

void WifiPage::Button_Search_Wi_FiClick() {
    actions_.run([this] {
        if (!c_.Timer1->isActive()) c_.Timer1->start();
        c_.ComboBox_Wi_Fi_name->clear();
        c_.ComboBox_Wi_Fi_name->setEditText(language_.text(kRowPleaseWait));
        link_.sendSequence(searchRequestCommands());
    });
}

void WifiPage::Timer1Timer() {
    link_.sendSequence(searchRequestCommands());
}

void WifiPage::Timer2Timer() {
    link_.sendSequence(searchEndCommands());
    c_.Timer2->stop();
}

void WifiPage::onSearchReport(const InputReport& report) {
    c_.Timer1->stop();
    if (!c_.Timer2->isActive()) c_.Timer2->start();
    c_.ComboBox_Wi_Fi_name->addItem(controlText(networkNameOfLine(report.text())));
    if (c_.ComboBox_Wi_Fi_name->currentIndex() != 0) c_.ComboBox_Wi_Fi_name->setCurrentIndex(0);
}

void WifiPage::Button_Apply_Save_Wi_FiClick() {
    actions_.run([this] { applyWifiSettings(); });
}

WifiValues WifiPage::shownValues() const {
    WifiValues v;
    v.role = c_.RadioButton_master->isChecked() ? Role::Master : Role::Slave;
    v.connection =
        c_.RadioButton_with_router->isChecked() ? Connection::WithRouter : Connection::WithoutRouter;
    v.networkName = c_.ComboBox_Wi_Fi_name->currentText().toStdU16String();
    v.password = c_.Edit_Password->text().toStdU16String();
    v.channel = channelOfItem(c_.ComboBox_Wi_Fi_channel->currentIndex());
    v.securityDigit = securityDigitOfItem(c_.ComboBox_Security_WI_FI->currentIndex());
    v.slaveNumber = slaveNumberOfItem(c_.ComboBox_Number_Slave->currentIndex());
    v.slaveDhcp = c_.ComboBox_IP_Slave->currentIndex() == kDhcpItem;
    v.slaveIp = c_.JvIPAddress_IP_Slave->address();
    v.masterIp = c_.JvIPAddress_IP_Master->address();
    v.gateway = c_.JvGateway->address();
    return v;
}

void WifiPage::applyWifiSettings() {
    const WifiApplyResult result = applyWifi(settings_, shownValues());
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
        QString text = language_.text(m.row);
        if (m.firstArgRow >= 0)
            text = text.arg(language_.text(m.firstArgRow), language_.text(m.secondArgRow));
        if (m.stopError)
            messages::showStopError(window_, text);
        else
            messages::showMessage(window_, text);
        return;
    }
}

} // namespace breezekit
