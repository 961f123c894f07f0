#include "app/AppIcon.h"

#include <QGuiApplication>
#include <QImage>
#include <QTest>
#include <algorithm>

using namespace breezekit;

class AppIconTest : public QObject {
    Q_OBJECT

  private slots:
    void everyInstalledSizeIsBuiltIn_data() {
        QTest::addColumn<int>("size");
        for (int size : {48, 128, 256})
            QTest::newRow(qPrintable(QString::number(size))) << size;
    }
    void everyInstalledSizeIsBuiltIn() {
        QFETCH(int, size);
        const QIcon icon = appIcon();
        QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        // Drawn, not an empty square: the fan's centre is opaque, the corner outside the housing clear.
        const QImage image = icon.pixmap(QSize(size, size)).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    }

    void nothingButTheInstalledSizes() {
        QList<QSize> sizes = appIcon().availableSizes();
        std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
        QCOMPARE(sizes, (QList<QSize>{{48, 48}, {128, 128}, {256, 256}}));
    }
};

QTEST_MAIN(AppIconTest)
#include "AppIconTest.moc"
