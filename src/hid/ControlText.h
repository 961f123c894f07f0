#pragma once

#include "hid/core/ReportText.h"

#include <QString>
#include <string_view>

namespace breezekit {

// What a control shows of a text that came from a report: the part before its first U+0000.
inline QString controlText(std::u16string_view reportText) {
    const std::u16string_view shown = cutAtZero(reportText);
    return QString::fromUtf16(shown.data(), static_cast<qsizetype>(shown.size()));
}

} // namespace breezekit
