#pragma once

#include <QThread>

namespace breezekit {

// The unit is paced by short pauses that block the GUI thread on purpose: no report is dispatched and
// no timer runs meanwhile. Never a nested event loop.
inline void pause(unsigned long ms) {
    QThread::msleep(ms);
}

} // namespace breezekit
