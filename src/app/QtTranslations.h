#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QTranslator;

namespace breezekit {

// Qt's own texts (context menus, standard buttons) in the window's language, from the qtbase
// translations installed with Qt. English, and a language whose file is missing, leave Qt's English.
class QtTranslations : public QObject {
    Q_OBJECT
  public:
    explicit QtTranslations(QObject* parent = nullptr);
    ~QtTranslations() override;

    // The qtbase file's locale name for a language of the text table; empty for English.
    static QString localeOf(int languageIndex);
    // Replaces the installed translation with the language's; false when there is none to load.
    bool apply(int languageIndex);

  private:
    std::unique_ptr<QTranslator> installed_;
};

} // namespace breezekit
