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
    : QFrame(parent), resource_(resource) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(FRAME_WIDTH);
    setFocusPolicy(Qt::StrongFocus);
}

const QPixmap& PictureBox::pictureForScreen() {
    if (devicePixelRatioF() > 1) {
        if (doubleResolution_.isNull() && doubleResolution_.load(doubleResolutionName(resource_))) {
            doubleResolution_.setDevicePixelRatio(2);
        }
        if (!doubleResolution_.isNull()) {
            return doubleResolution_;
        }
    }
    if (picture_.isNull()) {
        picture_.load(resource_);
    }
    return picture_;
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QStylePainter painter(this);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    painter.drawPixmap(inside.topLeft(), pictureForScreen());
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = inside.adjusted(1, 1, -1, -1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
}

}  // namespace velmoro
