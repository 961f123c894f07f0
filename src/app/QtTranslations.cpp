#include "app/QtTranslations.h"

#include "text/core/TextTable.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace breezekit {

QtTranslations::QtTranslations(QObject* parent) : QObject(parent) {}

QtTranslations::~QtTranslations() {
    if (installed_) QCoreApplication::removeTranslator(installed_.get());
}

QString QtTranslations::localeOf(int languageIndex) {
    switch (languageIndex) {
    case Russian:
        return QStringLiteral("ru");
    case Chinese:
        return QStringLiteral("zh_CN");
    case Ukrainian:
        return QStringLiteral("uk");
    case German:
        return QStringLiteral("de");
    case Danish:
        return QStringLiteral("da");
    case Polish:
        return QStringLiteral("pl");
    // Qt translates Norwegian as Nynorsk only.
    case Norwegian:
        return QStringLiteral("nn");
    default:
        return {};
    }
}

bool QtTranslations::apply(int languageIndex) {
    if (installed_) {
        QCoreApplication::removeTranslator(installed_.get());
        installed_.reset();
    }
    const QString locale = localeOf(languageIndex);
    if (locale.isEmpty()) return false;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + locale,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(translator.get());
    installed_ = std::move(translator);
    return true;
}

} // namespace breezekit
