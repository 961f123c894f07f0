#include "app/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using breezekit::SettingsStore;

class SettingsStoreTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir root_;
    QString userScope_;

    // A fresh native user location for each test, without touching the real one.
    void freshLocation() {
        static int n = 0;
        userScope_ = root_.filePath(QStringLiteral("config%1").arg(++n));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, userScope_);
    }
    QString expectedFile() const { return userScope_ + QStringLiteral("/ZEPHA BreezeKit/User Program.conf"); }

  private slots:
    void init() { freshLocation(); }

    void firstStartCreatesTheStoreWithoutAValue() {
        SettingsStore store;
        QCOMPARE(store.fileName(), expectedFile());
        QVERIFY(!QFile::exists(expectedFile()));
        QVERIFY(store.ensureExists());
        QVERIFY(QFile::exists(expectedFile()));
        QCOMPARE(store.storedLanguage(), std::nullopt);
        QCOMPARE(QFile(expectedFile()).size(), 0);
        // A second start leaves it as it is.
        QVERIFY(store.ensureExists());
        QCOMPARE(store.storedLanguage(), std::nullopt);
    }

    void aStoredChoiceIsReadBackByTheNextStart() {
        QVERIFY(SettingsStore().storeLanguage(3));
        QCOMPARE(SettingsStore().storedLanguage(), std::optional<int>(3));
        QVERIFY(SettingsStore().storeLanguage(0));
        QCOMPARE(SettingsStore().storedLanguage(), std::optional<int>(0));
        QSettings raw(expectedFile(), QSettings::NativeFormat);
        QCOMPARE(raw.value(QStringLiteral("Number of language")).toInt(), 0);
    }

    void valuesThatAreNoLanguageIndexAreIgnored_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<std::optional<int>>("expected");
        QTest::newRow("7") << QVariant(7) << std::optional<int>(7);
        QTest::newRow("text 5") << QVariant(QStringLiteral("5")) << std::optional<int>(5);
        QTest::newRow("8") << QVariant(8) << std::optional<int>();
        QTest::newRow("-1") << QVariant(-1) << std::optional<int>();
        QTest::newRow("2^32 + 1") << QVariant(Q_INT64_C(4294967297)) << std::optional<int>();
        QTest::newRow("3.5") << QVariant(3.5) << std::optional<int>();
        QTest::newRow("word") << QVariant(QStringLiteral("Deutsch")) << std::optional<int>();
        QTest::newRow("empty") << QVariant(QString()) << std::optional<int>();
        QTest::newRow("list") << QVariant(QStringList{QStringLiteral("1"), QStringLiteral("2")})
                              << std::optional<int>();
        QTest::newRow("true") << QVariant(true) << std::optional<int>();
    }
    void valuesThatAreNoLanguageIndexAreIgnored() {
        QFETCH(QVariant, stored);
        QFETCH(std::optional<int>, expected);
        {
            QSettings raw(expectedFile(), QSettings::NativeFormat);
            raw.setValue(QStringLiteral("Number of language"), stored);
        }
        QCOMPARE(SettingsStore().storedLanguage(), expected);
    }

    void aValueTypedByHandIsReadAsText() {
        QVERIFY(SettingsStore().ensureExists());
        QFile file(expectedFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[General]\nNumber%20of%20language=6\n");
        file.close();
        QCOMPARE(SettingsStore().storedLanguage(), std::optional<int>(6));
    }

    // Root may write anywhere, so the location is made unusable by a file where its folder belongs.
    void anUnusableLocationFailsEveryWrite() {
        QFile blocker(userScope_ + QStringLiteral("/ZEPHA BreezeKit"));
        QVERIFY(QDir().mkpath(userScope_));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        SettingsStore store;
        QVERIFY(!store.ensureExists());
        QVERIFY(!store.storeLanguage(2));
        QVERIFY(!QFile::exists(expectedFile()));
    }

    void aStoreAtAGivenPathUsesTheSameFormat() {
        const QString path = root_.filePath(QStringLiteral("given/User Program.conf"));
        SettingsStore store(path);
        QCOMPARE(store.fileName(), path);
        QVERIFY(store.ensureExists());
        QVERIFY(QFile::exists(path));
        QVERIFY(store.storeLanguage(4));
        QCOMPARE(SettingsStore(path).storedLanguage(), std::optional<int>(4));
    }
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "SettingsStoreTest.moc"
