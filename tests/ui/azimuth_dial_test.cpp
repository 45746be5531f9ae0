#include <QImage>
#include <QtTest>
#include <cmath>

#include "ui/azimuth_dial.h"
#include "ui/needle.h"

using velmoro::AzimuthDial;
using velmoro::TwipPoint;

class AzimuthDialTest : public QObject {
    Q_OBJECT

private slots:
    void parseLeadingNumber_data();
    void parseLeadingNumber();
    void needleEndPoint_data();
    void needleEndPoint();
    void needleEndPointStaysOnTheDial();
    void startsPointingNorth();
    void drawsTheNeedleWhereItsEndPointSays_data();
    void drawsTheNeedleWhereItsEndPointSays();
    void describesTheAzimuthForScreenReaders();
};

void AzimuthDialTest::parseLeadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("shown azimuth") << " 328" << 328.0;
    QTest::newRow("equal texts") << "0" << 0.0;
    QTest::newRow("invalid result") << "??????" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blanks only") << "   " << 0.0;
    QTest::newRow("negative") << "-45" << -45.0;
    QTest::newRow("plus sign") << "+90" << 90.0;
    QTest::newRow("decimals") << " 12.5 gradi" << 12.5;
    QTest::newRow("trailing text") << "270abc" << 270.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("beyond double range") << QString(400, QLatin1Char('9')) << 0.0;
}

void AzimuthDialTest::parseLeadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(velmoro::parseLeadingNumber(text.toStdU32String()), value);
}

void AzimuthDialTest::needleEndPoint_data() {
    QTest::addColumn<QString>("azimuth");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::newRow("0 without a space") << "0" << 1209 << 0;
    QTest::newRow("invalid result") << "??????" << 1209 << 0;
    QTest::newRow("0") << " 0" << 1209 << 0;
    QTest::newRow("45") << " 45" << 2065 << 354;
    QTest::newRow("90") << " 90" << 2420 << 1210;
    QTest::newRow("180") << " 180" << 1209 << 2419;
    QTest::newRow("270") << " 270" << 0 << 1209;
    // 162, 605 when the angle's quotient is rounded to single precision first.
    QTest::newRow("300") << " 300" << 162 << 604;
    QTest::newRow("328") << " 328" << 568 << 183;
    QTest::newRow("359") << " 359" << 1188 << 0;
    QTest::newRow("360") << " 360" << 1210 << 0;
}

void AzimuthDialTest::needleEndPoint() {
    QFETCH(QString, azimuth);
    QFETCH(int, x);
    QFETCH(int, y);
    QCOMPARE(velmoro::needleEndPoint(azimuth.toStdU32String()), (TwipPoint{x, y}));

    AzimuthDial dial;
    dial.refresh(azimuth);
    QCOMPARE(dial.linAngleLine(), QLine(1210, 1210, x, y));
}

// Texts no calculation writes, typed or pasted into the azimuth field, still keep the needle on
// the dial.
void AzimuthDialTest::needleEndPointStaysOnTheDial() {
    const QString texts[] = {"99999",        "-32768",     "1e308",        "32857.5",
                             "-99999999999", "12345678.9", "  -0.0000001", "Text1"};
    for (const QString& text : texts) {
        const TwipPoint end = velmoro::needleEndPoint(text.toStdU32String());
        const double length = std::hypot(end.x - 1210, end.y - 1210);
        QVERIFY2(length <= 1212 && length >= 1208, qPrintable(text));
    }
}

void AzimuthDialTest::startsPointingNorth() {
    AzimuthDial dial;
    QCOMPARE(dial.linAngleLine(), QLine(1210, 1210, 1210, 0));
    QCOMPARE(dial.objectName(), QStringLiteral("picCanvase"));
    QCOMPARE(dial.size(), QSize(169, 169));
    QCOMPARE(dial.contentsRect().size(), QSize(165, 165));
}

void AzimuthDialTest::drawsTheNeedleWhereItsEndPointSays_data() {
    QTest::addColumn<QString>("azimuth");
    QTest::newRow("north") << " 360";
    QTest::newRow("east") << " 90";
    QTest::newRow("south") << " 180";
    QTest::newRow("west") << " 270";
    QTest::newRow("north-west") << " 328";
    QTest::newRow("north-east") << " 45";
}

/// Distance from p to the segment a-b.
static double distanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double t =
        std::clamp(QPointF::dotProduct(p - a, ab) / QPointF::dotProduct(ab, ab), 0.0, 1.0);
    const QPointF nearest = a + t * ab;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

void AzimuthDialTest::drawsTheNeedleWhereItsEndPointSays() {
    QFETCH(QString, azimuth);
    AzimuthDial dial;
    dial.refresh(azimuth);
    const QImage image = dial.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const double scale = image.devicePixelRatio();
    const QPointF origin = dial.contentsRect().topLeft();
    // The needle in device pixels, through the centres of the pixels it covers.
    const QPointF pivot = (origin + QPointF(1210, 1210) / 15) * scale;
    const QPointF end = (origin + QPointF(dial.linAngleLine().p2()) / 15) * scale;

    int redPixels = 0;
    double farthest = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != AzimuthDial::NEEDLE_COLOUR) {
                continue;
            }
            ++redPixels;
            const QPointF centre(x + 0.5, y + 0.5);
            QVERIFY2(distanceToSegment(centre, pivot, end) <= 1.5 * scale,
                     qPrintable(QStringLiteral("red pixel (%1, %2) off the needle").arg(x).arg(y)));
            farthest =
                std::max(farthest, std::hypot(centre.x() - pivot.x(), centre.y() - pivot.y()));
        }
    }
    const double length = std::hypot(end.x() - pivot.x(), end.y() - pivot.y());
    // An aliased line covers at least one pixel per step along its longer axis.
    const double steps = std::max(std::abs(end.x() - pivot.x()), std::abs(end.y() - pivot.y()));
    QVERIFY2(redPixels >= 0.95 * steps, qPrintable(QStringLiteral("%1 red pixels").arg(redPixels)));
    QVERIFY2(
        std::abs(farthest - length) <= 1.5 * scale,
        qPrintable(QStringLiteral("needle drawn %1 long, should be %2").arg(farthest).arg(length)));
}

void AzimuthDialTest::describesTheAzimuthForScreenReaders() {
    AzimuthDial dial;
    QCOMPARE(dial.accessibleDescription(), QStringLiteral("Ago del puntamento a 0 gradi"));
    dial.refresh(QStringLiteral(" 328"));
    QCOMPARE(dial.accessibleDescription(), QStringLiteral("Ago del puntamento a 328 gradi"));
}

QTEST_MAIN(AzimuthDialTest)
#include "azimuth_dial_test.moc"
