#pragma once

#include <functional>
#include <memory>

namespace breezekit {

class HidPlatform;

// The program's entry after main(): theme, window, start-up rules, message loop. Always returns 0.
int runApplication(int argc, char** argv, const std::function<std::unique_ptr<HidPlatform>()>& makePlatform);

} // namespace breezekit
