#pragma once

#include <QObject>
#include <set>
#include <string>

class QComboBox;
class QLabel;
class QWidget;

namespace breezekit {

class CurrentLanguage;
class HidDevice;
class InputReport;
class StatusPanels;
class UnitLink;

// Why the program cannot talk to a listed unit (no access, or reports that cannot carry the protocol).
QString cannotTalkText(HidDevice& device, const CurrentLanguage& language);

// The window's view of the unit list: the drop-down with its colours, the serial number, the model's
// direction panel, and the messages about units the program cannot talk to.
class DeviceList : public QObject {
    Q_OBJECT
  public:
    struct Controls {
        QComboBox* ComboBox_Choose_device;
        QLabel* Label_Serial_number;
        QWidget* Panel_Direction_Fan_Pavona;
        QWidget* Panel_Direction_Fan_MOX;
    };

    DeviceList(Controls controls, UnitLink& link, StatusPanels& panels, const CurrentLanguage& language,
               QWidget* window);

    void ComboBox_Choose_deviceClick();
    // Writes the tip of every listed unit the program cannot talk to, and the empty list's tip, in the
    // current language.
    void showAccessTips();
    // Renews the texts of the list and of the status panels in the current language.
    void showTexts();

  signals:
    // After every rebuild of the list, once the window shows it.
    void deviceListRebuilt();

  private:
    void show(int kept);
    void onSerialNumber(const InputReport& report);
    void showCannotTalk(HidDevice& device);

    Controls c_;
    UnitLink& link_;
    StatusPanels& panels_;
    const CurrentLanguage& language_;
    QWidget* window_;
    // Identities of units whose cannot-talk message has been shown.
    std::set<std::string> cannotTalkShown_;
};

} // namespace breezekit
