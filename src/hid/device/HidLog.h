#pragma once

#include <QLoggingCategory>

namespace breezekit {

// Off by default; QT_LOGGING_RULES="breezekit.hid.debug=true" turns it on.
Q_DECLARE_LOGGING_CATEGORY(lcHid)

} // namespace breezekit
