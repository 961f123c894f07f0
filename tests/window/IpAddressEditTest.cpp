#include "screens/IpAddressEdit.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

using breezekit::IpAddressEdit;

namespace {

QString shown(const IpAddressEdit& field) {
    QStringList parts;
    for (int i = 0; i < IpAddressEdit::kParts; ++i)
        parts << field.part(i)->text();
    return parts.join(QLatin1Char('.'));
}

} // namespace

class IpAddressEditTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void typing_data();
    void typing();
    void valueFollowsEveryKey();
    void keyReleaseReachesTheHandlerExceptTab_data();
    void keyReleaseReachesTheHandlerExceptTab();
    void tabIntoTheFieldFromOutsideReachesNoHandler();
    void arrowsAndBackspaceCrossThePartEdges();
    void leftPartShowsItsNumberAgain();
    void setTextTakesOnlyAnAddress_data();
    void setTextTakesOnlyAnAddress();
    void disabledIsDrawnGreyed();

  private:
    void typeKeys(const QString& keys);

    QWidget* window_ = nullptr;
    QLineEdit* before_ = nullptr;
    IpAddressEdit* field_ = nullptr;
};

void IpAddressEditTest::init() {
    window_ = new QWidget;
    auto* layout = new QVBoxLayout(window_);
    before_ = new QLineEdit(window_);
    field_ = new IpAddressEdit(window_);
    layout->addWidget(before_);
    layout->addWidget(field_);
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
    field_->part(0)->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(field_->part(0)->hasFocus());
}

void IpAddressEditTest::cleanup() {
    delete window_;
    window_ = nullptr;
}

void IpAddressEditTest::typeKeys(const QString& keys) {
    for (QChar c : keys)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}

void IpAddressEditTest::typing_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("focusedPart");
    QTest::newRow("dots move on") << QStringLiteral("10.1.2.3") << QStringLiteral("10.1.2.3") << 3;
    QTest::newRow("three digits move on")
        << QStringLiteral("192168001002") << QStringLiteral("192.168.1.002") << 3;
    QTest::newRow("dot after a third digit stays")
        << QStringLiteral("192.168.4") << QStringLiteral("192.168.4.0") << 2;
    QTest::newRow("256 cannot stand") << QStringLiteral("256") << QStringLiteral("25.0.0.0") << 0;
    QTest::newRow("300 cannot stand") << QStringLiteral("300") << QStringLiteral("30.0.0.0") << 0;
    QTest::newRow("999 cannot stand") << QStringLiteral("999") << QStringLiteral("99.0.0.0") << 0;
    QTest::newRow("255 stands") << QStringLiteral("255255255255") << QStringLiteral("255.255.255.255") << 3;
    QTest::newRow("letters refused") << QStringLiteral("1a2") << QStringLiteral("12.0.0.0") << 0;
    QTest::newRow("dot in the last part stays")
        << QStringLiteral("1.2.3.4.5") << QStringLiteral("1.2.3.45") << 3;
}

void IpAddressEditTest::typing() {
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(int, focusedPart);
    typeKeys(keys);
    QCOMPARE(::shown(*field_), shown);
    QVERIFY(field_->part(focusedPart)->hasFocus());
    const QStringList numbers = shown.split(QLatin1Char('.'));
    for (int i = 0; i < IpAddressEdit::kParts; ++i)
        QCOMPARE(int(field_->address()[static_cast<size_t>(i)]), numbers[i].toInt());
}

void IpAddressEditTest::valueFollowsEveryKey() {
    QList<IpAddressEdit::Address> seen;
    connect(field_, &IpAddressEdit::keyReleased, this, [&] { seen << field_->address(); });
    typeKeys(QStringLiteral("19.7"));
    const QList<IpAddressEdit::Address> expected{{1, 0, 0, 0}, {19, 0, 0, 0}, {19, 0, 0, 0}, {19, 7, 0, 0}};
    QCOMPARE(seen, expected);
}

void IpAddressEditTest::keyReleaseReachesTheHandlerExceptTab_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("delivered");
    QTest::newRow("digit") << int(Qt::Key_5) << true;
    QTest::newRow("shift") << int(Qt::Key_Shift) << true;
    QTest::newRow("left") << int(Qt::Key_Left) << true;
    QTest::newRow("tab") << int(Qt::Key_Tab) << false;
    QTest::newRow("backtab") << int(Qt::Key_Backtab) << false;
}

