#include "ui/picture_box.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace velmoro {

namespace {

QString doubleResolutionName(const QString& resource) {
    const qsizetype dot = resource.lastIndexOf(QLatin1Char('.'));
    return resource.left(dot) + QStringLiteral("@2x") + resource.mid(dot);
}

}  // namespace

PictureBox::PictureBox(const QString& resource, QWidget* parent)
    : QFrame(parent), picture_(resource), doubleResolution_(doubleResolutionName(resource)) {
    doubleResolution_.setDevicePixelRatio(2);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(FRAME_WIDTH);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QStylePainter painter(this);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    const bool highDensity = devicePixelRatioF() > 1 && !doubleResolution_.isNull();
    painter.drawPixmap(inside.topLeft(), highDensity ? doubleResolution_ : picture_);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = inside.adjusted(1, 1, -1, -1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
}

}  // namespace velmoro
