#include "SimWindow.h"
#include "TestReports.h"
#include "protocol/core/Commands.h"

#include <QLabel>
#include <QTest>
#include <algorithm>
#include <random>

using namespace breezekit;
using breezekit::testing::SimWindow;

// Untrusted input: random reports from the selected unit through the dispatch of a running window.
class RandomReportsTest : public QObject {
    Q_OBJECT
  private slots:
    void survivesRandomReports();
    void handlesExactlyTheCommandSetsReplies();
};

// The dispatch goes by its handler table alone: a handler missing or added shows here.
void RandomReportsTest::handlesExactlyTheCommandSetsReplies() {
    SimWindow w(1);
    for (int code = 0; code < 256; ++code) {
        const bool listed =
            std::find(std::begin(kHandledCodes), std::end(kHandledCodes), code) != std::end(kHandledCodes);
        QVERIFY2(w.link().hasReportHandler(static_cast<std::uint8_t>(code)) == listed,
                 qPrintable(QString::number(code)));
    }
}

void RandomReportsTest::survivesRandomReports() {
    constexpr int kReports = 10000;
    // hidraw keeps 64 reports per reader: stay below that between waits.
    constexpr int kBatch = 32;
    SimWindow w(1);
    TForm1& form = w.form();
    sim::VirtualInterface& unit = w.unit(0);
    QTRY_COMPARE(form.Label_Serial_number->text(), QString::fromStdString(SimWindow::serialNumber(0)));
    // Silent, so read-back chains set off by random replies end at once.
    unit.unit()->setSilent(true);

    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> length(1, 65);
    std::uniform_int_distribution<int> byte(0, 255);
    std::bernoulli_distribution handledCode(0.75);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kHandledCodes) - 1);

    const int readBefore = unit.reportsRead();
    for (int sent = 0; sent < kReports;) {
        for (int i = 0; i < kBatch && sent < kReports; ++i, ++sent) {
            std::vector<std::uint8_t> report(static_cast<std::size_t>(length(random)));
            for (auto& b : report)
                b = static_cast<std::uint8_t>(byte(random));
            if (report.size() > 1)
                report[1] = handledCode(random) ? kHandledCodes[pick(random)]
                                                : static_cast<std::uint8_t>(byte(random));
            unit.sendInputReport(report);
        }
        QVERIFY(SimWindow::waitUntil([&] { return unit.reportsRead() - readBefore == sent; }, 30000));
    }
    QVERIFY(w.link().listedDevices().size() == 1);

    // The window still takes reports as before.
    const std::string serial = "STILLALIVE";
    unit.sendInputReport(testing::inputReport(CmdSerialNumber, testing::bytesOf(serial)));
    QTRY_COMPARE(form.Label_Serial_number->text(), QString::fromStdString(serial));
}

QTEST_MAIN(RandomReportsTest)
#include "RandomReportsTest.moc"
