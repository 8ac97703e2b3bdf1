// The fill patterns of the soil-layer strip, by the type code of a layer mark.
#pragma once

#include <QBrush>
#include <QImage>

namespace torve::app {

// Black on white: 1 thin lines rising to the right (clay), 2 forward diagonal hatch, 3 cross hatch,
// 4 diagonal cross hatch, 5 horizontal hatch, 6 vertical hatch, 7 staggered dots (sand), 8 bricks,
// 9 staggered dashes, 10 blocks, 11 fine dots, 12 zigzag; any other code fills nothing (NoBrush).
// The patterns repeat every 8 pixels on the screen; `ppi` coarsens them in whole steps for outputs
// of finer resolution, so a printed strip looks like the one on the screen.
QBrush layerBrush(int code, double ppi);

// A picture of `size` filled with the pattern of `code`; null for a code without one. Drawn as a
// picture, the pattern reaches every output alike: an SVG file keeps no pattern brushes.
QImage layerFill(int code, QSize size, double ppi);

}  // namespace torve::app
