#include "app/Fonts.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>

namespace breezekit {

namespace {
constexpr const char* kCloneFiles[] = {"/usr/share/wine/fonts/tahoma.ttf",
                                       "/usr/share/wine/fonts/tahomabd.ttf"};
} // namespace

bool registerWindowFont() {
    bool registered = false;
    for (const char* file : kCloneFiles) {
        const QString path = QString::fromLatin1(file);
        if (QFile::exists(path) && QFontDatabase::addApplicationFont(path) >= 0) registered = true;
    }
    // Without the clone, the nearest widths among common free fonts.
    QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                               {QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Liberation Sans")});
    return registered;
}

} // namespace breezekit
