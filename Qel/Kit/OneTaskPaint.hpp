#pragma once
// Qt's raster engine hands every fill of more than about a hundred spans to Qt's global thread
// pool and waits for it, so a chart of many antialiased shapes costs a hand-off and the wake-up
// of several pool threads per shape: on a quiet machine most of a chart's cost. Inside a task of
// that pool the engine fills where it is, so a whole picture drawn in one task costs one hand-off.
//
// What runs there draws into a QImage it was given and reads nothing that the main thread
// changes meanwhile (the main thread waits); no QPixmap, no widget.
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QSize>

#include <functional>

namespace qel {

// Runs `draw` in one task of Qt's global thread pool and returns when it has run; runs it right
// here when called from that pool.
void paintInOneTask(const std::function<void()>& draw);

// Clipped to a region of several rectangles (a widget's changed parts), even a plain opaque fill
// takes the engine's span path, and so the pool; clipped to one rectangle it is a plain fill, and
// a shape yields only the spans inside. Calls `paint` once for each rectangle of `region`, with
// `p` also clipped to it; the painter's state is as before each call.
void paintRectByRect(QPainter& p, const QRegion& region, const std::function<void(const QRect&)>& paint);

// A clear image `size` points large at `dpr` device pixels a point, to draw a picture into.
QImage clearImage(QSize size, double dpr);

}  // namespace qel
