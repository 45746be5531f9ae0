// Draws the dial bitmap, the window icons and the compass card that the photograph's scene uses.
// Run by make-assets.sh; the results are committed, so the program is not part of the build.
#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

constexpr int DIAL_SIZE = 165;        // pixels at 100 %
const QColor DIAL_BLUE(0, 0, 192);    // circle, letters and numbers
const QColor DIAL_RED(176, 0, 0);     // the word in the centre: not the needle's pure red
constexpr double DIAL_CENTRE = 82.5;  // centre of pixel (82, 82)
constexpr double DIAL_RADIUS = 81;

QPointF polar(double centre, double radius, double azimuthDeg) {
    const double radians = azimuthDeg * std::numbers::pi / 180;
    return {centre + radius * std::sin(radians), centre - radius * std::cos(radians)};
}

void drawCentred(QPainter& painter, QPointF at, const QString& text) {
    QRectF box(at.x() - 40, at.y() - 20, 80, 40);
    painter.drawText(box, Qt::AlignCenter, text);
}

QImage dial(int scale) {
    QImage image(DIAL_SIZE * scale, DIAL_SIZE * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);

    painter.setPen(QPen(DIAL_BLUE, 1.2));
    painter.drawEllipse(QPointF(DIAL_CENTRE, DIAL_CENTRE), DIAL_RADIUS - 0.6, DIAL_RADIUS - 0.6);
    for (int degrees = 0; degrees < 360; degrees += 10) {
        const double inner = degrees % 30 == 0 ? DIAL_RADIUS - 7 : DIAL_RADIUS - 4;
        painter.setPen(QPen(DIAL_BLUE, degrees % 30 == 0 ? 1.2 : 0.8));
        painter.drawLine(polar(DIAL_CENTRE, inner, degrees),
                         polar(DIAL_CENTRE, DIAL_RADIUS - 1, degrees));
    }

    QFont letters(QStringLiteral("DejaVu Sans"));
    letters.setPixelSize(14);
    letters.setBold(true);
    painter.setFont(letters);
    painter.setPen(DIAL_BLUE);
    const char* cardinal[] = {"N", "E", "S", "W"};
    for (int i = 0; i < 4; ++i) {
        drawCentred(painter, polar(DIAL_CENTRE, DIAL_RADIUS - 17, i * 90),
                    QString::fromLatin1(cardinal[i]));
    }
    QFont numbers(QStringLiteral("DejaVu Sans"));
    numbers.setPixelSize(9);
    painter.setFont(numbers);
    for (int degrees = 30; degrees < 360; degrees += 30) {
        if (degrees % 90 != 0) {
            drawCentred(painter, polar(DIAL_CENTRE, DIAL_RADIUS - 16, degrees),
                        QString::number(degrees));
        }
    }
    QFont name(QStringLiteral("DejaVu Serif"));
    name.setPixelSize(12);
    name.setItalic(true);
    painter.setFont(name);
    painter.setPen(DIAL_RED);
    drawCentred(painter, QPointF(DIAL_CENTRE, DIAL_CENTRE + 22), QStringLiteral("Tarnwick"));
    painter.end();
    return image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
}

/// A small compass: brass ring, white face, red north and grey south needle.
QImage icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 24.0, size / 24.0);
    const QPointF centre(12, 12);
    QRadialGradient brass(QPointF(9, 8), 14);
    brass.setColorAt(0, QColor(250, 222, 140));
    brass.setColorAt(1, QColor(150, 105, 30));
    painter.setPen(QPen(QColor(90, 60, 15), 0.8));
    painter.setBrush(brass);
    painter.drawEllipse(centre, 11.2, 11.2);
    painter.setPen(QPen(QColor(60, 60, 70), 0.5));
    painter.setBrush(QColor(250, 250, 245));
    painter.drawEllipse(centre, 8.4, 8.4);
    painter.setPen(QPen(QColor(40, 40, 40), 0.6));
    for (int degrees = 0; degrees < 360; degrees += 45) {
        const double inner = degrees % 90 == 0 ? 6.4 : 7.2;
        painter.drawLine(polar(12, inner, degrees), polar(12, 8.2, degrees));
    }
    // The needle points a little east of north, as a compass at rest seldom points true north.
    painter.translate(centre);
    painter.rotate(30);
    QPainterPath north;
    north.moveTo(0, -7.6);
    north.lineTo(2.1, 0);
    north.lineTo(-2.1, 0);
    north.closeSubpath();
    QPainterPath south;
    south.moveTo(0, 7.6);
    south.lineTo(2.1, 0);
    south.lineTo(-2.1, 0);
    south.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(210, 20, 20));
    painter.drawPath(north);
    painter.setBrush(QColor(70, 75, 85));
    painter.drawPath(south);
    painter.setBrush(QColor(120, 85, 20));
    painter.drawEllipse(QPointF(0, 0), 1.1, 1.1);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

