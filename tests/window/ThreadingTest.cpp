#include "SimWindow.h"
#include "hid/device/DeviceReader.h"
#include "hid/device/HidController.h"
#include "hid/device/HidDevice.h"
#include "protocol/core/Commands.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <QTest>
#include <atomic>
#include <mutex>
#include <random>
#include <thread>

using namespace breezekit;
using breezekit::testing::SimWindow;

// Plugging and unplugging in a tight loop while every unit streams reports.
class ThreadingTest : public QObject {
    Q_OBJECT
  private slots:
    void plugAndUnplugWhileUnitsStream();
};

void ThreadingTest::plugAndUnplugWhileUnitsStream() {
    // BREEZEKIT_STORM_ROUNDS raises the count for a soak run.
    const int kRounds = qEnvironmentVariableIntValue("BREEZEKIT_STORM_ROUNDS") > 0
                            ? qEnvironmentVariableIntValue("BREEZEKIT_STORM_ROUNDS")
                            : 300;
    constexpr int kStreams = 3;
    constexpr std::size_t kMostPlugged = 4;
    std::vector<std::shared_ptr<sim::VirtualInterface>> everyInterface;
    {
        SimWindow w(2);
        std::mutex liveMutex;
        std::vector<std::shared_ptr<sim::VirtualInterface>> live{w.unitHandle(0), w.unitHandle(1)};
        std::atomic<bool> stop{false};
        std::vector<std::thread> streams;
        for (int s = 0; s < kStreams; ++s) {
            streams.emplace_back([&, s] {
                std::mt19937 random(static_cast<unsigned>(s));
                const std::uint8_t codes[] = {CmdSerialNumber, CmdWifiState, CmdMasterState, CmdFilterTime,
                                              0x63};
                std::vector<std::uint8_t> report(65);
                while (!stop) {
                    std::shared_ptr<sim::VirtualInterface> target;
                    {
                        std::lock_guard lock(liveMutex);
                        target = live[random() % live.size()];
                    }
                    for (auto& b : report)
                        b = static_cast<std::uint8_t>(random());
                    report[0] = 1;
                    report[1] = codes[random() % std::size(codes)];
                    target->sendInputReport(report);
                    std::this_thread::yield();
                }
            });
        }
        // A failed check returns early: the streams must still end before their state goes.
        const auto endStreams = qScopeGuard([&] {
            stop = true;
            for (std::thread& t : streams)
                t.join();
        });

        int rebuilds = 0;
        connect(&w.form().deviceList(), &DeviceList::deviceListRebuilt, this, [&] { ++rebuilds; });
        std::atomic<int> dispatched{0};
        w.link().setReportHandler(CmdSerialNumber, [&](const InputReport&) { ++dispatched; });

        std::mt19937 random(7);
        for (int round = 0; round < kRounds; ++round) {
            auto plugged = round % 5 == 0 ? w.platform().plugMouse()
                                          : w.platform().plugUnit(SimWindow::unitParameters(
                                                u"Pavona", SimWindow::serialNumber(round)));
            std::shared_ptr<sim::VirtualInterface> gone;
            {
                std::lock_guard lock(liveMutex);
                live.push_back(plugged);
                if (live.size() > kMostPlugged) {
                    const auto victim = live.begin() + static_cast<std::ptrdiff_t>(random() % live.size());
                    gone = *victim;
                    live.erase(victim);
                }
            }
            if (gone) w.platform().unplug(gone);
            QCoreApplication::processEvents();
        }

        // The list settles on exactly the units still plugged, each with its reader.
        std::vector<std::string> units;
        for (const auto& i : w.platform().interfaces())
            if (i->setup().isUnit) units.push_back(i->info().identity);
        const auto listed = [&] {
            std::vector<std::string> ids;
            for (HidDevice* d : w.link().listedDevices())
                ids.push_back(d->identity());
            return ids;
        };
        QTRY_COMPARE_WITH_TIMEOUT(listed(), units, 30000);
        everyInterface = w.platform().interfaces();
        QTRY_COMPARE_WITH_TIMEOUT(w.link().controller().runningReaders(), static_cast<int>(units.size()),
                                  30000);

        // The loop really raced rebuilds against hand-overs.
        QVERIFY2(rebuilds > kRounds / 4, qPrintable(QString::number(rebuilds)));
        QVERIFY(dispatched > 0);
    }
    // Closing the window ended every reader and closed every handle.
    for (const auto& i : everyInterface)
        QCOMPARE(i->openConnections(), 0u);
}

QTEST_MAIN(ThreadingTest)
#include "ThreadingTest.moc"
