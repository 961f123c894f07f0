#include "hid/device/HidLog.h"

namespace breezekit {

Q_LOGGING_CATEGORY(lcHid, "breezekit.hid", QtInfoMsg)

} // namespace breezekit
