#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QWidget>

namespace breezekit::testing {

// The colour shown at most of these points of the widget on screen, in widget coordinates. Taken from a
// picture of the widget, so that it counts what is painted, whatever the palette or the theme say.
inline QColor paintedColour(QWidget* widget, const QList<QPoint>& points) {
    const QImage image = widget->grab().toImage();
    QHash<QRgb, int> votes;
    for (const QPoint& p : points)
        ++votes[image.pixel(p.x() * image.width() / widget->width(),
                            p.y() * image.height() / widget->height())];
    QRgb best = 0;
    for (auto it = votes.cbegin(); it != votes.cend(); ++it)
        if (it.value() > votes.value(best)) best = it.key();
    return QColor(best);
}

// The colour of most of the widget's face: every pixel counts, but for a rim that a frame may take.
inline QColor paintedColour(QWidget* widget) {
    constexpr int kRim = 3;
    const QImage image = widget->grab().toImage();
    QHash<QRgb, int> votes;
    for (int y = kRim; y < image.height() - kRim; ++y)
        for (int x = kRim; x < image.width() - kRim; ++x)
            ++votes[image.pixel(x, y)];
    QRgb best = 0;
    for (auto it = votes.cbegin(); it != votes.cend(); ++it)
        if (it.value() > votes.value(best)) best = it.key();
    return QColor(best);
}

} // namespace breezekit::testing
