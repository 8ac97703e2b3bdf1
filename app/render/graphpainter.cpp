// Paints a graph onto any output.
#include "app/render/graphpainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <array>
#include <cmath>

#include "app/controls/numbertext.h"
#include "app/graph/graph.h"
#include "app/render/graphlegend.h"
#include "app/render/graphstyle.h"
#include "app/render/layerpatterns.h"

namespace torve::app {
namespace {

// The grid stays behind the curves in a quieter tone than theirs.
const QColor kGridColour(0x80, 0x80, 0x80);

// The whole rectangle between two corner pixels, edges included, for clipping and filling.
QRect spanned(const QRect& r) {
    return QRect(r.left(), r.top(), r.right() - r.left() + 1, r.bottom() - r.top() + 1);
}

QFont axisFont(const Graph& graph, QPointF ppi, bool bold) {
    return graphFont(graph.fontSize, ppi.y(), bold);
}

QFont legendFont(const Graph& graph, QPointF ppi) {
    return graphFont(graph.fontSize * graph.legendFontSize / 10.0, ppi.y());
}

int curvePenWidth(const Graph& graph, QPointF ppi) {
    return (static_cast<int>(std::lround(ppi.x() / 300)) + 1) * std::max(1, graph.lineWidth);
}

// Cuts the segment a-b to the part inside `r` (Liang and Barsky's parametric clipping); false when
// none of it is inside. Curves are cut here rather than by the painter's clip, which not every
// output honours (an SVG file would carry a zoomed curve beyond the plot area).
bool clipSegment(QPointF& a, QPointF& b, const QRectF& r) {
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    double t0 = 0, t1 = 1;
    const std::array<double, 4> p = {-dx, dx, -dy, dy};
    const std::array<double, 4> q = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(),
                                     r.bottom() - a.y()};
    for (std::size_t i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const QPointF start = a;
    a = start + QPointF(dx, dy) * t0;
    b = start + QPointF(dx, dy) * t1;
    return true;
}

// The centre of a label `width` long at `centre`, moved as little as needed to keep it within the
// area's extent from `first` to `last`: labels at the ends of the axes then stay clear of the corner
// where the other axis's first label stands, and of the output's edge.
double alongArea(double centre, double width, double first, double last) {
    if (width >= last - first) return (first + last) / 2;
    return std::clamp(centre, first + width / 2, last - width / 2);
}

bool hasCurves(const Graph& graph) {
    for (int i = 0; i < graph.lineCount(); ++i)
        if (graph.line(i).points.size() > 1) return true;
    return false;
}

}  // namespace

std::vector<std::size_t> markerIndices(const std::vector<QPointF>& pixels, int every, double spacing,
                                       const QRectF& area) {
    std::vector<std::size_t> chosen;
    if (every <= 0) return chosen;
    std::optional<QPointF> last;
    for (std::size_t k = 0; k < pixels.size(); k += static_cast<std::size_t>(every)) {
        if (!area.contains(pixels[k])) continue;
        if (last && std::hypot(pixels[k].x() - last->x(), pixels[k].y() - last->y()) < spacing) continue;
        chosen.push_back(k);
        last = pixels[k];
    }
    return chosen;
}

std::vector<QRectF> markLabelBoxes(const std::vector<QPointF>& dots, const std::vector<QSizeF>& sizes,
                                   double gap, const QRectF& area,
                                   const std::vector<std::vector<QPointF>>& curves) {
    std::vector<QRectF> boxes;
    const auto clear = [&](const QRectF& candidate) {
        return std::none_of(boxes.begin(), boxes.end(),
                            [&](const QRectF& b) { return b.intersects(candidate); });
    };
    const auto crossed = [&](const QRectF& candidate) {
        for (const std::vector<QPointF>& curve : curves)
            for (std::size_t k = 1; k < curve.size(); ++k) {
                QPointF from = curve[k - 1], to = curve[k];
                if (clipSegment(from, to, candidate)) return true;
            }
        return false;
    };
    for (std::size_t i = 0; i < dots.size() && i < sizes.size(); ++i) {
        const QSizeF size = sizes[i];
        const double w = size.width(), h = size.height();
        const QPointF dot = dots[i];
        // Other marks' dots stay in sight; the label's own, and one on the same spot, lie beside it.
        const auto overDot = [&](const QRectF& candidate) {
            return std::any_of(dots.begin(), dots.end(), [&](const QPointF& d) {
                return std::hypot(d.x() - dot.x(), d.y() - dot.y()) > 1 &&
                       candidate.adjusted(-gap / 2, -gap / 2, gap / 2, gap / 2).contains(d);
            });
        };
        // Side by side, labels keep half a gap apart, so that two never read as one.
        const auto free = [&](const QRectF& candidate) {
            return area.contains(candidate) && clear(candidate.adjusted(-gap / 2, 0, gap / 2, 0)) &&
                   !crossed(candidate) && !overDot(candidate);
        };
        // Beside the dot, then in the four quarters around it.
        const std::array<QPointF, 5> corners = {
            QPointF(dot.x() + gap, dot.y() - h / 2), QPointF(dot.x() - gap - w, dot.y() + gap),
            QPointF(dot.x() - gap - w, dot.y() - gap - h), QPointF(dot.x() + gap, dot.y() + gap),
            QPointF(dot.x() + gap, dot.y() - gap - h)};
        std::optional<QRectF> chosen;
        for (const QPointF& corner : corners)
            if (free(QRectF(corner, size))) {
                chosen = QRectF(corner, size);
                break;
            }
        // Else beside it, moved a line at a time, down then up, to the first free place; failing
        // that, the first that meets no earlier label, downward or upward where the way down leaves
        // the area (marks near its foot). Bounded searches, as a thousand labels on one spot would
        // otherwise take long.
        const bool left = dot.x() + gap + w > area.right();
        const QRectF box(QPointF(left ? dot.x() - gap - w : dot.x() + gap, dot.y() - h / 2), size);
        const auto search = [&](double step, const auto& good) {
            QRectF moved = box;
            for (int tries = 0; tries < 1000 && !good(moved); ++tries) moved.translate(0, step);
            return moved;
        };
        for (double step : {h, -h}) {
            if (chosen) break;
            const QRectF found = search(step, free);
            if (free(found)) chosen = found;
        }
        if (!chosen) {
            const QRectF down = search(h, clear);
            chosen = down.bottom() <= area.bottom() ? down : search(-h, clear);
            if (chosen->top() < area.top()) chosen = down;
        }
        boxes.push_back(*chosen);
    }
    return boxes;
}

GraphPainter::GraphPainter(const Graph& graph, GraphRanges ranges) : graph_(graph), ranges_(ranges) {}

GraphLayout GraphPainter::layout(const QRect& output, QPointF ppi) const {
    const double h = QFontMetricsF(axisFont(graph_, ppi, true)).height();
    return GraphLayout(output, h, ppi, graph_, ranges_);
}

void GraphPainter::paint(QPainter& painter, const QRect& output, QPointF ppi,
                         std::optional<QPointF> legendAt) const {
    painter.save();
    painter.fillRect(output, Qt::white);
    const GraphLayout l = layout(output, ppi);
    if (!l.tooSmall()) {
        paintTitles(painter, l);
        paintTicks(painter, l);
        paintCurves(painter, l);
        paintMarks(painter, l);
        if (graph_.showLayers) paintLayerStrip(painter, l);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        const QRect& a = l.plotArea();
        painter.drawPolygon(QPolygon({a.topLeft(), a.topRight(), a.bottomRight(), a.bottomLeft()}));
        // Last, as the window's legend floats over everything: on a page of another shape it may
        // come to lie over the layer strip or the frame.
        if (legendAt) paintLegend(painter, l, *legendAt);
    }
    painter.restore();
}

GraphPainter::Labelling GraphPainter::labelling(const GraphLayout& l) const {
    const QFontMetricsF metrics(axisFont(graph_, l.ppi(), false));
    const auto width = [&](const QString& text) { return metrics.horizontalAdvance(text); };
    const QRect& a = l.plotArea();
    // Half a line of space between neighbouring labels keeps them apart as separate numbers.
    const double gap = l.fontHeight() / 2;
    return {fittingLabels(l.ranges().x, l.labelsAcross(), a.right() - a.left(), gap, width),
            fittingLabels(l.ranges().y, l.labelsDown(), a.bottom() - a.top(), gap, width)};
}

void GraphPainter::paintTitles(QPainter& painter, const GraphLayout& l) const {
    const Labelling labels = labelling(l);
    const QString xTitle = scaledAxisTitle(graph_.xTitle(), labels.x.exponent);
    const QString yTitle = scaledAxisTitle(graph_.yTitle(), labels.y.exponent);
    painter.setFont(axisFont(graph_, l.ppi(), true));
    painter.setPen(Qt::black);
    const int h = static_cast<int>(std::ceil(l.fontHeight()));
    const QRect& out = l.output();
    const QRect& area = l.plotArea();
    const bool titled = !graph_.title.isEmpty();
    // Lines of text stack inward from the top and the bottom edge: the graph title at the edge, the
    // x title next to it on the side of the x axis.
    auto line = [&](int top) { return QRect(area.left(), top, area.right() - area.left() + 1, h); };
    int top = out.top();
    if (titled && graph_.titleOnTop) {
        painter.drawText(QRect(out.left(), top, out.width(), h), Qt::AlignCenter, graph_.title);
        top += h;
    }
    if (graph_.xOnTop) painter.drawText(line(top), Qt::AlignCenter, xTitle);
    int bottom = out.bottom() + 1;
    if (titled && !graph_.titleOnTop) {
        bottom -= h;
        painter.drawText(QRect(out.left(), bottom, out.width(), h), Qt::AlignCenter, graph_.title);
    }
    if (!graph_.xOnTop) painter.drawText(line(bottom - h), Qt::AlignCenter, xTitle);

    painter.save();
    painter.translate(out.left(), (area.top() + area.bottom()) / 2.0);
    painter.rotate(-90);
    painter.drawText(QRectF(-out.height() / 2.0, 0, out.height(), h), Qt::AlignCenter, yTitle);
    painter.restore();
}

void GraphPainter::paintTicks(QPainter& painter, const GraphLayout& l) const {
    const int across = l.labelsAcross(), down = l.labelsDown();
    if (across <= 0 || down <= 0) return;
    const Labelling labels = labelling(l);
    const AxisTicks& xt = labels.x.ticks;
    const AxisTicks& yt = labels.y.ticks;
    const QRect& a = l.plotArea();
    const QPointF ppi = l.ppi();
    const int markX = static_cast<int>(std::lround(ppi.x() / 16)),
              markY = static_cast<int>(std::lround(ppi.y() / 16));
    const double h = l.fontHeight();
    const QFont font = axisFont(graph_, ppi, false);
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    const QPen tickPen(Qt::black, 1);
    const QPen gridPen(kGridColour, 1, Qt::DotLine);

    const int axisY = l.xOnTop() ? a.top() : a.bottom();
    const int inward = l.xOnTop() ? markY : -markY;
    for (long long i = xt.first; i <= xt.last; ++i) {
        const int x = l.xPixel(xt.value(i));
        painter.setPen(tickPen);
        painter.drawLine(x, axisY, x, axisY + inward);
        if (!xt.labelled(i)) continue;
        painter.setPen(gridPen);
        painter.drawLine(x, a.top(), x, a.bottom());
        painter.setPen(Qt::black);
        const QString text = tickLabel(xt.value(i), labels.x.exponent);
        const double w = metrics.horizontalAdvance(text);
        const double top = l.xOnTop() ? a.top() - ppi.y() / 32 - h : a.bottom() + ppi.y() / 16;
        painter.drawText(QRectF(alongArea(x, w, a.left(), a.right()) - w / 2 - 1, top, w + 2, h),
                         Qt::AlignCenter, text);
    }
    for (long long i = yt.first; i <= yt.last; ++i) {
        const int y = l.yPixel(yt.value(i));
        painter.setPen(tickPen);
        painter.drawLine(a.left(), y, a.left() + markX, y);
        if (!yt.labelled(i)) continue;
        painter.setPen(gridPen);
        painter.drawLine(a.left(), y, a.right(), y);
        painter.setPen(Qt::black);
        const QString text = tickLabel(yt.value(i), labels.y.exponent);
        const double w = metrics.horizontalAdvance(text);
        // Turned to read upward, its foot toward the area.
        painter.save();
        painter.translate(a.left() - ppi.x() / 32, alongArea(y, w, a.top(), a.bottom()));
        painter.rotate(-90);
        painter.drawText(QRectF(-w / 2 - 1, -h, w + 2, h), Qt::AlignCenter, text);
        painter.restore();
    }
}

void GraphPainter::paintCurves(QPainter& painter, const GraphLayout& l) const {
    if (!hasCurves(graph_)) return;
    painter.save();
    painter.setClipRect(spanned(l.plotArea()));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    const QPointF ppi = l.ppi();
    const int width = curvePenWidth(graph_, ppi);
    const double rx = ppi.x() / 32, ry = ppi.y() / 32;
    const QRect& a = l.plotArea();
    const QRectF area(QPointF(a.left(), a.top()), QPointF(a.right(), a.bottom()));
    int position = 0;
    std::vector<QPointF> pixels;
    QList<QLineF> segments;
    for (int i = 0; i < graph_.lineCount(); ++i) {
        const PlotLine& line = graph_.line(i);
        if (!line.active) continue;
        const QColor colour = curveColour(position++);
        // A hidden curve keeps its colour, so the others keep theirs, but draws nothing.
        if (!line.shown) continue;
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        pixels.resize(line.points.size());
        for (std::size_t k = 0; k < line.points.size(); ++k) pixels[k] = l.toPixel(line.points[k]);
        segments.clear();
        for (std::size_t k = 1; k < pixels.size(); ++k) {
            QPointF from = pixels[k - 1], to = pixels[k];
            if (clipSegment(from, to, area)) segments.append(QLineF(from, to));
        }
        painter.drawLines(segments);
        // Markers no closer than their own size, so that dense data read as a line with symbols
        // rather than a chain of overlapping ones; the line itself keeps every point.
        for (std::size_t k : markerIndices(pixels, graph_.markers, std::max(6.0, ppi.x() / 16), area))
            painter.drawPolyline(markerShape(i, pixels[k], rx, ry));
    }
    painter.restore();
}

void GraphPainter::paintMarks(QPainter& painter, const GraphLayout& l) const {
    if (graph_.marks.empty()) return;
    painter.save();
    painter.setClipRect(spanned(l.plotArea()));
    const QPointF ppi = l.ppi();
    const QFont font = axisFont(graph_, ppi, false);
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    const double rx = ppi.x() / 24, ry = ppi.y() / 24;
    const QRect& a = l.plotArea();
    std::vector<QPointF> dots;
    std::vector<QSizeF> sizes;
    for (const GraphMark& mark : graph_.marks) {
        dots.push_back(l.toPixel(mark.at));
        sizes.emplace_back(metrics.horizontalAdvance(mark.label), metrics.height());
    }
    // The labels keep off the curves they mark.
    std::vector<std::vector<QPointF>> curves;
    for (int c = 0; c < graph_.lineCount(); ++c) {
        const PlotLine& line = graph_.line(c);
        if (!line.active || !line.shown) continue;
        curves.emplace_back();
        for (const QPointF& p : line.points) curves.back().push_back(l.toPixel(p));
    }
    const std::vector<QRectF> boxes =
        markLabelBoxes(dots, sizes, ppi.x() / 16,
                       QRectF(QPointF(a.left(), a.top()), QPointF(a.right(), a.bottom())), curves);
    const QPen leader(QColor(0x60, 0x60, 0x60), 1);
    for (std::size_t i = 0; i < dots.size(); ++i) {
        const QRectF& box = boxes[i];
        // A label moved away from its dot is tied to it by a thin line.
        const double dx = std::max({box.left() - dots[i].x(), dots[i].x() - box.right(), 0.0});
        const double dy = std::max({box.top() - dots[i].y(), dots[i].y() - box.bottom(), 0.0});
        if (std::hypot(dx, dy) > 2 * ppi.x() / 16) {
            painter.setPen(leader);
            const double x = box.left() > dots[i].x() ? box.left() : box.right();
            painter.drawLine(dots[i], QPointF(x, box.center().y()));
        }
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::black);
        painter.drawEllipse(dots[i], rx, ry);
        painter.setBrush(Qt::NoBrush);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, graph_.marks[i].label);
    }
    painter.restore();
}

