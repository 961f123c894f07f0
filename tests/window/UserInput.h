#pragma once

#include <QComboBox>
#include <QTest>

namespace breezekit::testing {

// A user's pick in a drop-down list: the keyboard moves onto the item, which runs the change handler as
// a mouse pick would; setting the selection from code would run none.
inline void pick(QComboBox* combo, int index) {
    if (index == 0) {
        combo->setCurrentIndex(1);
        QTest::keyClick(combo, Qt::Key_Up);
    } else {
        combo->setCurrentIndex(index - 1);
        QTest::keyClick(combo, Qt::Key_Down);
    }
}

} // namespace breezekit::testing
