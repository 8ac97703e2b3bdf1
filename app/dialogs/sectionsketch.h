// A cross-section example of the noncircular pile dialog, with its dimension names.
#pragma once

#include <QWidget>

namespace torve::app {

// Shows how perimeter and tip area follow from a section's dimensions: a rectangle L1 x L2, an
// H-section of flanges L1 x W1 and web W2, and the same H-section within the rectangle that a plug
// of very soft clay fills.
class SectionSketch : public QWidget {
    Q_OBJECT

  public:
    enum class Shape { Rectangle, HSection, EnclosedHSection };
    explicit SectionSketch(Shape shape, QWidget* parent = nullptr);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Shape shape_;
};

}  // namespace torve::app
