// The elevation of a circular pile with its seven dimensions.
#include "app/dialogs/circularpilesketch.h"

#include <QPainter>

namespace torve::app {
namespace {

// The drawing's own units: a pile from head to tip, the ground a little below the head.
constexpr double kHead = 36, kGround = 76, kZeroFriction = 136, kEndSection = 250, kTip = 300;
constexpr double kLeft = 95, kRight = 125, kWall = 4, kEndWall = 8;

}  // namespace

CircularPileSketch::CircularPileSketch(const CircularPileFields& fields, QWidget* parent)
    : ClickableSketch(QSizeF(230, 320), parent), fields_(fields) {
    addPart(QRectF(80, 0, 60, 30), fields_.outerDiameter);
    addPart(QRectF(kLeft, 150, 75, 24), fields_.innerDiameter);
    addPart(QRectF(185, kHead, 45, kTip - kHead), fields_.totalLength);
    addPart(QRectF(0, kEndSection, 80, kTip - kEndSection), fields_.endSectionLength);
    addPart(QRectF(kLeft, 265, 85, 24), fields_.endSectionInnerDiameter);
    addPart(QRectF(0, kGround, 80, kZeroFriction - kGround), fields_.zeroFrictionLength);
    addPart(QRectF(0, kHead, 80, kGround - kHead), fields_.stickupLength);
}

void CircularPileSketch::paintDrawing(QPainter& painter) {
    // The ground meets the pile's walls; inside the pipe lies the plug.
    drawGround(painter, kGround, 5, kLeft);
    drawGround(painter, kGround, kRight, 225);
    // The pile's walls: thin above the end section, thick within it.
    const QColor wall = inkFor(nullptr);
    painter.setPen(Qt::NoPen);
    painter.setBrush(wall);
    painter.drawRect(QRectF(kLeft, kHead, kWall, kEndSection - kHead));
    painter.drawRect(QRectF(kRight - kWall, kHead, kWall, kEndSection - kHead));
    painter.setBrush(inkFor(fields_.endSectionLength));
    painter.drawRect(QRectF(kLeft, kEndSection, kEndWall, kTip - kEndSection));
    painter.drawRect(QRectF(kRight - kEndWall, kEndSection, kEndWall, kTip - kEndSection));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(wall, 0.75, Qt::DashLine));
    painter.drawLine(QPointF(kLeft - 20, kHead), QPointF(kLeft, kHead));
    painter.drawLine(QPointF(kLeft - 20, kTip), QPointF(kRight + 70, kTip));
    painter.drawLine(QPointF(kLeft - 20, kZeroFriction), QPointF(kLeft, kZeroFriction));
    painter.drawLine(QPointF(kLeft - 20, kEndSection), QPointF(kLeft, kEndSection));
    painter.drawLine(QPointF(kRight, kHead), QPointF(kRight + 70, kHead));

    drawDimension(painter, QLineF(kLeft, 22, kRight, 22), QStringLiteral("OD"), QPointF(110, 9),
                  fields_.outerDiameter);
    drawDimension(painter, QLineF(kLeft + kWall, 162, kRight - kWall, 162), QStringLiteral("ID"),
                  QPointF(150, 162), fields_.innerDiameter);
    drawDimension(painter, QLineF(kLeft + kEndWall, 277, kRight - kEndWall, 277), QStringLiteral("EID"),
                  QPointF(152, 277), fields_.endSectionInnerDiameter);
    drawDimension(painter, QLineF(195, kHead, 195, kTip), QStringLiteral("TL"), QPointF(215, 170),
                  fields_.totalLength);
    drawDimension(painter, QLineF(75, kHead, 75, kGround), QStringLiteral("PSL"), QPointF(40, 56),
                  fields_.stickupLength);
    drawDimension(painter, QLineF(75, kGround, 75, kZeroFriction), QStringLiteral("ZFL"), QPointF(40, 106),
                  fields_.zeroFrictionLength);
    drawDimension(painter, QLineF(75, kEndSection, 75, kTip), QStringLiteral("ESL"), QPointF(40, 275),
                  fields_.endSectionLength);
}

}  // namespace torve::app
