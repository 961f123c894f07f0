#pragma once

#include <QObject>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace breezekit {

struct CurrentLanguage;
class SettingsStore;

// Writes every caption in the current language and switches the language on the user's pick.
class LanguageSwitch : public QObject {
    Q_OBJECT
  public:
    // Every control whose text is in the current language, other than those a subsystem writes itself.
    struct Captions {
        QLabel* Label_Choose_device;
        QComboBox* ComboBox_Choose_device;
        QLabel* Label_S_N;
        QLabel* Label_Choose_device_mode;
        QRadioButton* RadioButton_master;
        QRadioButton* RadioButton_slave;
        QLabel* Label_Choose_type_of_connection;
        QRadioButton* RadioButton_without_router;
        QRadioButton* RadioButton_with_router;
        QLabel* Label_Language;
        QPushButton* Button_Get_current_parameters;
        QPushButton* Button_Restore_default_parameters;
        QTabWidget* PageControl;

        QWidget* Wi_Fi;
        QPushButton* Button_Search_Wi_Fi;
        QLabel* Label_Wi_Fi_name;
        QLabel* Label_type_security;
        QLabel* Label_Password;
        QLabel* Label_Wi_Fi_channel;
        QLabel* Label_Number_Slave;
        QLabel* Label_IP_Slave;
        QLabel* Label_IP_Master;
        QLabel* Label_Gateway;
        QPushButton* Button_Apply_Save_Wi_Fi;

        QWidget* Fan;
        QCheckBox* CheckBox_Available_OFF_device;
        QLabel* Label_Direction;
        QRadioButton* RadioButton_Supply;
        QRadioButton* RadioButton_Exhaust;
        QLabel* Label_Direction_MOX;
        QRadioButton* RadioButton_Exhaust_MOX;
        QRadioButton* RadioButton_Supply_Exhaust_MOX;
        QLabel* Label_Turn_off_timer;
        QLabel* Label_Timer_night_mode;
        QLabel* Label_Timer_party_mode;
        QCheckBox* CheckBox_Humidity_sensor;
        QCheckBox* CheckBox_External_sensor1;
        QCheckBox* CheckBox_External_sensor2;
        QPushButton* Button_Apply_Save_Fan;

        QWidget* Filter;
        QPushButton* Button_Reset_filter_timer;

        QWidget* Information;
        QLabel* Label_Versio_of_program;
        QLabel* Label_Create_By;
    };

    // The version text is read at each application, as the window sets it only at start-up.
    LanguageSwitch(Captions captions, QComboBox* ComboBox_Language, CurrentLanguage& language,
                   const QString& versionText, SettingsStore& settings, QWidget* window);

    void ApplyLanguage();
    void ComboBox_LanguageChange(int index);

  signals:
    // Every caption of the window is in the new language; the subsystems show their own texts again.
    void languageApplied();

  private:
    Captions c_;
    QComboBox* languageBox_;
    CurrentLanguage& language_;
    const QString& versionText_;
    SettingsStore& settings_;
    QWidget* window_;
};

} // namespace breezekit
