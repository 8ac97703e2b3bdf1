// A drawing of the pile whose dimensions can be clicked to reach their fields.
#include "app/dialogs/clickablesketch.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace torve::app {

ClickableSketch::ClickableSketch(QSizeF drawingSize, QWidget* parent)
    : QWidget(parent), drawingSize_(drawingSize) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
}

QSize ClickableSketch::sizeHint() const {
    return drawingSize_.toSize();
}

QSize ClickableSketch::minimumSizeHint() const {
    return (drawingSize_ * 0.75).toSize();
}

void ClickableSketch::addPart(const QRectF& area, QWidget* field) {
    parts_.emplace_back(area, field);
}

QTransform ClickableSketch::toWidget() const {
    const double scale = std::min(width() / drawingSize_.width(), height() / drawingSize_.height());
    const double dx = (width() - drawingSize_.width() * scale) / 2;
    const double dy = (height() - drawingSize_.height() * scale) / 2;
    return QTransform(scale, 0, 0, scale, dx, dy);
}

QRect ClickableSketch::partArea(const QWidget* field) const {
    for (const auto& [area, f] : parts_)
        if (f == field) return toWidget().mapRect(area).toAlignedRect();
    return {};
}

QColor ClickableSketch::inkFor(const QWidget* field) const {
    const bool on = isEnabled() && (!field || field->isEnabled());
    return palette().color(on ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
}

void ClickableSketch::drawDimension(QPainter& painter, const QLineF& line, const QString& name,
                                    QPointF nameAt, const QWidget* field) const {
    const QColor ink = inkFor(field);
    painter.setPen(QPen(ink, 1));
    painter.setBrush(ink);
    painter.drawLine(line);
    // Arrow heads pointing outwards to both ends.
    const double head = 5;
    for (const QLineF& end : {line, QLineF(line.p2(), line.p1())}) {
        QLineF back(end.p2(), end.p1());
        back.setLength(head);
        const QPointF base = back.p2();
        const QPointF across = QPointF(-(base.y() - end.p2().y()), base.x() - end.p2().x()) * 0.5;
        painter.drawPolygon(QPolygonF({end.p2(), base + across, base - across}));
    }
    painter.setBrush(Qt::NoBrush);
    QFont font = painter.font();
    font.setPointSizeF(8);
    painter.setFont(font);
    const QRectF box(nameAt.x() - 30, nameAt.y() - 8, 60, 16);
    painter.drawText(box, Qt::AlignCenter, name);
}

void ClickableSketch::drawGround(QPainter& painter, double y, double left, double right) const {
    painter.setPen(QPen(inkFor(nullptr), 1.5));
    painter.drawLine(QPointF(left, y), QPointF(right, y));
    painter.setPen(QPen(inkFor(nullptr), 0.75));
    for (double x = left + 6; x <= right; x += 8) painter.drawLine(QPointF(x, y), QPointF(x - 6, y + 6));
}

void ClickableSketch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(toWidget());
    paintDrawing(painter);
}

void ClickableSketch::mousePressEvent(QMouseEvent* event) {
    const QPointF at = toWidget().inverted().map(event->position());
    for (const auto& [area, field] : parts_) {
        if (area.contains(at) && field->isEnabled()) {
            field->setFocus(Qt::MouseFocusReason);
            return;
        }
    }
    QWidget::mousePressEvent(event);
}

}  // namespace torve::app
