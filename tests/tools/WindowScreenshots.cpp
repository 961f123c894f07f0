// Saves pictures of the real window, with the real fonts and theme, for a look at every caption:
// each page in English and the Wi-Fi page, in two connection modes, in every language.
#include "app/Fonts.h"
#include "app/SettingsStore.h"
#include "app/TForm1.h"
#include "app/Theme.h"
#include "markers/FlockInstanceMarkers.h"
#include "sim/SimulatedPlatform.h"
#include "text/LanguageSwitch.h"
#include "text/core/Languages.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>

using namespace breezekit;

namespace {

void settle() {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 300)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

bool save(TForm1& form, const QDir& folder, const QString& name) {
    settle();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    const bool saved = form.grab().save(path);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
    return saved;
}

void setMode(TForm1& form, bool slaveWithRouter) {
    (slaveWithRouter ? form.RadioButton_with_router : form.RadioButton_without_router)->setChecked(true);
    (slaveWithRouter ? form.RadioButton_slave : form.RadioButton_master)->setChecked(true);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <folder> [dark]\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) return 1;
    if (!registerWindowFont())
        std::fprintf(stderr, "the Tahoma clone is missing: the pictures use a substitute\n");
    // "dark": a dark system palette under the theme, as a dark desktop gives one.
    const bool dark = argc > 2 && QByteArray(argv[2]) == "dark";
    if (dark) {
        QPalette system(QColor(0x35, 0x35, 0x35), QColor(0x24, 0x24, 0x24));
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            system.setColor(role, QColor(0xEE, 0xEE, 0xEE));
        QApplication::setPalette(system);
    }
    if (!theme::apply(QString::fromLatin1(theme::kSky))) return 1;

    QTemporaryDir scratch;
    sim::SimulatedPlatform platform;
    SettingsStore settings(scratch.filePath(QStringLiteral("User Program.conf")));
    FlockInstanceMarkers markers(scratch.filePath(QStringLiteral("user.lock")).toStdString(),
                                 scratch.filePath(QStringLiteral("service.lock")).toStdString());
    TForm1 form({platform, settings, markers});
    if (form.FormCreate() != TForm1::StartOutcome::Run) return 1;
    form.show();

    bool ok = true;
    for (int language = 0; language < kLanguageCount; ++language) {
        form.ComboBox_Language->setCurrentIndex(language);
        form.languageSwitch().ComboBox_LanguageChange(language);
        const QString code = QString::fromLatin1(kLanguages[static_cast<std::size_t>(language)].osCode);
        form.PageControl->setCurrentWidget(form.Wi_Fi);
        setMode(form, false);
        ok = save(form, folder, code + QStringLiteral("-wifi")) && ok;
        setMode(form, true);
        ok = save(form, folder, code + QStringLiteral("-wifi-slave-router")) && ok;
        setMode(form, false);
        if (language != English) continue;
        for (auto [page, name] :
             {std::pair{form.Fan, "fan"}, {form.Filter, "filter"}, {form.Information, "information"}}) {
            form.PageControl->setCurrentWidget(page);
            ok = save(form, folder, code + QLatin1Char('-') + QLatin1String(name)) && ok;
        }
    }
    return ok ? 0 : 1;
}
