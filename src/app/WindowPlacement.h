#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace breezekit {

// Where the window's frame goes on a screen's available area: centred on each axis where it fits;
// where it does not, against the area's left or top edge, so the title bar and the top-left stay reachable.
QPoint placeOnScreen(QSize frame, QRect available);

} // namespace breezekit
