#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>

namespace {

constexpr int kStartTimeoutMs = 30000;
// The closing write and the one under way take twice this, so the exit is well within kPromptExitMs.
constexpr const char* kWriteDelayMs = "200";
constexpr qint64 kPromptExitMs = 2000;
const QString kOpeningOne = QStringLiteral("tx 01 0D 01 01");
const QString kClosingZero = QStringLiteral("tx 01 0D 01 00");

QProcessEnvironment slowWritesLogged() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("breezekit.hid.debug=true"));
    env.insert(QStringLiteral("BREEZEKITCTL_SIMULATED_WRITE_MS"), kWriteDelayMs);
    return env;
}

QStringList writtenReports(const QString& log) {
    QStringList written;
    for (const QString& line : log.split('\n'))
        if (const qsizetype at = line.indexOf(QLatin1String("tx ")); at >= 0) written << line.mid(at);
    return written;
}

} // namespace

TEST(CtlInterruptProcess, ASigintInsideTheWriteGroupClosesItAndEndsWithFailure) {
    QTemporaryDir dir;
    const QString profile = dir.filePath(QStringLiteral("unit.json"));
    QProcess exporter;
    exporter.start(QStringLiteral(BREEZEKITCTL_PROGRAM), {"--simulate", "--unit", "1", "export", profile});
    ASSERT_TRUE(exporter.waitForFinished(kStartTimeoutMs));
    ASSERT_EQ(exporter.exitCode(), 0) << exporter.readAllStandardError().toStdString();

    QProcess apply;
    apply.setProcessEnvironment(slowWritesLogged());
    apply.start(QStringLiteral(BREEZEKITCTL_PROGRAM), {"--simulate", "--unit", "1", "apply", profile});
    ASSERT_TRUE(apply.waitForStarted(kStartTimeoutMs));
    QString log;
    const bool opened = QTest::qWaitFor(
        [&] {
            log += QString::fromUtf8(apply.readAllStandardError());
            return log.contains(kOpeningOne) || apply.state() == QProcess::NotRunning;
        },
        kStartTimeoutMs);
    ASSERT_TRUE(opened && log.contains(kOpeningOne)) << log.toStdString();

    QElapsedTimer sinceSignal;
    sinceSignal.start();
    ASSERT_EQ(::kill(static_cast<pid_t>(apply.processId()), SIGINT), 0);
    ASSERT_TRUE(apply.waitForFinished(kStartTimeoutMs));
    EXPECT_LT(sinceSignal.elapsed(), kPromptExitMs);
    log += QString::fromUtf8(apply.readAllStandardError());

    EXPECT_EQ(apply.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(apply.exitCode(), 1);
    EXPECT_TRUE(log.contains(QLatin1String("interrupted; the write group was closed"))) << log.toStdString();
    const QStringList written = writtenReports(log);
    ASSERT_FALSE(written.isEmpty());
    EXPECT_TRUE(written.last().startsWith(kClosingZero)) << written.last().toStdString();
    // a finished group would be followed by the module switch and the fan group
    EXPECT_EQ(written.filter(kOpeningOne).size(), 1) << log.toStdString();
}

// --simulate gives the demo's units, networks in range included.
TEST(CtlSimulateProcess, SearchFindsTheDemoNetworks) {
    QProcess search;
    search.start(QStringLiteral(BREEZEKITCTL_PROGRAM), {"--simulate", "--unit", "2", "search", "--json"});
    ASSERT_TRUE(search.waitForFinished(kStartTimeoutMs));
    ASSERT_EQ(search.exitCode(), 0) << search.readAllStandardError().toStdString();
    const QJsonArray names = QJsonDocument::fromJson(search.readAllStandardOutput()).array();
    EXPECT_EQ(names, (QJsonArray{"Home-5G", "", "Cafe, Garden", "Workshop"}));
}
