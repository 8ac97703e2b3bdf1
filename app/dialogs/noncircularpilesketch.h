// The elevation of a noncircular pile with its three lengths.
#pragma once

#include "app/dialogs/clickablesketch.h"

namespace torve::app {

// A solid pile standing up from the ground: stickup and zero-friction lengths at the ground, the
// total length along the other side.
class NoncircularPileSketch : public ClickableSketch {
    Q_OBJECT

  public:
    NoncircularPileSketch(QWidget* totalLength, QWidget* zeroFrictionLength, QWidget* stickupLength,
                          QWidget* parent = nullptr);

  protected:
    void paintDrawing(QPainter& painter) override;

  private:
    QWidget* totalLength_;
    QWidget* zeroFrictionLength_;
    QWidget* stickupLength_;
};

}  // namespace torve::app
