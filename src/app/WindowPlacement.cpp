#include "app/WindowPlacement.h"

namespace breezekit {

namespace {
int placeOnAxis(int length, int start, int room) {
    return length <= room ? start + (room - length) / 2 : start;
}
} // namespace

QPoint placeOnScreen(QSize frame, QRect available) {
    return {placeOnAxis(frame.width(), available.x(), available.width()),
            placeOnAxis(frame.height(), available.y(), available.height())};
}

} // namespace breezekit
