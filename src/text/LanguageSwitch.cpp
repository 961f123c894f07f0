#include "text/LanguageSwitch.h"

#include "app/FormBuilder.h"
#include "app/MessageBoxes.h"
#include "app/SettingsStore.h"
#include "text/CurrentLanguage.h"
#include "text/core/TextRows.h"

#include <QComboBox>
#include <QLabel>

namespace breezekit {

namespace {

const QString kLanguageValueName = QString::fromLatin1(SettingsStore::kLanguageValue);

} // namespace

LanguageSwitch::LanguageSwitch(QWidget* window, QComboBox* ComboBox_Language, QLabel* Label_Versio_of_program,
                               CurrentLanguage& language, const QString& versionText, SettingsStore& settings)
    : window_(window), languageBox_(ComboBox_Language), versionLabel_(Label_Versio_of_program),
      language_(language), versionText_(versionText), settings_(settings) {
    connect(languageBox_, &QComboBox::activated, this, [this](int index) { ComboBox_LanguageChange(index); });
}

void LanguageSwitch::ApplyLanguage() {
    form::writeCaptions(window_, [this](int row) { return language_.text(row); });
    form::setFittedText(versionLabel_, language_.text(kRowVersion) + versionText_);
    emit language_.applied();
    emit languageApplied();
}

void LanguageSwitch::ComboBox_LanguageChange(int index) {
    if (!settings_.storeLanguage(index)) {
        messages::showStopError(window_,
                                QStringLiteral("Failed to set data for '%1'").arg(kLanguageValueName));
        // The combo must not show a language that is not in effect.
        languageBox_->setCurrentIndex(language_.index);
        return;
    }
    language_.index = static_cast<quint8>(index);
    ApplyLanguage();
}

} // namespace breezekit
