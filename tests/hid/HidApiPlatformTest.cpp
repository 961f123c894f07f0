#include "hid/linux/HidApiPlatform.h"

#include <QDir>
#include <QStringList>
#include <QTest>
#include <vector>

using namespace breezekit;

// The real platform on whatever this machine has (often no HID interface at all).
class HidApiPlatformTest : public QObject {
    Q_OBJECT
  private slots:
    void enumeratesWithIdentities();
    void refusesUnknownInterfaces_data();
    void refusesUnknownInterfaces();
};

void HidApiPlatformTest::enumeratesWithIdentities() {
    const QStringList nodes =
        QDir(QStringLiteral("/dev")).entryList({QStringLiteral("hidraw*")}, QDir::System | QDir::Files);
    if (nodes.isEmpty()) QSKIP("No /dev/hidraw* node on this machine: nothing to enumerate");
    HidApiPlatform platform;
    const std::vector<HidInterfaceInfo> present = platform.enumerate();
    QVERIFY2(!present.empty(),
             qPrintable(QStringLiteral("hidraw nodes %1, none enumerated").arg(nodes.join(' '))));
    for (const HidInterfaceInfo& info : present) {
        QVERIFY(!info.path.empty());
        // The kernel's HID device name: bus:vendor:product.instance.
        QCOMPARE(info.identity.size(), 19u);
        QCOMPARE(info.identity[4], ':');
        QCOMPARE(info.identity[14], '.');
    }
}

void HidApiPlatformTest::refusesUnknownInterfaces_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("mode");
    QTest::newRow("missing node, read and write") << "/dev/hidraw-none" << int(HidOpenMode::ReadWrite);
    QTest::newRow("missing node, identification")
        << "/dev/hidraw-none" << int(HidOpenMode::IdentificationOnly);
    QTest::newRow("not a hidraw node") << "/dev/null" << int(HidOpenMode::ReadWrite);
}

void HidApiPlatformTest::refusesUnknownInterfaces() {
    QFETCH(QString, path);
    QFETCH(int, mode);
    HidApiPlatform platform;
    HidInterfaceInfo info;
    info.path = path.toStdString();
    info.identity = "0003:0483:5750.FFFF";
    QVERIFY(platform.open(info, static_cast<HidOpenMode>(mode)) == nullptr);
}

QTEST_GUILESS_MAIN(HidApiPlatformTest)
#include "HidApiPlatformTest.moc"
