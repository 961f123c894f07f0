#include "screens/TimeEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QStyleOptionSpinBox>
#include <QtTest>

using breezekit::TimeEdit;

class TimeEditTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void keys_data();
    void keys();
    void spinButtonsStepAtTheCaret_data();
    void spinButtonsStepAtTheCaret();
    void pasteAndCutKeepTheShape();
    void setTextTakesOnlyAWellFormedTime();

  private:
    TimeEdit* field_ = nullptr;
};

void TimeEditTest::init() {
    field_ = new TimeEdit;
    field_->resize(121, 21);
    field_->show();
    field_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(field_));
    field_->setFocus();
}

void TimeEditTest::cleanup() {
    delete field_;
    field_ = nullptr;
}

void TimeEditTest::keys_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("typed"); // letters; "^" Up, "v" Down, "<" Backspace, "#" Delete
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("caretAfter");
    QTest::newRow("four digits") << "00:00" << 0 << "1745"
                                 << "17:45" << 5;
    QTest::newRow("over the colon") << "00:00" << 0 << "095"
                                    << "09:50" << 4;
    QTest::newRow("first hour digit 0..2") << "00:00" << 0 << "3"
                                           << "00:00" << 0;
    QTest::newRow("no hour 24") << "20:00" << 1 << "4"
                                << "20:00" << 1;
    QTest::newRow("2 in front of 5") << "15:00" << 0 << "2"
                                     << "23:00" << 1;
    QTest::newRow("first minute digit 0..5") << "00:00" << 3 << "6"
                                             << "00:00" << 3;
    QTest::newRow("nothing beyond the end") << "12:34" << 5 << "1"
                                            << "12:34" << 5;
    QTest::newRow("letters refused") << "12:34" << 0 << "a:"
                                     << "12:34" << 0;
    QTest::newRow("up in the minutes") << "23:59" << 4 << "^"
                                       << "23:00" << 4;
    QTest::newRow("up in the hour") << "23:59" << 1 << "^"
                                    << "00:59" << 1;
    QTest::newRow("up before the colon") << "23:59" << 2 << "^"
                                         << "00:59" << 2;
    QTest::newRow("down wraps the hour") << "00:30" << 0 << "v"
                                         << "23:30" << 0;
    QTest::newRow("down wraps the minute") << "05:00" << 5 << "v"
                                           << "05:59" << 5;
    QTest::newRow("backspace puts back 0") << "12:34" << 5 << "<"
                                           << "12:30" << 4;
    QTest::newRow("backspace over the colon") << "12:34" << 3 << "<"
                                              << "10:34" << 1;
    QTest::newRow("delete puts back 0") << "12:34" << 0 << "#"
                                        << "02:34" << 0;
    QTest::newRow("everything deleted") << "12:34" << 5 << "<<<<<<"
                                        << "00:00" << 0;
}

void TimeEditTest::keys() {
    QFETCH(QString, start);
    QFETCH(int, caret);
    QFETCH(QString, typed);
    QFETCH(QString, result);
    QFETCH(int, caretAfter);
    field_->setText(start);
    field_->setCursorPosition(caret);
    for (QChar c : typed) {
        switch (c.toLatin1()) {
        case '^':
            QTest::keyClick(field_, Qt::Key_Up);
            break;
        case 'v':
            QTest::keyClick(field_, Qt::Key_Down);
            break;
        case '<':
            QTest::keyClick(field_, Qt::Key_Backspace);
            break;
        case '#':
            QTest::keyClick(field_, Qt::Key_Delete);
            break;
        default:
            QTest::keyClick(field_, c.toLatin1());
        }
    }
    QCOMPARE(field_->text(), result);
    QCOMPARE(field_->cursorPosition(), caretAfter);
}

void TimeEditTest::spinButtonsStepAtTheCaret_data() {
    QTest::addColumn<int>("caret");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("result");
    QTest::newRow("up, minutes") << 4 << true << "23:00";
    QTest::newRow("up, hour") << 0 << true << "00:59";
    QTest::newRow("down, minutes") << 5 << false << "23:58";
    QTest::newRow("down, hour") << 1 << false << "22:59";
}

void TimeEditTest::spinButtonsStepAtTheCaret() {
    QFETCH(int, caret);
    QFETCH(bool, up);
    QFETCH(QString, result);
    field_->setText(QStringLiteral("23:59"));
    field_->setCursorPosition(caret);
    QStyleOptionSpinBox option;
    option.initFrom(field_);
    option.rect = field_->rect();
    option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown | QStyle::SC_SpinBoxFrame;
    option.buttonSymbols = field_->buttonSymbols();
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    option.frame = field_->hasFrame();
    const QRect button = field_->style()->subControlRect(
        QStyle::CC_SpinBox, &option, up ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown, field_);
    QVERIFY(button.isValid());
    QTest::mouseClick(field_, Qt::LeftButton, {}, button.center());
    QCOMPARE(field_->text(), result);
    QCOMPARE(field_->cursorPosition(), caret);
}

void TimeEditTest::pasteAndCutKeepTheShape() {
    field_->setText(QStringLiteral("12:34"));
    QApplication::clipboard()->setText(QStringLiteral("99"));
    field_->setCursorPosition(0);
    QTest::keyClick(field_, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field_->text(), QStringLiteral("12:34"));

    QApplication::clipboard()->setText(QStringLiteral("07:05"));
    field_->selectAll();
    QTest::keyClick(field_, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field_->text(), QStringLiteral("07:05"));

    field_->selectAll();
    QTest::keyClick(field_, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(field_->text(), QStringLiteral("00:00"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("07:05"));
}

void TimeEditTest::setTextTakesOnlyAWellFormedTime() {
    field_->setText(QStringLiteral("01:30"));
    for (const char* bad : {"24:00", "1:30", "", "12:60", "ab:cd"})
        field_->setText(QString::fromLatin1(bad));
    QCOMPARE(field_->text(), QStringLiteral("01:30"));
    QCOMPARE(field_->time(), (breezekit::TimeOfDay{1, 30}));
}

QTEST_MAIN(TimeEditTest)
#include "TimeEditTest.moc"
