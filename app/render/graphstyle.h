// The look of a graph: curve colours, point markers and fonts, the same on every output.
#pragma once

#include <QColor>
#include <QFont>
#include <QPolygonF>

namespace torve::app {

// Curves take their colours from this table by their place among the active curves, over again
// after the last.
inline constexpr int kCurveColourCount = 17;
QColor curveColour(int position);

// The outline of the marker of line `lineIndex` around `centre`, radii rx and ry (an output may have
// different resolutions across and down): shapes by index mod 10, a triangle pointing down, a
// square, then regular polygons of 3 to 10 corners with a corner at the top.
QPolygonF markerShape(int lineIndex, QPointF centre, double rx, double ry);

// The graphs' serif font, sized in points for an output of `ppiY` pixels per inch; where "Times New
// Roman" is missing the system's serif font stands in.
QFont graphFont(double pointSize, double ppiY, bool bold = false);

}  // namespace torve::app
