#pragma once

#include <QObject>

class QComboBox;
class QLabel;
class QWidget;

namespace breezekit {

class CurrentLanguage;
class SettingsStore;

// Writes every caption in the current language and switches the language on the user's pick. A caption
// is a control made with its text-table row (form::captioned); the subsystems renew the texts they show
// themselves, on CurrentLanguage::applied().
class LanguageSwitch : public QObject {
    Q_OBJECT
  public:
    // The version text is read at each application, as the window sets it only at start-up.
    LanguageSwitch(QWidget* window, QComboBox* ComboBox_Language, QLabel* Label_Versio_of_program,
                   CurrentLanguage& language, const QString& versionText, SettingsStore& settings);

    void ApplyLanguage();
    void ComboBox_LanguageChange(int index);

  signals:
    // Every text of the window is in the new language, the subsystems' own included.
    void languageApplied();

  private:
    QWidget* window_;
    QComboBox* languageBox_;
    QLabel* versionLabel_;
    CurrentLanguage& language_;
    const QString& versionText_;
    SettingsStore& settings_;
};

} // namespace breezekit
