#pragma once

namespace breezekit {

class TForm1;

// Shows and hides the Wi-Fi page's groups by role and connection type. Connects its own handlers.
class ConnectionRules {
  public:
    explicit ConnectionRules(TForm1& form);

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
    void setPasswordCaption(bool newPassword);
    bool openSelected() const;

    TForm1& form_;
};

} // namespace breezekit