void IpAddressEditTest::keyReleaseReachesTheHandlerExceptTab() {
    QFETCH(int, key);
    QFETCH(bool, delivered);
    QSignalSpy spy(field_, &IpAddressEdit::keyReleased);
    for (int i = 0; i < IpAddressEdit::kParts; ++i)
        QTest::keyRelease(field_->part(i), Qt::Key(key));
    QCOMPARE(spy.count(), delivered ? IpAddressEdit::kParts : 0);
    if (delivered) QCOMPARE(spy.first().first().toInt(), key);
}

void IpAddressEditTest::tabIntoTheFieldFromOutsideReachesNoHandler() {
    before_->setFocus();
    QTRY_VERIFY(before_->hasFocus());
    QSignalSpy spy(field_, &IpAddressEdit::keyReleased);
    QTest::keyPress(before_, Qt::Key_Tab);
    QVERIFY(field_->part(0)->hasFocus());
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Tab);
    // Tab moves on between the parts, still without a handler.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(field_->part(1)->hasFocus());
    QCOMPARE(spy.count(), 0);
}

void IpAddressEditTest::arrowsAndBackspaceCrossThePartEdges() {
    typeKeys(QStringLiteral("12."));
    QVERIFY(field_->part(1)->hasFocus());
    QTest::keyClick(field_->part(1), Qt::Key_Home);
    QTest::keyClick(field_->part(1), Qt::Key_Backspace);
    QVERIFY(field_->part(0)->hasFocus());
    QTest::keyClick(field_->part(0), Qt::Key_Backspace);
    QCOMPARE(field_->part(0)->text(), QStringLiteral("1"));
    QTest::keyClick(field_->part(0), Qt::Key_Right);
    QVERIFY(field_->part(1)->hasFocus());
    QCOMPARE(field_->part(1)->cursorPosition(), 0);
    QTest::keyClick(field_->part(1), Qt::Key_Left);
    QVERIFY(field_->part(0)->hasFocus());
    QTest::keyClick(field_->part(0), Qt::Key_Left);
    QTest::keyClick(field_->part(0), Qt::Key_Left); // no part before the first
    QVERIFY(field_->part(0)->hasFocus());
    QCOMPARE(field_->part(0)->cursorPosition(), 0);
}

void IpAddressEditTest::leftPartShowsItsNumberAgain() {
    field_->part(0)->clear();
    QCOMPARE(field_->address()[0], quint8(0));
    typeKeys(QStringLiteral("007"));
    QVERIFY(field_->part(1)->hasFocus()); // three digits moved on
    QCOMPARE(field_->part(0)->text(), QStringLiteral("7"));
    QCOMPARE(field_->text(), QStringLiteral("7.0.0.0"));
}

void IpAddressEditTest::setTextTakesOnlyAnAddress_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::newRow("address") << "10.0.0.5"
                             << "10.0.0.5";
    QTest::newRow("above 255") << "10.0.0.256"
                               << "192.168.0.1";
    QTest::newRow("three numbers") << "10.0.5"
                                   << "192.168.0.1";
    QTest::newRow("letters") << "a.b.c.d"
                             << "192.168.0.1";
    QTest::newRow("negative") << "10.0.-1.5"
                              << "192.168.0.1";
}

void IpAddressEditTest::setTextTakesOnlyAnAddress() {
    QFETCH(QString, text);
    QFETCH(QString, result);
    field_->setText(QStringLiteral("192.168.0.1"));
    field_->setText(text);
    QCOMPARE(field_->text(), result);
}

void IpAddressEditTest::disabledIsDrawnGreyed() {
    auto backgroundAt = [&] { return field_->grab().toImage().pixelColor(4, field_->height() / 2); };
    const QColor enabled = backgroundAt();
    field_->setEnabled(false);
    const QColor disabled = backgroundAt();
    QCOMPARE(enabled, field_->palette().color(QPalette::Active, QPalette::Base));
    QCOMPARE(disabled, field_->palette().color(QPalette::Active, QPalette::Button));
    QVERIFY(enabled != disabled);
    field_->setText(QStringLiteral("10.0.0.5"));
    QCOMPARE(field_->text(), QStringLiteral("10.0.0.5")); // the address stays while greyed
}

QTEST_MAIN(IpAddressEditTest)
#include "IpAddressEditTest.moc"
