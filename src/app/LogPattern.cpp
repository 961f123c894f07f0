#include "app/LogPattern.h"

#include <QtGlobal>

namespace breezekit {

void installLogPattern() {
    if (qEnvironmentVariableIsSet("QT_MESSAGE_PATTERN")) return;
    qSetMessagePattern(QString::fromLatin1(kLogPattern));
}

} // namespace breezekit
