// The program over the simulated platform for process tests: message boxes are printed instead of
// shown, the window's showing is printed, and the copy waits for a "go" line on stdin before it starts
// and closes its window when stdin ends.
#include "app/MessageBoxes.h"
#include "app/Startup.h"
#include "sim/SimulatedPlatform.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QSocketNotifier>
#include <cstdio>
#include <cstring>
#include <unistd.h>

using namespace breezekit;

namespace {

void say(const char* what, const QString& text) {
    std::printf("%s: %s\n", what, text.toUtf8().constData());
    std::fflush(stdout);
}

class ShowWatcher : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("Form1")) {
            auto* combo = watched->findChild<QComboBox*>(QStringLiteral("ComboBox_Language"));
            auto* heading = watched->findChild<QLabel*>(QStringLiteral("Label_Choose_device"));
            say("shown", combo->currentText() + QStringLiteral(" | ") + heading->text());
        }
        return QObject::eventFilter(watched, event);
    }
};

void waitForGo() {
    char c = 0;
    while (::read(STDIN_FILENO, &c, 1) == 1 && c != '\n') {
    }
}

void closeWindowsWhenStdinEnds() {
    auto* notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [notifier] {
        char buffer[64];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0) {
            notifier->setEnabled(false);
            QApplication::closeAllWindows();
        }
    });
}

} // namespace

int main(int argc, char** argv) {
    messages::setHookForTests([](const messages::Shown& shown) {
        switch (shown.kind) {
        case messages::Shown::Kind::Message:
            say("message", shown.text);
            break;
        case messages::Shown::Kind::StopError:
            say("stop error", shown.text);
            break;
        case messages::Shown::Kind::ThemeError:
            say("theme error", shown.text);
            break;
        }
    });
    waitForGo();
    // "--demo": the demo's own presence marker.
    const bool demo = argc > 1 && std::strcmp(argv[1], "--demo") == 0;
    return runApplication(
        argc, argv,
        [] {
            // The application exists by now; the window does not yet.
            qApp->installEventFilter(new ShowWatcher(qApp));
            closeWindowsWhenStdinEnds();
            return std::make_unique<sim::SimulatedPlatform>();
        },
        demo ? InstanceMarkers::kDemoUserProgram : InstanceMarkers::kUserProgram);
}
