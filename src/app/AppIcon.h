#pragma once

#include <QIcon>

namespace breezekit {

// Names the desktop entry, the icon and the metainfo; Wayland finds the entry by it.
inline constexpr char kDesktopId[] = "com.zepha.BreezeKit";

// The program's icon in every size the package installs, from the built-in resources.
QIcon appIcon();

} // namespace breezekit
