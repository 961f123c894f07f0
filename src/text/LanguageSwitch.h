#pragma once

namespace breezekit {

class TForm1;
class SettingsStore;

// Writes every caption in the current language and switches the language on the user's pick.
class LanguageSwitch {
  public:
    LanguageSwitch(TForm1& form, SettingsStore& settings);

    void ApplyLanguage();
    void ComboBox_LanguageChange(int index);

  private:
    TForm1& form_;
    SettingsStore& settings_;
};

} // namespace breezekit
