// The elevation of a noncircular pile with its three lengths.
#include "app/dialogs/noncircularpilesketch.h"

#include <QPainter>

namespace torve::app {
namespace {

constexpr double kHead = 20, kGround = 60, kZeroFriction = 120, kTip = 290;
constexpr double kLeft = 90, kRight = 115;

}  // namespace

NoncircularPileSketch::NoncircularPileSketch(QWidget* totalLength, QWidget* zeroFrictionLength,
                                             QWidget* stickupLength, QWidget* parent)
    : ClickableSketch(QSizeF(190, 300), parent),
      totalLength_(totalLength),
      zeroFrictionLength_(zeroFrictionLength),
      stickupLength_(stickupLength) {
    addPart(QRectF(140, kHead, 50, kTip - kHead), totalLength_);
    addPart(QRectF(0, kGround, kLeft - 5, kZeroFriction - kGround), zeroFrictionLength_);
    addPart(QRectF(0, kHead, kLeft - 5, kGround - kHead), stickupLength_);
}

void NoncircularPileSketch::paintDrawing(QPainter& painter) {
    drawGround(painter, kGround, 5, 185);
    const QColor ink = inkFor(nullptr);
    painter.setPen(QPen(ink, 1));
    painter.setBrush(palette().color(QPalette::Mid));
    painter.drawRect(QRectF(kLeft, kHead, kRight - kLeft, kTip - kHead));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink, 0.75, Qt::DashLine));
    painter.drawLine(QPointF(kLeft - 20, kHead), QPointF(kLeft, kHead));
    painter.drawLine(QPointF(kLeft - 20, kZeroFriction), QPointF(kLeft, kZeroFriction));
    painter.drawLine(QPointF(kRight, kHead), QPointF(165, kHead));
    painter.drawLine(QPointF(kRight, kTip), QPointF(165, kTip));
    drawDimension(painter, QLineF(155, kHead, 155, kTip), QStringLiteral("TL"), QPointF(175, 155),
                  totalLength_);
    drawDimension(painter, QLineF(75, kHead, 75, kGround), QStringLiteral("PSL"), QPointF(42, 40),
                  stickupLength_);
    drawDimension(painter, QLineF(75, kGround, 75, kZeroFriction), QStringLiteral("ZFL"), QPointF(42, 90),
                  zeroFrictionLength_);
}

}  // namespace torve::app
