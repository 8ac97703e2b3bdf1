// Axis ranges, tick steps and zoom of a graph.
#include "app/render/graphscale.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "app/controls/numbertext.h"
#include "app/graph/graph.h"

namespace torve::app {
namespace {

// Quotients of values that are whole multiples of a step come out a few units of the last place
// off (0.3 / 0.1 = 2.9999999999999996); this much is still taken as the whole multiple.
constexpr double kMultipleTolerance = 1e-9;

// Tick labels carry 4 significant digits.
constexpr int kLabelDigits = 4;

// `width` placed inside `full`, starting at `min` where possible.
AxisRange placeInside(double min, double width, AxisRange full) {
    min = std::max(min, full.min);
    min = std::min(min, full.max - width);
    return {min, min + width};
}

}  // namespace

AxisRange roundedRange(double min, double max) {
    if (min == max) {
        min -= 0.01;
        max += 0.01;
    }
    const double decade = std::log10(max - min);
    double step = std::pow(10.0, std::floor(decade));
    if (decade - std::floor(decade) < std::log10(3.0)) step /= 10;
    return {std::floor(min / step + kMultipleTolerance) * step,
            std::ceil(max / step - kMultipleTolerance) * step};
}

GraphRanges graphRanges(const Graph& graph) {
    AxisRange x, y;
    for (int i = 0; i < graph.lineCount(); ++i)
        for (const QPointF& p : graph.line(i).points) {
            x = {std::min(x.min, p.x()), std::max(x.max, p.x())};
            y = {std::min(y.min, p.y()), std::max(y.max, p.y())};
        }
    return {roundedRange(x.min, x.max), roundedRange(y.min, y.max)};
}

double majorStep(double width, int labels) {
    const double raw = width / labels;
    const double g = std::pow(10.0, std::floor(std::log10(raw)));
    const int k = static_cast<int>(raw / g);
    if (k < 2) return g;
    if (k < 5) return 2 * g;
    if (k < 9) return 5 * g;
    return 10 * g;
}

AxisTicks axisTicks(AxisRange range, int labels) {
    AxisTicks ticks;
    if (labels <= 0 || !(range.width() > 0) || !std::isfinite(range.width())) return ticks;
    ticks.step = majorStep(range.width(), labels) / 5;
    ticks.first = static_cast<long long>(std::ceil(range.min / ticks.step - kMultipleTolerance));
    ticks.last = static_cast<long long>(std::floor(range.max / ticks.step + kMultipleTolerance));
    return ticks;
}

int commonExponent(double first, double last) {
    const double largest = std::max(std::abs(first), std::abs(last));
    if (!(largest > 0) || !std::isfinite(largest)) return 0;
    // A hair below the decade still counts as in it: 9999.9999999 is a label of 1E4.
    const int decade = static_cast<int>(std::floor(std::log10(largest) + kMultipleTolerance));
    if (decade >= -3 && decade < kLabelDigits) return 0;
    return 3 * static_cast<int>(std::floor(decade / 3.0));
}

QString tickLabel(double value, int exponent) {
    const double shown = exponent == 0 ? value : value / std::pow(10.0, exponent);
    return formatGeneral(shown + 0.0, kLabelDigits, QLatin1Char('.'));  // + 0.0: no "-0"
}

QString scaledAxisTitle(const QString& title, int exponent) {
    if (exponent == 0) return title;
    const QString factor =
        exponent == 3 ? QStringLiteral("\u00d7 1000") : QStringLiteral("\u00d7 10^%1").arg(exponent);
    const QString trimmed = title.trimmed();
    if (trimmed.endsWith(QLatin1Char(')')))
        return trimmed.chopped(1) + QLatin1Char(' ') + factor + QLatin1Char(')');
    return trimmed + QStringLiteral(" (") + factor + QLatin1Char(')');
}

AxisLabelling fittingLabels(AxisRange range, int labels, double length, double gap,
                            const std::function<double(const QString&)>& textWidth) {
    AxisLabelling result;
    if (!(range.width() > 0) || !(length > 0)) return result;
    const double scale = length / range.width();
    for (int n = labels; n >= 1; --n) {
        result.ticks = axisTicks(range, n);
        const AxisTicks& t = result.ticks;
        if (t.last < t.first) return result;
        long long firstLabel = t.first;
        while (!t.labelled(firstLabel)) ++firstLabel;
        long long lastLabel = t.last;
        while (!t.labelled(lastLabel)) --lastLabel;
        result.exponent =
            firstLabel <= lastLabel ? commonExponent(t.value(firstLabel), t.value(lastLabel)) : 0;
        bool fits = true;
        double previousEnd = -std::numeric_limits<double>::infinity();
        for (long long i = firstLabel; i <= lastLabel && fits; i += 5) {
            const double w = textWidth(tickLabel(t.value(i), result.exponent));
            double centre = (t.value(i) - range.min) * scale;
            if (w < length) centre = std::clamp(centre, w / 2, length - w / 2);
            fits = centre - w / 2 >= previousEnd + gap;
            previousEnd = centre + w / 2;
        }
        if (fits) return result;
    }
    return result;
}

AxisRange zoomIn(AxisRange selection, AxisRange full) {
    if (selection.min > selection.max) std::swap(selection.min, selection.max);
    const double least = full.width() * kZoomLimit;
    if (selection.width() >= least) return selection;
    const double centre = (selection.min + selection.max) / 2;
    return placeInside(centre - least / 2, least, full);
}

AxisRange zoomOut(AxisRange current, AxisRange full, double centre) {
    const double half = std::min(current.width(), full.width() / 2);
    return placeInside(centre - half, 2 * half, full);
}

}  // namespace torve::app
