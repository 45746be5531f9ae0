#include "ui/azimuth_dial.h"

#include <QAccessible>
#include <QPainter>

#include <cmath>
#include <numbers>

#include "ui/needle.h"

namespace velmoro {

namespace {

QPointF pixels(QPoint twips) {
    return QPointF(twips) / TWIPS_PER_PIXEL;
}

QString needleDescription(QPoint end) {
    // The whole-degree azimuth the needle shows, read back from its end point.
    const double radians = std::atan2(end.x() - NEEDLE_PIVOT_TWIPS, NEEDLE_PIVOT_TWIPS - end.y());
    const int degrees = (qRound(radians * 180 / std::numbers::pi) + 360) % 360;
    return AzimuthDial::tr("Ago del puntamento a %1 gradi").arg(degrees);
}

}  // namespace

AzimuthDial::AzimuthDial(QWidget* parent)
    : PictureBox(QStringLiteral(":/assets/dial.png"), parent),
      linAngleLine_(NEEDLE_PIVOT_TWIPS, NEEDLE_PIVOT_TWIPS, NEEDLE_PIVOT_TWIPS, 0) {
    setObjectName(QStringLiteral("picCanvase"));
    setFixedSize(QSize(SIZE_TWIPS, SIZE_TWIPS) / TWIPS_PER_PIXEL);
    setAccessibleName(tr("Quadrante del puntamento"));
    setAccessibleDescription(needleDescription(linAngleLine_.p2()));
}

void AzimuthDial::refresh(const QString& azimuthText) {
    const TwipPoint end = needleEndPoint(azimuthText.toStdU32String());
    linAngleLine_.setP2(QPoint(end.x, end.y));
    setAccessibleDescription(needleDescription(linAngleLine_.p2()));
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    repaint();
}

void AzimuthDial::paintEvent(QPaintEvent* event) {
    PictureBox::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.translate(contentsRect().topLeft());
    painter.setPen(QPen(QColor(NEEDLE_COLOUR), 1));
    painter.drawLine(QLineF(pixels(linAngleLine_.p1()), pixels(linAngleLine_.p2())));
}

}  // namespace velmoro
