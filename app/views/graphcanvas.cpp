// The drawing surface of a graph window.
#include "app/views/graphcanvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>

#include "app/graph/graph.h"
#include "app/render/graphpainter.h"
#include "app/views/legendbox.h"
#include "app/views/texts.h"
#include "app/widgets/caption.h"

namespace torve::app {

GraphCanvas::GraphCanvas(Graph& graph, QWidget* parent)
    : QWidget(parent),
      graph_(graph),
      full_(graphRanges(graph)),
      ranges_(full_),
      legend_(new LegendBox(graph, this)) {
    setAccessibleFromCaption(this, texts::kGraph);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 150);
    connect(legend_, &LegendBox::curveToggled, this, qOverload<>(&QWidget::update));
    connect(legend_, &LegendBox::moved, this, [this] {
        legendDragged_ = true;
        legendMoved();
    });
    legend_->rebuild();
    updateLegendVisibility();
}

QPointF GraphCanvas::ppi() const {
    return {double(logicalDpiX()), double(logicalDpiY())};
}

GraphLayout GraphCanvas::layout() const {
    return GraphPainter(graph_, ranges_).layout(rect(), ppi());
}

void GraphCanvas::graphChanged(bool pointsChanged) {
    if (pointsChanged) {
        full_ = graphRanges(graph_);
        ranges_ = full_;
    }
    legend_->rebuild();
    updateLegendVisibility();
    update();
}

void GraphCanvas::updateLegendVisibility() {
    legend_->setVisible(graph_.showLegend && graph_.lineCount() > 0);
}

void GraphCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    GraphPainter(graph_, ranges_).paint(painter, rect(), ppi());
}

void GraphCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    legend_->rebuild();
    placeLegend();
}

void GraphCanvas::placeLegend() {
    if (!legendAt_) {
        // First placed in the corner of the plot area where it hides the fewest curve points, the
        // bottom-right one when all are alike; a place the user drags it to is kept from then on.
        const QSize size = legend_->size();
        const GraphLayout l = layout();
        if (size.isEmpty()) {
            legend_->place(l.plotArea().bottomRight() - QPoint(size.width() - 1, size.height() - 1));
        } else {
            const QPointF at = GraphPainter(graph_, ranges_).quietestLegendPlace(l, size);
            legend_->place(QPoint(qRound(at.x() * width()), qRound(at.y() * height())));
        }
        legendMoved();
        return;
    }
    legend_->place(QPoint(qRound(legendAt_->x() * width()), qRound(legendAt_->y() * height())));
}

void GraphCanvas::legendMoved() {
    if (width() > 0 && height() > 0)
        legendAt_ = QPointF(double(legend_->x()) / width(), double(legend_->y()) / height());
}

std::optional<QPointF> GraphCanvas::legendPlace() const {
    if (legend_->isHidden()) return std::nullopt;
    return legendAt_ ? legendAt_ : std::optional<QPointF>(QPointF(1, 1));
}

std::optional<QPointF> GraphCanvas::legendPlaceOn(const QRect& output, QPointF outputPpi) const {
    if (legend_->isHidden()) return std::nullopt;
    if (legendDragged_ && legendAt_) return legendAt_;
    const GraphPainter painter(graph_, ranges_);
    return painter.quietestLegendPlace(painter.layout(output, outputPpi));
}

void GraphCanvas::paintOutput(QPainter& painter, const QRect& output, QPointF outputPpi) const {
    GraphPainter(graph_, ranges_).paint(painter, output, outputPpi, legendPlaceOn(output, outputPpi));
}

void GraphCanvas::zoomToPixels(QPoint from, QPoint to) {
    const GraphLayout l = layout();
    if (from.x() == to.x() || from.y() == to.y()) return;
    const QPointF a = l.toValue(l.clampIntoArea(from)), b = l.toValue(l.clampIntoArea(to));
    ranges_ = {zoomIn({std::min(a.x(), b.x()), std::max(a.x(), b.x())}, full_.x),
               zoomIn({std::min(a.y(), b.y()), std::max(a.y(), b.y())}, full_.y)};
    update();
}

void GraphCanvas::zoomOutAt(QPoint pixel) {
    const GraphLayout l = layout();
    const QPointF v = l.toValue(l.clampIntoArea(pixel));
    ranges_ = {zoomOut(ranges_.x, full_.x, v.x()), zoomOut(ranges_.y, full_.y, v.y())};
    update();
}

void GraphCanvas::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const QRect area = layout().plotArea();
    if (!area.contains(at)) return;
    if (event->button() == Qt::RightButton) {
        zoomOutAt(at);
    } else if (event->button() == Qt::LeftButton) {
        dragStart_ = at;
        if (!rubberBand_) rubberBand_ = new QRubberBand(QRubberBand::Rectangle, this);
        rubberBand_->setGeometry(QRect(at, QSize()));
        rubberBand_->show();
    }
}

void GraphCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const GraphLayout l = layout();
    emit pointerMoved(l.toValue(l.clampIntoArea(at)));
    if (dragStart_ && rubberBand_) rubberBand_->setGeometry(QRect(*dragStart_, at).normalized());
}

void GraphCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragStart_) return;
    const QPoint from = *dragStart_;
    dragStart_.reset();
    if (rubberBand_) rubberBand_->hide();
    zoomToPixels(from, event->position().toPoint());
}

}  // namespace torve::app
