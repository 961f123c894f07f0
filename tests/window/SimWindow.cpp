#include "SimWindow.h"

#include "protocol/core/Commands.h"

#include <QEventLoop>
#include <QSignalSpy>
#include <QTimer>
#include <cstdio>
#include <stdexcept>

namespace breezekit::testing {

namespace {
constexpr std::size_t kOutputHeaderSize = 3; // report ID, code, count
}

SimWindow::SimWindow(const std::vector<sim::FactoryParameters>& units)
    : settings_(dir_.filePath(QStringLiteral("settings.ini"))),
      markers_(dir_.filePath(QStringLiteral("user.lock")).toStdString(),
               dir_.filePath(QStringLiteral("service.lock")).toStdString()) {
    messages::setHookForTests([this](const messages::Shown& shown) { shown_.push_back(shown); });
    for (const sim::FactoryParameters& parameters : units)
        units_.push_back(platform_.plugUnit(parameters));
    form_ = std::make_unique<TForm1>(TForm1::Environment{platform_, settings_, markers_});
    if (form_->FormCreate() != TForm1::StartOutcome::Run)
        throw std::runtime_error("the window refused to start");
    if (!waitForRebuild()) throw std::runtime_error("no device list was built");
}

SimWindow::SimWindow(int count)
    : SimWindow([count] {
          std::vector<sim::FactoryParameters> units;
          for (int i = 0; i < count; ++i)
              units.push_back(unitParameters(i == 0 ? u"Pavona MOX" : u"Pavona", serialNumber(i)));
          return units;
      }()) {}

SimWindow::~SimWindow() {
    form_.reset();
    messages::setHookForTests(nullptr);
}

bool SimWindow::waitForRebuild(int timeoutMs) {
    QSignalSpy rebuilt(&form_->deviceList(), &DeviceList::deviceListRebuilt);
    return rebuilt.wait(timeoutMs);
}

bool SimWindow::waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    if (condition()) return true;
    QEventLoop loop;
    QTimer look;
    look.setInterval(1);
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (condition()) loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    look.start();
    loop.exec();
    return condition();
}

std::vector<SentCommand> SimWindow::commands(const sim::VirtualInterface& unit) {
    std::vector<SentCommand> decoded;
    for (const sim::ReceivedReport& report : unit.receivedReports()) {
        if (report.bytes.size() < kOutputHeaderSize) continue;
        SentCommand command;
        command.at = report.at;
        command.code = report.bytes[1];
        const std::size_t count =
            std::min<std::size_t>(report.bytes[2], report.bytes.size() - kOutputHeaderSize);
        command.payload.assign(report.bytes.begin() + kOutputHeaderSize,
                               report.bytes.begin() + static_cast<std::ptrdiff_t>(kOutputHeaderSize + count));
        decoded.push_back(std::move(command));
    }
    return decoded;
}

void SimWindow::clearCommands() {
    for (auto& unit : units_)
        unit->clearReceivedReports();
}

std::vector<messages::Shown::Kind> SimWindow::messageKinds() const {
    std::vector<messages::Shown::Kind> kinds;
    for (const messages::Shown& shown : shown_)
        kinds.push_back(shown.kind);
    return kinds;
}

QStringList SimWindow::messages() const {
    QStringList texts;
    for (const messages::Shown& shown : shown_)
        texts << shown.text;
    return texts;
}

sim::FactoryParameters SimWindow::unitParameters(std::u16string product, std::string serial) {
    sim::FactoryParameters parameters;
    parameters.productString = std::move(product);
    parameters.serialNumber = std::move(serial);
    return parameters;
}

std::string SimWindow::serialNumber(int n) {
    char serial[25];
    std::snprintf(serial, sizeof serial, "SN%022d", n + 1);
    return serial;
}

} // namespace breezekit::testing
