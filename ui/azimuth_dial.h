// The compass dial: a compass-rose bitmap with a red needle that pivots near its centre and
// points at the azimuth of a text.
#pragma once

#include <QLine>

#include "ui/picture_box.h"

namespace velmoro {

class AzimuthDial : public PictureBox {
    Q_OBJECT

public:
    explicit AzimuthDial(QWidget* parent = nullptr);

    /// Points the needle at the azimuth `azimuthText` shows and repaints at once.
    void refresh(const QString& azimuthText);

    /// The needle, linAngleLine, in twips inside the bitmap: from the pivot to its end point.
    QLine linAngleLine() const { return linAngleLine_; }

    static constexpr QRgb NEEDLE_COLOUR = qRgb(255, 0, 0);
    static constexpr int SIZE_TWIPS = 2535;  ///< outside the frame, square

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLine linAngleLine_;
};

}  // namespace velmoro