QSize GraphPainter::legendBoxSize(const GraphLayout& l) const {
    const QFontMetricsF metrics(legendFont(graph_, l.ppi()));
    double widest = 0;
    int rows = 0;
    for (const LegendEntry& e : legendEntries(graph_)) {
        if (!e.shown) continue;
        widest = std::max(widest, metrics.horizontalAdvance(e.name));
        ++rows;
    }
    if (rows == 0) return {};
    const QPointF ppi = l.ppi();
    const double rowHeight = metrics.height() + ppi.y() / 32;
    // Margins of 1/16 inch, a curve sample of 1/4 inch and 1/16 inch before the name.
    const double w = ppi.x() / 16 + ppi.x() / 4 + ppi.x() / 16 + widest + ppi.x() / 16;
    const double h = rows * rowHeight + ppi.y() / 32;
    return {static_cast<int>(std::ceil(w)), static_cast<int>(std::ceil(h))};
}

QRect legendBoxAt(const GraphLayout& l, QSize size, QPointF at) {
    const QRect& out = l.output();
    const QRect& strip = l.layerStrip();
    // An eighth of an inch of white keeps the box off the edge of a picture or page, and off the
    // soil-layer strip, whose patterns it would hide. Moved left or up as needed, but never beyond
    // the left or top margin.
    const int margin = static_cast<int>(std::lround(l.ppi().x() / 8));
    int right = out.left() + out.width() - margin;
    if (!strip.isNull()) right = std::min(right, strip.left() - margin);
    const int bottom = out.top() + out.height() - margin;
    int x = out.left() + static_cast<int>(std::lround(at.x() * out.width()));
    int y = out.top() + static_cast<int>(std::lround(at.y() * out.height()));
    x = std::max(std::min(x, right - size.width()), out.left() + margin);
    y = std::max(std::min(y, bottom - size.height()), out.top() + margin);
    return QRect(QPoint(x, y), size);
}