/// The face of the compass in the photograph: a cream card with degree marks and the points.
QImage compassCard(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(QColor(236, 230, 212));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double c = size / 2.0;
    const double r = size / 2.0 - 2;
    painter.setPen(QPen(QColor(30, 30, 30), size / 300.0));
    for (int degrees = 0; degrees < 360; degrees += 2) {
        const double length = degrees % 10 == 0 ? r * 0.09 : r * 0.05;
        painter.drawLine(polar(c, r - length, degrees), polar(c, r * 0.99, degrees));
    }
    painter.drawEllipse(QPointF(c, c), r * 0.88, r * 0.88);
    QFont numbers(QStringLiteral("DejaVu Sans"));
    numbers.setPixelSize(int(r * 0.075));
    painter.setFont(numbers);
    for (int degrees = 30; degrees < 360; degrees += 30) {
        if (degrees % 90 != 0) {
            const QPointF at = polar(c, r * 0.8, degrees);
            painter.save();
            painter.translate(at);
            painter.rotate(degrees);
            painter.drawText(QRectF(-r * 0.1, -r * 0.05, r * 0.2, r * 0.1), Qt::AlignCenter,
                             QString::number(degrees));
            painter.restore();
        }
    }
    QFont points(QStringLiteral("DejaVu Serif"));
    points.setPixelSize(int(r * 0.14));
    points.setBold(true);
    painter.setFont(points);
    const char* names[] = {"N", "E", "S", "W"};
    for (int i = 0; i < 4; ++i) {
        painter.setPen(i == 0 ? QColor(170, 20, 20) : QColor(25, 25, 25));
        const QPointF at = polar(c, r * 0.74, i * 90);
        painter.save();
        painter.translate(at);
        painter.rotate(i * 90);
        painter.drawText(QRectF(-r * 0.12, -r * 0.1, r * 0.24, r * 0.2), Qt::AlignCenter,
                         QString::fromLatin1(names[i]));
        painter.restore();
    }
    // A fine rose of eight points under the needle.
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 8; ++i) {
        QPainterPath point;
        const double length = i % 2 == 0 ? r * 0.55 : r * 0.36;
        point.moveTo(polar(c, length, i * 45));
        point.lineTo(polar(c, r * 0.07, i * 45 + 45));
        point.lineTo(polar(c, r * 0.07, i * 45 - 45));
        point.closeSubpath();
        painter.setBrush(QColor(90, 90, 100, 70));
        painter.drawPath(point);
    }
    painter.end();
    return image;
}

bool save(const QImage& image, const QString& path) {
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_bitmaps ASSETS_DIR WORK_DIR\n");
        return 2;
    }
    const QString assets = QString::fromLocal8Bit(argv[1]);
    const QString work = QString::fromLocal8Bit(argv[2]);
    bool ok = save(dial(1), assets + "/dial.png") && save(dial(2), assets + "/dial@2x.png");
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        ok = ok && save(icon(size), assets + QStringLiteral("/icon-%1.png").arg(size));
    }
    ok = ok && save(icon(24).convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither),
                    assets + "/icon-24-256colours.png");
    ok = ok && save(compassCard(1024), work + "/compass-card.png");
    return ok ? 0 : 1;
}
