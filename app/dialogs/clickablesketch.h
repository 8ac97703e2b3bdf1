// A drawing of the pile whose dimensions can be clicked to reach their fields.
#pragma once

#include <QWidget>
#include <utility>
#include <vector>

class QLineF;
class QPainter;

namespace torve::app {

// The pile dialogs show the pile with its dimensions marked; a click on a dimension moves the focus
// to the field that holds it. A dimension whose field is disabled is drawn greyed and takes no click.
// The drawing is made in its own units and scaled into the widget, keeping its proportions.
class ClickableSketch : public QWidget {
    Q_OBJECT

  public:
    // Where the dimension that leads to `field` lies in the widget; empty when none does.
    QRect partArea(const QWidget* field) const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    ClickableSketch(QSizeF drawingSize, QWidget* parent);

    // A region of the drawing, in the drawing's units, that leads to `field`.
    void addPart(const QRectF& area, QWidget* field);
    virtual void paintDrawing(QPainter& painter) = 0;

    // A dimension line with arrow heads and its name at `nameAt`, greyed while `field` is disabled.
    void drawDimension(QPainter& painter, const QLineF& line, const QString& name, QPointF nameAt,
                       const QWidget* field) const;
    // A ground surface at `y` from `left` to `right`, hatched below.
    void drawGround(QPainter& painter, double y, double left, double right) const;
    QColor inkFor(const QWidget* field) const;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QTransform toWidget() const;

    QSizeF drawingSize_;
    std::vector<std::pair<QRectF, QWidget*>> parts_;
};

}  // namespace torve::app
