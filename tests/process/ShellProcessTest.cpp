#include "markers/FlockInstanceMarkers.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace breezekit;

namespace {
constexpr int kStartTimeoutMs = 30000;
const QString kUserMarker = QStringLiteral("User_program_Holmgard_Lumio.lock");
const QString kServiceMarker = QStringLiteral("Service_program_Holmgard_Lumio.lock");
const QString kDemoUserMarker = QStringLiteral("User_program_Holmgard_Lumio_demo.lock");
} // namespace

// Real copies of the program, each a process over the simulated platform, sharing one user's
// settings folder and runtime folder.
class ShellProcessTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> home_;

    QString runtimeDir() const { return home_->filePath(QStringLiteral("run")); }
    QString settingsFile() const {
        return home_->filePath(QStringLiteral("config/ZEPHA BreezeKit/User Program.conf"));
    }
    std::filesystem::path marker(const QString& name) const {
        return QDir(runtimeDir()).filePath(name).toStdString();
    }

    std::unique_ptr<QProcess> launch(const QString& locale, bool go = true, const QStringList& args = {}) {
        auto copy = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home_->filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("HOME"), home_->path());
        env.insert(QStringLiteral("LC_ALL"), locale);
        env.insert(QStringLiteral("LANG"), locale);
        env.remove(QStringLiteral("LANGUAGE"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        copy->setProcessEnvironment(env);
        copy->start(QStringLiteral(SHELL_PROBE), args);
        if (!copy->waitForStarted(kStartTimeoutMs)) return nullptr;
        if (go) copy->write("go\n");
        return copy;
    }

    // Runs a copy that is expected to end by itself; its printed lines.
    QStringList runToEnd(const QString& locale, const QStringList& args = {}) {
        auto copy = launch(locale, true, args);
        if (!copy) return {QStringLiteral("<did not start>")};
        if (!copy->waitForFinished(kStartTimeoutMs)) {
            copy->kill();
            copy->waitForFinished();
            return {QStringLiteral("<still running>")};
        }
        QStringList lines = QString::fromUtf8(copy->readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        if (copy->exitStatus() != QProcess::NormalExit || copy->exitCode() != 0)
            lines << QStringLiteral("<exit %1>").arg(copy->exitCode());
        return lines;
    }

    static bool waitUntilShown(QProcess& copy, QString& output) {
        // The caller checks what was printed, which says more than a time-out.
        (void)QTest::qWaitFor(
            [&] {
                output += QString::fromUtf8(copy.readAllStandardOutput());
                return output.contains(QLatin1String("shown: ")) || copy.state() == QProcess::NotRunning;
            },
            kStartTimeoutMs);
        return output.contains(QLatin1String("shown: "));
    }

    static int closeAndWait(QProcess& copy) {
        copy.closeWriteChannel();
        if (!copy.waitForFinished(kStartTimeoutMs)) return -1;
        return copy.exitStatus() == QProcess::NormalExit ? copy.exitCode() : -2;
    }

    void store(const QByteArray& value) {
        QVERIFY(QDir().mkpath(QFileInfo(settingsFile()).path()));
        QFile file(settingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[General]\nNumber%20of%20language=" + value + "\n");
    }

  private slots:
    void init() {
        home_ = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir().mkpath(runtimeDir()));
        QFile::setPermissions(runtimeDir(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void theFirstStartCreatesTheSettingsFileWithoutAValue() {
        QVERIFY(!QFile::exists(settingsFile()));
        auto copy = launch(QStringLiteral("en_US.UTF-8"));
        QVERIFY(copy);
        QString output;
        QVERIFY2(waitUntilShown(*copy, output), qPrintable(output));
        QCOMPARE(output, QStringLiteral("shown: ENG | Select device\n"));
        QVERIFY(QFile::exists(settingsFile()));
        QCOMPARE(closeAndWait(*copy), 0);
        QCOMPARE(QFile(settingsFile()).size(), 0);
    }

    void theLanguageComesFromTheSystemUnlessOneIsStored_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("German") << "de_DE.UTF-8" << QByteArray() << "shown: DEU | Gerät wählen";
        QTest::newRow("stored 3 on German")
            << "de_DE.UTF-8" << QByteArray("3") << "shown: УКР | Виберіть пристрій";
        QTest::newRow("stored 1 on Russian")
            << "ru_RU.UTF-8" << QByteArray("1") << "shown: ENG | Select device";
        QTest::newRow("stored 8 ignored") << "de_DE.UTF-8" << QByteArray("8") << "shown: DEU | Gerät wählen";
        QTest::newRow("stored word ignored")
            << "de_DE.UTF-8" << QByteArray("Deutsch") << "shown: DEU | Gerät wählen";
        QTest::newRow("Polish") << "pl_PL.UTF-8" << QByteArray() << "shown: POL | Wybierz urządzenie";
        QTest::newRow("Chinese") << "zh_CN.UTF-8" << QByteArray() << "shown: 中文 | 选择设备";
        QTest::newRow("Bokmål") << "nb_NO.UTF-8" << QByteArray() << "shown: NOR | Velg en enhet";
        QTest::newRow("Nynorsk") << "nn_NO.UTF-8" << QByteArray() << "shown: NOR | Velg en enhet";
        QTest::newRow("French") << "fr_FR.UTF-8" << QByteArray() << "shown: ENG | Select device";
        QTest::newRow("C") << "C" << QByteArray() << "shown: ENG | Select device";
    }
    void theLanguageComesFromTheSystemUnlessOneIsStored() {
        QFETCH(QString, locale);
        QFETCH(QByteArray, stored);
        QFETCH(QString, shown);
        if (!stored.isEmpty()) store(stored);
        auto copy = launch(locale);
        QVERIFY(copy);
        QString output;
        QVERIFY2(waitUntilShown(*copy, output), qPrintable(output));
        QCOMPARE(output, shown + QLatin1Char('\n'));
        QCOMPARE(closeAndWait(*copy), 0);
    }

    void markersDecideWhetherTheCopyRuns_data() {
        QTest::addColumn<bool>("anotherCopy");
        QTest::addColumn<bool>("serviceProgram");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QStringList>("printed");
        QTest::newRow("another copy") << true << false << QByteArray() << QStringList();
        QTest::newRow("service program, system language")
            << false << true << QByteArray()
            << QStringList{QStringLiteral("message: Bitte \"Service ZEPHA BreezeKit\" schließen")};
        QTest::newRow("service program, stored language")
            << false << true << QByteArray("3")
            << QStringList{QStringLiteral("message: Будь ласка, закрийте \"Service ZEPHA BreezeKit\"")};
        QTest::newRow("both: the copy test comes first") << true << true << QByteArray() << QStringList();
    }
    void markersDecideWhetherTheCopyRuns() {
        QFETCH(bool, anotherCopy);
        QFETCH(bool, serviceProgram);
        QFETCH(QByteArray, stored);
        QFETCH(QStringList, printed);
        if (!stored.isEmpty()) store(stored);
        FileLockMarker user(marker(kUserMarker));
        FileLockMarker service(marker(kServiceMarker));
        if (anotherCopy) QCOMPARE(user.hold(), FileLockMarker::Hold::Taken);
        if (serviceProgram) QCOMPARE(service.hold(), FileLockMarker::Hold::Taken);

        QCOMPARE(runToEnd(QStringLiteral("de_DE.UTF-8")), printed);
    }

    void theDemoHasAMarkerOfItsOwn_data() {
        QTest::addColumn<bool>("demo");
        QTest::addColumn<QString>("held");
        QTest::addColumn<QStringList>("printed");
        const QStringList runs{QStringLiteral("shown: DEU | Gerät wählen")};
        QTest::newRow("demo beside the program") << true << kUserMarker << runs;
        QTest::newRow("program beside the demo") << false << kDemoUserMarker << runs;
        QTest::newRow("second demo") << true << kDemoUserMarker << QStringList();
        QTest::newRow("demo beside the service program")
            << true << kServiceMarker
            << QStringList{QStringLiteral("message: Bitte \"Service ZEPHA BreezeKit\" schließen")};
    }
    void theDemoHasAMarkerOfItsOwn() {
        QFETCH(bool, demo);
        QFETCH(QString, held);
        QFETCH(QStringList, printed);
        FileLockMarker other(marker(held));
        QCOMPARE(other.hold(), FileLockMarker::Hold::Taken);
        const QStringList args = demo ? QStringList{QStringLiteral("--demo")} : QStringList();
        auto copy = launch(QStringLiteral("de_DE.UTF-8"), true, args);
        QVERIFY(copy);
        // A copy that runs is closed once shown; one that may not run ends by itself.
        QString output;
        if (waitUntilShown(*copy, output))
            QCOMPARE(closeAndWait(*copy), 0);
        else
            QVERIFY(copy->state() == QProcess::NotRunning || copy->waitForFinished(kStartTimeoutMs));
        output += QString::fromUtf8(copy->readAllStandardOutput());
        QCOMPARE(output.split(QLatin1Char('\n'), Qt::SkipEmptyParts), printed);
    }

    void aSecondCopyEndsAndTheFirstRunsOn() {
        auto first = launch(QStringLiteral("en_US.UTF-8"));
        QVERIFY(first);
        QString output;
        QVERIFY2(waitUntilShown(*first, output), qPrintable(output));

        QCOMPARE(runToEnd(QStringLiteral("en_US.UTF-8")), QStringList());
        QCOMPARE(first->state(), QProcess::Running);
        QCOMPARE(closeAndWait(*first), 0);

        // A copy that ended leaves no marker behind.
        auto next = launch(QStringLiteral("en_US.UTF-8"));
        QVERIFY(next);
        output.clear();
        QVERIFY2(waitUntilShown(*next, output), qPrintable(output));
        QCOMPARE(closeAndWait(*next), 0);
    }

    void ofTwoCopiesStartedTogetherExactlyOneRuns() {
        constexpr int kRounds = 8;
        for (int round = 0; round < kRounds; ++round) {
            auto a = launch(QStringLiteral("en_US.UTF-8"), false);
            auto b = launch(QStringLiteral("en_US.UTF-8"), false);
            QVERIFY(a && b);
            a->write("go\n");
            b->write("go\n");
            QString outA;
            QString outB;
            QVERIFY(QTest::qWaitFor(
                [&] {
                    outA += QString::fromUtf8(a->readAllStandardOutput());
                    outB += QString::fromUtf8(b->readAllStandardOutput());
                    const bool aDone =
                        outA.contains(QLatin1String("shown: ")) || a->state() == QProcess::NotRunning;
                    const bool bDone =
                        outB.contains(QLatin1String("shown: ")) || b->state() == QProcess::NotRunning;
                    return aDone && bDone;
                },
                kStartTimeoutMs));
            const bool aRuns = outA.contains(QLatin1String("shown: "));
            const bool bRuns = outB.contains(QLatin1String("shown: "));
            QVERIFY2(aRuns != bRuns,
                     qPrintable(QStringLiteral("round %1: %2 / %3").arg(round).arg(outA, outB)));
            QProcess& loser = aRuns ? *b : *a;
            QCOMPARE(loser.exitCode(), 0);
            QCOMPARE((aRuns ? outB : outA), QString());
            QCOMPARE(closeAndWait(aRuns ? *a : *b), 0);
        }
    }
};

QTEST_GUILESS_MAIN(ShellProcessTest)
#include "ShellProcessTest.moc"
