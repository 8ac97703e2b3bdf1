// A cross-section example of the noncircular pile dialog.
#include "app/dialogs/sectionsketch.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace torve::app {
namespace {

constexpr QSizeF kDrawing(130, 100);

}  // namespace

SectionSketch::SectionSketch(Shape shape, QWidget* parent) : QWidget(parent), shape_(shape) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QSize SectionSketch::sizeHint() const {
    return kDrawing.toSize();
}

void SectionSketch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = std::min(width() / kDrawing.width(), height() / kDrawing.height());
    painter.translate((width() - kDrawing.width() * scale) / 2, (height() - kDrawing.height() * scale) / 2);
    painter.scale(scale, scale);
    const QColor ink = palette().color(QPalette::WindowText);
    QFont font = painter.font();
    font.setPointSizeF(8);
    painter.setFont(font);

    // The section fills 30..100 across and 15..85 down; L1 is its width, L2 its depth.
    const QRectF outline(30, 15, 70, 70);
    QPainterPath section;
    if (shape_ == Shape::Rectangle) {
        section.addRect(outline);
    } else {
        const double flange = 10, web = 8;
        section.addRect(outline.left(), outline.top(), outline.width(), flange);
        section.addRect(outline.left(), outline.bottom() - flange, outline.width(), flange);
        section.addRect(outline.center().x() - web / 2, outline.top() + flange, web,
                        outline.height() - 2 * flange);
        painter.setPen(QPen(ink, 0.75));
        painter.drawText(QRectF(outline.right() + 2, outline.top(), 30, 10), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("W1"));
        painter.drawText(QRectF(outline.center().x() + 6, outline.center().y() - 5, 30, 10),
                         Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("W2"));
    }
    painter.setPen(QPen(ink, 1));
    painter.setBrush(palette().color(QPalette::Mid));
    painter.drawPath(section);
    painter.setBrush(Qt::NoBrush);
    if (shape_ == Shape::EnclosedHSection) {
        painter.setPen(QPen(ink, 1, Qt::DashLine));
        painter.drawRect(outline);
    }
    painter.setPen(QPen(ink, 0.75));
    painter.drawText(QRectF(outline.left(), outline.bottom() + 2, outline.width(), 12), Qt::AlignCenter,
                     QStringLiteral("L1"));
    painter.drawText(QRectF(0, outline.center().y() - 6, outline.left() - 4, 12),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("L2"));
}

}  // namespace torve::app
