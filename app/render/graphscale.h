// Axis ranges, tick steps and zoom of a graph: the arithmetic behind what the graph window shows.
#pragma once

#include <QString>
#include <functional>

namespace torve::app {

class Graph;

// The values one axis spans, from min to max.
struct AxisRange {
    double min = 0;
    double max = 0;
    double width() const { return max - min; }
    bool operator==(const AxisRange&) const = default;
};

struct GraphRanges {
    AxisRange x;
    AxisRange y;
    bool operator==(const GraphRanges&) const = default;
};

// The range an axis opens with for values from `min` to `max` (the caller has already taken zero
// in): a range of no width is widened by 0.01 on each side; the step is the power of ten below the
// width, a tenth of it when the width's leading digits are below 3; both ends go out to whole
// steps. Values 0 to 350 give 0 to 400, values 0 to 250 give 0 to 250.
AxisRange roundedRange(double min, double max);

// The opening ranges of a graph: over every point of every curve (active or not), with zero always
// inside.
GraphRanges graphRanges(const Graph& graph);

// The step between labelled ticks when `labels` labels fit along a range of `width`: 1, 2, 5 or 10
// times the power of ten below width / labels.
double majorStep(double width, int labels);

// The ticks of one axis: every multiple of `step` (a fifth of the major step) inside the range,
// index first to last; multiples of five are labelled and carry a grid line.
struct AxisTicks {
    double step = 0;
    long long first = 0;
    long long last = -1;
    bool labelled(long long index) const { return index % 5 == 0; }
    double value(long long index) const { return static_cast<double>(index) * step; }
};
AxisTicks axisTicks(AxisRange range, int labels);

// How one axis is labelled: its ticks and the power of ten its labels are shown in. With an
// exponent of 3 the label of 15000 reads "15" and the axis title says "× 1000", so that one axis
// never mixes "9000" with "1E4".
struct AxisLabelling {
    AxisTicks ticks;
    int exponent = 0;
};

// The power of ten, a multiple of 3, that labels between `first` and `last` are shown in: 0 while
// the largest of them in magnitude lies from 1E-3 up to below 1E4 (four digits without an
// exponent), else the multiple of 3 at or below its decade.
int commonExponent(double first, double last);

// The text of a tick label shown in 10^exponent, 4 significant digits.
QString tickLabel(double value, int exponent);

// An axis title carrying the common factor of its labels: "Total Capacity (kN)" becomes
// "Total Capacity (kN × 1000)", a title without unit gets " (× 10^6)"; unchanged at exponent 0.
QString scaledAxisTitle(const QString& title, int exponent);

// The labelling of an axis of `length` pixels with at most `labels` labels, where no two label
// texts (of the widths `textWidth` gives) come closer than `gap` pixels: fewer labels are tried
// until they fit. Labels at the ends are taken as moved inward to stay within the axis, as the
// painter draws them.
AxisLabelling fittingLabels(AxisRange range, int labels, double length, double gap,
                            const std::function<double(const QString&)>& textWidth);

// Zooming may not go below this part of the opening range on either axis.
inline constexpr double kZoomLimit = 1.0 / 20.0;

// The range a zoom rectangle selects: the selection itself, or, when narrower than the limit, a
// range of exactly the limit centred on it and shifted to stay inside `full`.
AxisRange zoomIn(AxisRange selection, AxisRange full);
// Zooming out around `centre`: twice the current width, at most the full width, moved as little
// as needed to stay inside `full`.
AxisRange zoomOut(AxisRange current, AxisRange full, double centre);

}  // namespace torve::app
