#pragma once

namespace breezekit {

// Makes the window's font, Tahoma, available: the free clone that the system may carry outside the
// font configuration, or else a narrow sans-serif in its place. True when the clone was registered.
bool registerWindowFont();

} // namespace breezekit
