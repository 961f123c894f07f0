#pragma once

#include <QColor>

class QWidget;

namespace breezekit {

inline const QColor kRed{0xFF, 0x00, 0x00};
inline const QColor kGreen{0x00, 0xFF, 0x00};

// Gives a widget its own background colour, which the theme leaves alone.
void paintBackground(QWidget* widget, const QColor& colour);

} // namespace breezekit
