#pragma once

#include <QObject>

namespace breezekit {

class TForm1;
class SettingsStore;

// Writes every caption in the current language and switches the language on the user's pick.
class LanguageSwitch : public QObject {
    Q_OBJECT
  public:
    LanguageSwitch(TForm1& form, SettingsStore& settings);

    void ApplyLanguage();
    void ComboBox_LanguageChange(int index);

  signals:
    // Every caption of the window is in the new language; the subsystems show their own texts again.
    void languageApplied();

  private:
    TForm1& form_;
    SettingsStore& settings_;
};

} // namespace breezekit
