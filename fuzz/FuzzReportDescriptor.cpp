#include "hid/core/ReportDescriptor.h"

#include <cstddef>
#include <cstdint>
#include <span>

// Report descriptors come from whatever device is plugged in.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto lengths = breezekit::parseReportDescriptor(std::span(data, size));
    if (lengths && (lengths->input > breezekit::kMaxDescribedReportBytes + 1 ||
                    lengths->output > breezekit::kMaxDescribedReportBytes + 1))
        __builtin_trap();
    return 0;
}
