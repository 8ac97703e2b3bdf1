// Where the parts of a graph go on an output.
#include "app/render/graphlayout.h"

#include <algorithm>
#include <cmath>

#include "app/graph/graph.h"

namespace torve::app {

GraphLayout::GraphLayout(const QRect& output, double fontHeight, QPointF ppi, const Graph& graph,
                         GraphRanges ranges)
    : output_(output), ranges_(ranges), h_(fontHeight), ppi_(ppi), xOnTop_(graph.xOnTop) {
    const double h = fontHeight, px = ppi.x(), py = ppi.y();
    // Room for the y title and its labels on the left, for the x title and its labels on the x
    // axis's side, and a quarter inch of margin on the other sides.
    int left = qRound(2 * h + px / 8 + h / 8);
    int right = output.width() - qRound(px / 4 + h / 2);
    int top, bottom;
    if (xOnTop_) {
        top = qRound(2 * h + py / 8 + h / 8);
        bottom = output.height() - qRound(py / 4 + h / 2);
    } else {
        top = qRound(h / 2 + py / 4);
        bottom = output.height() - qRound(2 * h + py / 8 + h / 8);
    }
    if (!graph.title.isEmpty()) {
        if (graph.titleOnTop)
            top += qRound(h);
        else
            bottom -= qRound(h);
    }
    if (graph.showLayers) {
        const int oldRight = right;
        right -= qRound(px);
        strip_ =
            QRect(QPoint(right + qRound(px / 5), top), QPoint(oldRight, bottom)).translated(output.topLeft());
    }
    area_ = QRect(QPoint(left, top), QPoint(right, bottom)).translated(output.topLeft());
}

bool GraphLayout::tooSmall() const {
    return output_.width() < ppi_.x() || output_.height() < ppi_.y() || area_.right() <= area_.left() ||
           area_.bottom() <= area_.top();
}

int GraphLayout::labelsAcross() const {
    return h_ > 0 ? static_cast<int>((area_.right() - area_.left()) / (6 * h_)) : 0;
}

int GraphLayout::labelsDown() const {
    return h_ > 0 ? static_cast<int>((area_.bottom() - area_.top()) / (6 * h_)) : 0;
}

int GraphLayout::xPixel(double x) const {
    const AxisRange& r = ranges_.x;
    return static_cast<int>(std::lround((x - r.min) / r.width() * (area_.right() - area_.left()))) +
           area_.left();
}

int GraphLayout::yPixel(double y) const {
    const AxisRange& r = ranges_.y;
    const int offset =
        static_cast<int>(std::lround((y - r.min) / r.width() * (area_.bottom() - area_.top())));
    return xOnTop_ ? area_.top() + offset : area_.bottom() - offset;
}

QPointF GraphLayout::toValue(QPoint pixel) const {
    if (pixel.x() < area_.left() || pixel.x() > area_.right()) return {};
    const double fx = double(pixel.x() - area_.left()) / (area_.right() - area_.left());
    const double offset = xOnTop_ ? pixel.y() - area_.top() : area_.bottom() - pixel.y();
    const double fy = offset / (area_.bottom() - area_.top());
    return {ranges_.x.min + fx * ranges_.x.width(), ranges_.y.min + fy * ranges_.y.width()};
}

QPoint GraphLayout::clampIntoArea(QPoint pixel) const {
    return {std::clamp(pixel.x(), area_.left(), area_.right()),
            std::clamp(pixel.y(), area_.top(), area_.bottom())};
}

}  // namespace torve::app