QRect GraphPainter::legendBox(const GraphLayout& l, QPointF at) const {
    return legendBoxAt(l, legendBoxSize(l), at);
}

void GraphPainter::paintLegend(QPainter& painter, const GraphLayout& l, QPointF at) const {
    const QRect box = legendBox(l, at);
    if (box.isEmpty()) return;
    const QPointF ppi = l.ppi();
    const QFont font = legendFont(graph_, ppi);
    const QFontMetricsF metrics(font);
    const double rowHeight = metrics.height() + ppi.y() / 32;
    painter.save();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setFont(font);
    const int width = curvePenWidth(graph_, ppi);
    double y = box.top() + ppi.y() / 32;
    for (const LegendEntry& e : legendEntries(graph_)) {
        if (!e.shown) continue;
        const double sampleLeft = box.left() + ppi.x() / 16, sampleRight = sampleLeft + ppi.x() / 4;
        const double middle = y + metrics.height() / 2;
        painter.setPen(QPen(e.colour, width));
        painter.setBrush(Qt::NoBrush);
        painter.drawLine(QPointF(sampleLeft, middle), QPointF(sampleRight, middle));
        if (graph_.markers > 0)
            painter.drawPolyline(markerShape(e.line, QPointF((sampleLeft + sampleRight) / 2, middle),
                                             ppi.x() / 32, ppi.y() / 32));
        painter.drawText(QRectF(sampleRight + ppi.x() / 16, y, box.right() - sampleRight, metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, e.name);
        y += rowHeight;
    }
    painter.restore();
}

QPointF GraphPainter::quietestLegendPlace(const GraphLayout& l) const {
    return quietestLegendPlace(l, legendBoxSize(l));
}

QPointF GraphPainter::quietestLegendPlace(const GraphLayout& l, QSize size) const {
    const QRect& a = l.plotArea();
    const QRect& out = l.output();
    if (size.isEmpty() || out.width() <= 0 || out.height() <= 0) return {};
    // A small gap keeps the box off the frame of the plot area.
    const int gap = static_cast<int>(std::lround(l.ppi().x() / 32));
    const int leftX = a.left() + gap, rightX = a.right() - gap - size.width() + 1;
    const int topY = a.top() + gap, bottomY = a.bottom() - gap - size.height() + 1;
    const std::array<QPoint, 4> corners = {QPoint(rightX, bottomY), QPoint(rightX, topY),
                                           QPoint(leftX, bottomY), QPoint(leftX, topY)};
    // Each curve is followed along its segments a few pixels at a time, so that a box lying
    // between two far-apart points still counts the line crossing it.
    std::array<long long, 4> covered{};
    auto count = [&](QPointF p) {
        for (std::size_t c = 0; c < corners.size(); ++c)
            if (QRectF(corners[c], size).contains(p)) ++covered[c];
    };
    for (int i = 0; i < graph_.lineCount(); ++i) {
        const PlotLine& line = graph_.line(i);
        if (!line.active || !line.shown) continue;
        for (std::size_t k = 0; k < line.points.size(); ++k) {
            const QPointF to = l.toPixel(line.points[k]);
            if (k == 0) {
                count(to);
                continue;
            }
            const QPointF from = l.toPixel(line.points[k - 1]);
            const int steps = std::min(
                10000,
                static_cast<int>(std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y())) / 4) + 1);
            for (int j = 1; j <= steps; ++j) count(from + (to - from) * (double(j) / steps));
        }
    }
    const auto best = std::min_element(covered.begin(), covered.end()) - covered.begin();
    const QPoint at = corners[static_cast<std::size_t>(best)] - out.topLeft();
    return {double(at.x()) / out.width(), double(at.y()) / out.height()};
}

