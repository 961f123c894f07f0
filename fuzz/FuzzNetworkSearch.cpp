#include "protocol/core/NetworkSearch.h"

#include <cstddef>
#include <cstdint>
#include <string>

// One line of the module's network list, one character per report byte: the module's text is untrusted.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string line;
    for (std::size_t i = 0; i < size; ++i)
        line.push_back(static_cast<char16_t>(data[i]));
    const std::u16string name = breezekit::networkNameOfLine(line);
    if (name.empty()) return 0;
    // The name sits right before the line's first quote-comma and holds none itself.
    const std::size_t close = line.find(u"\",");
    if (close == std::u16string::npos || close < name.size()) __builtin_trap();
    if (line.compare(close - name.size(), name.size(), name) != 0) __builtin_trap();
    if (name.find(u"\",") != std::u16string::npos) __builtin_trap();
    return 0;
}
