#include "app/AppIcon.h"

#include <QDir>

// The resource lives in a static library: its initialiser must be referenced by name.
static void initIconResources() {
    Q_INIT_RESOURCE(app_icons);
}

namespace breezekit {

QIcon appIcon() {
    initIconResources();
    QIcon icon;
    for (const QString& name : QDir(QStringLiteral(":/icons")).entryList(QDir::Files))
        icon.addFile(QStringLiteral(":/icons/") + name);
    return icon;
}

} // namespace breezekit