void GraphPainter::paintLayerStrip(QPainter& painter, const GraphLayout& l) const {
    const QRect& strip = l.layerStrip();
    if (strip.isNull()) return;
    painter.save();
    painter.setFont(graphFont(graph_.fontSize, l.ppi().y()));
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    int top = strip.top();
    for (int i = 0; i < graph_.lineCount(Graph::LayerMarks); ++i) {
        const PlotLine& mark = graph_.line(i, Graph::LayerMarks);
        if (mark.points.empty()) continue;
        const int bottom = std::clamp(l.yPixel(mark.points[0].y()), strip.top(), strip.bottom());
        const QRect layer(QPoint(strip.left(), std::min(top, bottom)),
                          QPoint(strip.right(), std::max(top, bottom)));
        top = bottom;
        if (layer.bottom() <= layer.top()) continue;
        const QRect inside = spanned(layer);
        const QImage fill =
            layerFill(static_cast<int>(std::lround(mark.points[0].x())), inside.size(), l.ppi().x());
        if (!fill.isNull()) painter.drawImage(inside.topLeft(), fill);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(layer.left(), layer.top(), layer.right() - layer.left(),
                         layer.bottom() - layer.top());
        painter.drawText(spanned(layer), Qt::AlignCenter, graph_.displayName(i, Graph::LayerMarks));
    }
    painter.restore();
}

}  // namespace torve::app
