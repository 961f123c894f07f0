#include "hid/core/InputReport.h"
#include "protocol/core/CounterText.h"
#include "protocol/core/Encodings.h"
#include "text/core/TextTable.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// A status reply as a reader read it, report ID first; the language comes from the last byte.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace breezekit;
    const InputReport report(std::span(data, size));
    if (size > 1 && report.code() != data[1]) __builtin_trap();
    for (int k = 1; k <= 4; ++k) {
        const std::size_t at = static_cast<std::size_t>(2 + k);
        if (report.payloadByte(k) != (at < size ? data[at] : 0)) __builtin_trap();
    }
    const std::u16string text = report.text();
    const std::u16string serial = report.serialNumber();
    if (serial.size() > text.size()) __builtin_trap();
    if (text.size() > size) __builtin_trap();

    const std::uint32_t seconds =
        secondsFrom24(report.payloadByte(1), report.payloadByte(2), report.payloadByte(3));
    // Out-of-range languages included: the table answers those with empty headings.
    const int language = size > 0 ? static_cast<int>(data[size - 1] % (kLanguageCount + 2)) - 1 : 0;
    const std::string counter = filterCounterText(seconds, language);
    std::size_t digits = 0;
    for (char c : counter)
        digits += c >= '0' && c <= '9' ? 1 : 0;
    // Four fields of at least two digits each; days stay below 365.
    if (digits < 8 || counter.size() > 200) __builtin_trap();
    return 0;
}
