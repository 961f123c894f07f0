#include "app/Theme.h"

#include "app/MessageBoxes.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QMetaEnum>
#include <QStyle>
#include <QStyleFactory>
#include <QTextStream>

// The resource lives in a static library: its initialiser must be referenced by name.
static void initThemeResources() {
    Q_INIT_RESOURCE(themes);
}

namespace breezekit::theme {

namespace {

constexpr auto kDisabledPrefix = QLatin1String("Disabled.");

// "Role=#rrggbb" or "Disabled.Role=#rrggbb"; lines that name no palette colour are left out.
void setColour(QPalette& palette, QString key, const QString& value) {
    QPalette::ColorGroup group = QPalette::All;
    if (key.startsWith(kDisabledPrefix)) {
        group = QPalette::Disabled;
        key = key.mid(kDisabledPrefix.size());
    }
    bool known = false;
    const int role =
        QMetaEnum::fromType<QPalette::ColorRole>().keyToValue(key.toLatin1().constData(), &known);
    const QColor colour = QColor::fromString(value);
    if (!known || !colour.isValid()) return;
    palette.setColor(group, static_cast<QPalette::ColorRole>(role), colour);
}

} // namespace

std::optional<Theme> find(const QString& name) {
    initThemeResources();
    QFile file(QStringLiteral(":/themes/%1.theme").arg(name));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return std::nullopt;
    // Nothing comes from the system's palette: a dark system would leave dark faces behind dark text.
    Theme theme{QStringLiteral("Fusion"), QPalette(QColor(Qt::lightGray))};
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0) continue;
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        if (key == QLatin1String("Style"))
            theme.style = value;
        else
            setColour(theme.palette, key, value);
    }
    return theme;
}

bool apply(const QString& name) {
    const std::optional<Theme> theme = find(name);
    QStyle* style = theme ? QStyleFactory::create(theme->style) : nullptr;
    if (!style) {
        messages::showThemeError(QStringLiteral("Style '%1' not found").arg(name));
        return false;
    }
    QApplication::setStyle(style);
    QApplication::setPalette(theme->palette);
    // A platform theme also gives some classes palettes of their own (message boxes, menus, tool tips).
    for (const char* className :
         {"QMessageBox", "QLabel", "QAbstractButton", "QComboBox", "QMenu", "QTipLabel", "QTabBar",
          "QHeaderView", "QAbstractItemView", "QLineEdit", "QTextEdit"})
        QApplication::setPalette(theme->palette, className);
    return true;
}

} // namespace breezekit::theme
