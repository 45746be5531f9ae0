// A bitmap in a sunken frame, drawn from its top-left corner and cut off by the frame. Takes the
// keyboard focus, like every picture box of the window, and shows it with a focus rectangle.
#pragma once

#include <QFrame>
#include <QPixmap>
#include <QString>

namespace velmoro {

class PictureBox : public QFrame {
    Q_OBJECT

public:
    /// Shows `resource` (a PNG in the compiled-in assets) and, on high-density screens, its
    /// double-resolution companion named with "@2x" before the extension.
    explicit PictureBox(const QString& resource, QWidget* parent = nullptr);

    static constexpr int FRAME_WIDTH = 2;  ///< the sunken border, in pixels

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    /// The bitmap for this screen's density, loaded on first use.
    const QPixmap& pictureForScreen();

    QString resource_;
    QPixmap picture_;
    QPixmap doubleResolution_;
};

}  // namespace velmoro
