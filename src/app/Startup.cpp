#include "app/Startup.h"

#include "app/AppIcon.h"
#include "app/Fonts.h"
#include "app/LogPattern.h"
#include "app/SettingsStore.h"
#include "app/TForm1.h"
#include "app/Theme.h"
#include "app/WindowPlacement.h"
#include "hid/device/HidPlatform.h"
#include "markers/InstanceMarkers.h"

#include <QApplication>
#include <QScreen>
#include <exception>

namespace breezekit {

namespace {
void runWindow(const std::function<std::unique_ptr<HidPlatform>()>& makePlatform,
               const char* userProgramMarker) {
    const std::unique_ptr<HidPlatform> platform = makePlatform();
    SettingsStore settings;
    const std::unique_ptr<InstanceMarkers> markers = makeSystemInstanceMarkers(userProgramMarker);
    TForm1 form({*platform, settings, *markers});
    if (form.FormCreate() == TForm1::StartOutcome::Exit) return;

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        form.move(placeOnScreen(form.frameGeometry().size(), screen->availableGeometry()));
    form.show();
    QApplication::exec();
}
} // namespace

int runApplication(int argc, char** argv, const std::function<std::unique_ptr<HidPlatform>()>& makePlatform,
                   const char* userProgramMarker) {
    installLogPattern();
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
    QApplication::setWindowIcon(appIcon());
    registerWindowFont();
    // Without the theme the platform's look stays; the error box has said so.
    (void)theme::apply(QString::fromLatin1(theme::kSky));
    try {
        runWindow(makePlatform, userProgramMarker);
    } catch (const std::exception& error) {
        // The program always ends with exit code 0; it says why the window could not run.
        qCritical("breezekit: %s", error.what());
    }
    return 0;
}

} // namespace breezekit
