// The elevation of a circular pile with its seven dimensions.
#pragma once

#include "app/dialogs/clickablesketch.h"

namespace torve::app {

// The fields the dimensions lead to, in the order of the circular pile dialog.
struct CircularPileFields {
    QWidget* outerDiameter;
    QWidget* innerDiameter;
    QWidget* totalLength;
    QWidget* endSectionLength;
    QWidget* endSectionInnerDiameter;
    QWidget* zeroFrictionLength;
    QWidget* stickupLength;
};

// A pipe standing up from the ground with its lower end section thickened: diameters across the
// top, the inside and the end section; stickup and zero-friction lengths at the ground, the end
// section and the total length along the sides.
class CircularPileSketch : public ClickableSketch {
    Q_OBJECT

  public:
    CircularPileSketch(const CircularPileFields& fields, QWidget* parent = nullptr);

  protected:
    void paintDrawing(QPainter& painter) override;

  private:
    CircularPileFields fields_;
};

}  // namespace torve::app
