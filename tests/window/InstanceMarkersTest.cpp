#include "markers/FlockInstanceMarkers.h"

#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <barrier>
#include <filesystem>
#include <thread>
#include <unistd.h>

using namespace breezekit;
namespace fs = std::filesystem;

// Two opens of a marker file conflict as two processes would, so one process can play both sides.
class InstanceMarkersTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    fs::path path(const char* name) const { return fs::path(dir_.path().toStdString()) / name; }

  private slots:
    void theFirstHolderKeepsTheMarkerUntilItEnds() {
        const fs::path file = path("first.lock");
        auto first = std::make_unique<FileLockMarker>(file);
        QCOMPARE(first->hold(), FileLockMarker::Hold::Taken);
        QVERIFY(fs::exists(file));

        FileLockMarker second(file);
        QCOMPARE(second.hold(), FileLockMarker::Hold::HeldElsewhere);
        QVERIFY(second.heldElsewhere());

        // The lock goes with its holder; the file that stays behind is no stale marker.
        first.reset();
        QVERIFY(fs::exists(file));
        QVERIFY(!second.heldElsewhere());
        QCOMPARE(second.hold(), FileLockMarker::Hold::Taken);
    }

    void probingAMarkerNeitherCreatesNorTakesIt() {
        const fs::path file = path("probe.lock");
        FileLockMarker probe(file);
        QVERIFY(!probe.heldElsewhere());
        QVERIFY(!fs::exists(file));

        FileLockMarker holder(file);
        QCOMPARE(holder.hold(), FileLockMarker::Hold::Taken);
        QVERIFY(probe.heldElsewhere());
        QVERIFY(probe.heldElsewhere());

        FileLockMarker later(path("probe2.lock"));
        QCOMPARE(later.hold(), FileLockMarker::Hold::Taken);
        FileLockMarker prober(path("probe2.lock"));
        QVERIFY(prober.heldElsewhere());
    }

    // A copy starting while another program asks about the marker must never meet the question's lock.
    void askingNeverStopsAHolder() {
        const fs::path file = path("asked.lock");
        { (void)FileLockMarker(file).hold(); } // the file exists, unheld
        std::atomic<bool> stop{false};
        std::thread asker([&] {
            FileLockMarker probe(file);
            while (!stop)
                (void)probe.heldElsewhere();
        });
        int refused = 0;
        for (int i = 0; i < 2000; ++i) {
            FileLockMarker taker(file);
            if (taker.hold() != FileLockMarker::Hold::Taken) ++refused;
        }
        stop = true;
        asker.join();
        QCOMPARE(refused, 0);
    }

    void aMarkerThatCannotBeMadeIsUnavailable_data() {
        QTest::addColumn<QString>("where");
        QTest::newRow("missing folder") << QStringLiteral("no/such/folder/m.lock");
        QTest::newRow("symlink") << QStringLiteral("link.lock");
    }
    void aMarkerThatCannotBeMadeIsUnavailable() {
        QFETCH(QString, where);
        std::error_code alreadyThere;
        fs::create_symlink(path("elsewhere"), path("link.lock"), alreadyThere);
        FileLockMarker marker(fs::path(dir_.path().toStdString()) / where.toStdString());
        QCOMPARE(marker.hold(), FileLockMarker::Hold::Unavailable);
        QVERIFY(!marker.heldElsewhere());
        QVERIFY(!fs::exists(path("elsewhere")));
    }

    void anotherCopyIsFoundAndTheServiceProgramIsSeen() {
        FlockInstanceMarkers running(path("user.lock"), path("service.lock"));
        QVERIFY(running.takeUserProgramMarker());
        QVERIFY(!running.serviceProgramRuns());

        FlockInstanceMarkers second(path("user.lock"), path("service.lock"));
        QVERIFY(!second.takeUserProgramMarker());

        FileLockMarker service(path("service.lock"));
        QCOMPARE(service.hold(), FileLockMarker::Hold::Taken);
        QVERIFY(running.serviceProgramRuns());
    }

    void aMarkerThatCannotBeMadeDoesNotStopTheProgram() {
        FlockInstanceMarkers markers(path("missing/user.lock"), path("missing/service.lock"));
        QVERIFY(markers.takeUserProgramMarker());
        QVERIFY(!markers.serviceProgramRuns());
    }

    // Of two copies that test and take at the same moment, exactly one gets the marker.
    void simultaneousTakersNeverBothWin() {
        constexpr int kRounds = 200;
        for (int round = 0; round < kRounds; ++round) {
            const fs::path file = path(("race" + std::to_string(round) + ".lock").c_str());
            FlockInstanceMarkers a(file, path("service.lock"));
            FlockInstanceMarkers b(file, path("service.lock"));
            std::atomic<int> winners{0};
            std::barrier start(2);
            auto take = [&](FlockInstanceMarkers& m) {
                start.arrive_and_wait();
                if (m.takeUserProgramMarker()) ++winners;
            };
            std::thread ta(take, std::ref(a));
            std::thread tb(take, std::ref(b));
            ta.join();
            tb.join();
            QCOMPARE(winners.load(), 1);
        }
    }

    void theMarkerLivesInTheRuntimeFolderOrElseInTempByUser() {
        const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
        const bool wasSet = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", "/run/user/4242");
        QCOMPARE(markerPath("User_program_Holmgard_Lumio"),
                 fs::path("/run/user/4242/User_program_Holmgard_Lumio.lock"));
        qunsetenv("XDG_RUNTIME_DIR");
        const fs::path fallback = markerPath("Service_program_Holmgard_Lumio");
        QCOMPARE(fallback.parent_path(), fs::temp_directory_path());
        QCOMPARE(fallback.filename().string(),
                 "Service_program_Holmgard_Lumio-" + std::to_string(::getuid()) + ".lock");
        if (wasSet) qputenv("XDG_RUNTIME_DIR", saved);
    }
};

QTEST_GUILESS_MAIN(InstanceMarkersTest)
#include "InstanceMarkersTest.moc"
