// The graph window's legend.
#include "app/views/legendbox.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "app/graph/graph.h"
#include "app/render/graphstyle.h"
#include "app/views/texts.h"
#include "app/widgets/caption.h"

namespace torve::app {
namespace {

// The frame and the space it keeps around the rows, in pixels.
constexpr int kBorder = 1;

}  // namespace

LegendBox::LegendBox(Graph& graph, QWidget* parent)
    : QWidget(parent), graph_(graph), scrollBar_(new QScrollBar(this)) {
    setAccessibleFromCaption(this, texts::kLegend);
    setToolTip(texts::kLegendMarkTip);
    setCursor(Qt::SizeAllCursor);
    scrollBar_->hide();
    connect(scrollBar_, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
}

int LegendBox::rowHeight() const {
    return QFontMetrics(font()).height();
}

int LegendBox::firstRow() const {
    return scrollBar_->isVisible() ? scrollBar_->value() : 0;
}

void LegendBox::rebuild() {
    entries_ = legendEntries(graph_);
    setFont(graphFont(graph_.fontSize * graph_.legendFontSize / 10.0, logicalDpiY()));
    const QFontMetrics metrics(font());
    int widest = 0;
    for (const LegendEntry& e : entries_)
        widest = std::max(widest, metrics.horizontalAdvance(e.name + QStringLiteral(" *")));
    // Rows and 3 pixels, as wide as the widest entry and a quarter inch.
    int height = static_cast<int>(entries_.size()) * rowHeight() + 3;
    int width = widest + logicalDpiX() / 4;
    const int room = parentWidget() ? parentWidget()->height() : height;
    const bool scrolls = height > room && room > 0;
    if (scrolls) {
        height = room;
        width += scrollBar_->sizeHint().width();
        const int visibleRows = std::max(1, (height - 3) / rowHeight());
        scrollBar_->setRange(0, static_cast<int>(entries_.size()) - visibleRows);
        scrollBar_->setPageStep(visibleRows);
        scrollBar_->setGeometry(width - scrollBar_->sizeHint().width() - kBorder, kBorder,
                                scrollBar_->sizeHint().width(), height - 2 * kBorder);
    }
    scrollBar_->setVisible(scrolls);
    resize(width, height);
    place(pos());
    update();
}

void LegendBox::place(QPoint topLeft) {
    QWidget* p = parentWidget();
    if (!p) return;
    const int x = std::max(std::min(topLeft.x(), p->width() - width()), 0);
    const int y = std::max(std::min(topLeft.y(), p->height() - height()), 0);
    move(x, y);
}

int LegendBox::entryAt(QPoint point) const {
    if (point.y() < kBorder || rowHeight() <= 0) return -1;
    const int row = (point.y() - kBorder) / rowHeight() + firstRow();
    return row < static_cast<int>(entries_.size()) ? row : -1;
}

void LegendBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const int h = rowHeight();
    const int textLeft = logicalDpiX() / 16;
    for (int row = firstRow(), y = kBorder; row < static_cast<int>(entries_.size()) && y < height();
         ++row, y += h) {
        const LegendEntry& e = entries_[static_cast<std::size_t>(row)];
        painter.setPen(e.colour);
        painter.drawText(QRect(textLeft, y, width() - textLeft, h), Qt::AlignLeft | Qt::AlignVCenter,
                         e.text());
    }
}

void LegendBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    dragging_ = true;
    dragOffset_ = event->position().toPoint();
}

void LegendBox::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    place(mapToParent(event->position().toPoint()) - dragOffset_);
}

void LegendBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragging_) return;
    dragging_ = false;
    emit moved();
}

void LegendBox::mouseDoubleClickEvent(QMouseEvent* event) {
    const int row = entryAt(event->position().toPoint());
    if (row < 0) return;
    PlotLine& line = graph_.line(entries_[static_cast<std::size_t>(row)].line);
    line.shown = !line.shown;
    entries_[static_cast<std::size_t>(row)].shown = line.shown;
    update();
    emit curveToggled(entries_[static_cast<std::size_t>(row)].line);
}

void LegendBox::wheelEvent(QWheelEvent* event) {
    if (!scrollBar_->isVisible()) return;
    scrollBar_->setValue(scrollBar_->value() - event->angleDelta().y() / 40);
}

}  // namespace torve::app
