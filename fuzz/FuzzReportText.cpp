#include "hid/core/ReportText.h"

#include <cstddef>
#include <cstdint>

// An input report as the dispatch gets it, from the code byte on: the unit's bytes are untrusted.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text = breezekit::reportText(data, size);
    const std::u16string serial = breezekit::serialNumberText(data, size);
    const std::u16string_view shown = breezekit::cutAtZero(serial);
    // Never more characters than the report has payload bytes.
    if (text.size() + 2 != size && !(size < 3 && text.empty())) __builtin_trap();
    if (serial.size() > text.size() || shown.size() > serial.size()) __builtin_trap();
    return 0;
}
