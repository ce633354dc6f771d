// Base pictures: landscapes and compositions of 480 × 360 to 800 × 600
// pixels, drawn with shapes and gradients.
#include "catalogue.h"
#include "drawing.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QConicalGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace weftara::samples {

namespace {

constexpr double Pi = std::numbers::pi;

void fillVertical(QPainter &p, const QRectF &area, std::initializer_list<std::pair<double, QColor>> stops)
{
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    for (const auto &[at, colour] : stops)
        gradient.setColorAt(at, colour);
    p.fillRect(area, gradient);
}

// A ridge line from x = 0 to `width` around `base`, with peaks up to `rise`.
QPainterPath ridge(double width, double bottom, double base, double rise, int peaks, Sequence &seq)
{
    QPainterPath path;
    path.moveTo(0, bottom);
    path.lineTo(0, base - seq.range(0, rise * 0.4));
    const double step = width / (peaks * 2);
    for (int i = 1; i <= peaks * 2; ++i) {
        const double height = (i % 2 == 1) ? seq.range(rise * 0.5, rise) : seq.range(0, rise * 0.35);
        path.lineTo(i * step + seq.range(-step * 0.3, step * 0.3), base - height);
    }
    path.lineTo(width, bottom);
    path.closeSubpath();
    return path;
}

void cloud(QPainter &p, QPointF at, double size, const QColor &colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(at, size, size * 0.6);
    p.drawEllipse(at + QPointF(size * 0.8, size * 0.15), size * 0.75, size * 0.5);
    p.drawEllipse(at + QPointF(-size * 0.8, size * 0.2), size * 0.7, size * 0.45);
    p.drawEllipse(at + QPointF(size * 0.2, -size * 0.35), size * 0.6, size * 0.5);
}

void flower(QPainter &p, QPointF at, double r, const QColor &petal, const QColor &centre)
{
    p.setPen(Qt::NoPen);
    p.setBrush(petal);
    for (int k = 0; k < 5; ++k) {
        const double a = 2 * Pi * k / 5;
        p.drawEllipse(at + QPointF(std::cos(a) * r * 0.7, std::sin(a) * r * 0.7), r * 0.55, r * 0.55);
    }
    p.setBrush(centre);
    p.drawEllipse(at, r * 0.35, r * 0.35);
}

QImage sunset()
{
    QImage image(640, 480, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double horizon = 300;
    fillVertical(p, QRectF(0, 0, 640, horizon),
                 {{0.0, QColor(48, 30, 92)}, {0.45, QColor(196, 72, 96)},
                  {0.8, QColor(250, 150, 70)}, {1.0, QColor(255, 214, 120)}});
    QRadialGradient glow(QPointF(320, 290), 200);
    glow.setColorAt(0, QColor(255, 240, 180, 200));
    glow.setColorAt(1, QColor(255, 200, 120, 0));
    p.fillRect(QRectF(0, 0, 640, horizon), glow);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 236, 170));
    p.drawEllipse(QPointF(320, 290), 52, 52);
    fillVertical(p, QRectF(0, horizon, 640, 180),
                 {{0.0, QColor(120, 60, 90)}, {1.0, QColor(24, 22, 60)}});
    // The sun's road on the water.
    Sequence seq(11);
    for (int i = 0; i < 40; ++i) {
        const double y = horizon + 4 + i * 4.4;
        const double half = 70 - i * 1.2 + seq.range(-10, 10);
        p.setBrush(QColor(255, 200, 120, 190 - i * 4));
        p.drawRoundedRect(QRectF(320 - half, y, half * 2, 2), 1, 1);
    }
    p.setBrush(QColor(40, 24, 50));
    QPainterPath island;
    island.moveTo(0, horizon + 2);
    island.cubicTo(60, 250, 140, 262, 210, horizon + 2);
    p.drawPath(island);
    QPainterPath far;
    far.moveTo(470, horizon + 1);
    far.cubicTo(520, 276, 580, 270, 640, 282);
    far.lineTo(640, horizon + 1);
    p.setBrush(QColor(80, 40, 70));
    p.drawPath(far);
    return image;
}

QImage mountains()
{
    QImage image(800, 600, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    fillVertical(p, QRectF(0, 0, 800, 420), {{0.0, QColor(70, 130, 210)}, {1.0, QColor(200, 225, 245)}});
    cloud(p, QPointF(160, 90), 50, QColor(255, 255, 255, 220));
    cloud(p, QPointF(560, 60), 40, QColor(255, 255, 255, 200));
    cloud(p, QPointF(700, 150), 30, QColor(255, 255, 255, 180));
    Sequence seq(22);
    p.setPen(Qt::NoPen);
    const QPainterPath far = ridge(800, 600, 330, 210, 4, seq);
    p.setBrush(QColor(120, 140, 180));
    p.drawPath(far);
    // Snow above a line across the far ridge.
    p.save();
    p.setClipPath(far);
    p.fillRect(QRectF(0, 0, 800, 190), QColor(245, 248, 255));
    p.restore();
    p.setBrush(QColor(80, 110, 140));
    p.drawPath(ridge(800, 600, 400, 130, 6, seq));
    p.setBrush(QColor(50, 90, 80));
    p.drawPath(ridge(800, 600, 450, 80, 9, seq));
    fillVertical(p, QRectF(0, 460, 800, 140), {{0.0, QColor(110, 170, 80)}, {1.0, QColor(60, 120, 40)}});
    QLinearGradient lake(QPointF(0, 480), QPointF(0, 560));
    lake.setColorAt(0, QColor(110, 160, 215));
    lake.setColorAt(1, QColor(60, 110, 170));
    p.setBrush(lake);
    p.drawEllipse(QRectF(380, 480, 340, 80));
    p.setBrush(QColor(230, 240, 250, 120));
    for (int i = 0; i < 5; ++i)
        p.drawRect(QRectF(420 + i * 50, 505 + (i % 2) * 18, 30, 2));
    // A few trees on the meadow.
    for (int i = 0; i < 7; ++i) {
        const double x = 40 + i * 48 + seq.range(-10, 10);
        const double h = seq.range(50, 80);
        p.setBrush(QColor(90, 60, 40));
        p.drawRect(QRectF(x - 3, 560 - h * 0.3, 6, h * 0.3));
        p.setBrush(QColor(30, 90, 50));
        QPolygonF tree;
        tree << QPointF(x, 560 - h) << QPointF(x - h * 0.3, 560 - h * 0.25) << QPointF(x + h * 0.3, 560 - h * 0.25);
        p.drawPolygon(tree);
    }
    return image;
}

QImage seascape()
{
    QImage image(640, 480, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    fillVertical(p, QRectF(0, 0, 640, 220), {{0.0, QColor(90, 170, 235)}, {1.0, QColor(205, 235, 250)}});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 220));
    p.drawEllipse(QPointF(540, 70), 34, 34);
    cloud(p, QPointF(150, 70), 36, QColor(255, 255, 255, 230));
    fillVertical(p, QRectF(0, 220, 640, 260), {{0.0, QColor(30, 110, 160)}, {1.0, QColor(40, 190, 190)}});
    // Rows of waves, smaller towards the horizon.
    for (int row = 0; row < 14; ++row) {
        const double y = 228 + row * row * 1.3 + row * 6;
        const double amp = 1.5 + row * 0.5;
        const double len = 30 + row * 8;
        QPainterPath wave;
        wave.moveTo(0, y);
        for (double x = 0; x <= 640; x += 4)
            wave.lineTo(x, y + amp * std::sin(2 * Pi * x / len + row));
        p.setPen(QPen(QColor(255, 255, 255, 90 + row * 8), 1 + row * 0.15));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave);
    }
    p.setPen(Qt::NoPen);
    QPainterPath beach;
    beach.moveTo(0, 400);
    beach.cubicTo(200, 380, 420, 430, 640, 410);
    beach.lineTo(640, 480);
    beach.lineTo(0, 480);
    beach.closeSubpath();
    QLinearGradient sand(QPointF(0, 390), QPointF(0, 480));
    sand.setColorAt(0, QColor(245, 225, 175));
    sand.setColorAt(1, QColor(220, 190, 130));
    p.setBrush(sand);
    p.drawPath(beach);
    p.setPen(QPen(QColor(255, 255, 255, 200), 3));
    p.setBrush(Qt::NoBrush);
    QPainterPath foam;
    foam.moveTo(0, 398);
    foam.cubicTo(200, 378, 420, 428, 640, 408);
    p.drawPath(foam);
    // A sailing boat.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 70, 50));
    QPolygonF hull;
    hull << QPointF(250, 262) << QPointF(330, 262) << QPointF(318, 274) << QPointF(262, 274);
    p.drawPolygon(hull);
    p.setBrush(QColor(255, 255, 250));
    QPolygonF sail;
    sail << QPointF(292, 196) << QPointF(292, 258) << QPointF(252, 258);
    p.drawPolygon(sail);
    p.setBrush(QColor(230, 80, 70));
    QPolygonF jib;
    jib << QPointF(296, 204) << QPointF(296, 258) << QPointF(326, 258);
    p.drawPolygon(jib);
    // Gulls.
    p.setPen(QPen(QColor(60, 60, 70), 2));
    p.setBrush(Qt::NoBrush);
    for (const QPointF at : {QPointF(380, 120), QPointF(420, 100), QPointF(350, 95)}) {
        QPainterPath gull;
        gull.moveTo(at);
        gull.quadTo(at + QPointF(7, -7), at + QPointF(14, 0));
        gull.quadTo(at + QPointF(21, -7), at + QPointF(28, 0));
        p.drawPath(gull);
    }
    return image;
}

QImage flowerField()
{
    QImage image(640, 480, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    fillVertical(p, QRectF(0, 0, 640, 200), {{0.0, QColor(120, 180, 240)}, {1.0, QColor(225, 240, 250)}});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 190, 110));
    p.drawEllipse(QRectF(-100, 150, 500, 120));
    p.setBrush(QColor(130, 180, 100));
    p.drawEllipse(QRectF(280, 160, 520, 110));
    fillVertical(p, QRectF(0, 200, 640, 280), {{0.0, QColor(110, 170, 70)}, {1.0, QColor(50, 120, 40)}});
    const std::array<QColor, 6> petals = {QColor(235, 60, 80), QColor(250, 200, 40), QColor(245, 150, 190),
                                          QColor(255, 255, 255), QColor(160, 90, 200), QColor(250, 130, 40)};
    Sequence seq(44);
    // Far flowers first, so the near ones cover them.
    for (int i = 0; i < 420; ++i) {
        const double depth = static_cast<double>(i) / 420;  // 0 far, 1 near
        const double y = 210 + depth * depth * 260 + seq.range(-6, 6);
        const double x = seq.range(-10, 650);
        const double r = 2 + depth * 11;
        if (depth > 0.4) {
            p.setPen(QPen(QColor(40, 100, 30), 1 + depth));
            p.drawLine(QPointF(x, y), QPointF(x + seq.range(-3, 3), y + r * 2.2));
            p.setPen(Qt::NoPen);
        }
        flower(p, QPointF(x, y), r, petals[static_cast<std::size_t>(seq.unit() * petals.size())],
               QColor(250, 220, 90));
    }
    return image;
}

QImage cityNight()
{
    QImage image(640, 480, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    fillVertical(p, QRectF(0, 0, 640, 480),
                 {{0.0, QColor(8, 10, 40)}, {0.6, QColor(40, 30, 90)}, {1.0, QColor(110, 60, 110)}});
    Sequence seq(55);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 160; ++i) {
        p.setBrush(QColor(255, 255, 230, static_cast<int>(seq.range(90, 255))));
        const double r = seq.range(0.4, 1.4);
        p.drawEllipse(QPointF(seq.range(0, 640), seq.range(0, 260)), r, r);
    }
    // A crescent moon: a disc with a sky-coloured disc over it.
    p.setBrush(QColor(255, 245, 200));
    p.drawEllipse(QPointF(520, 80), 34, 34);
    p.setBrush(QColor(14, 14, 50));
    p.drawEllipse(QPointF(535, 70), 32, 32);
    // Two rows of buildings with lit windows.
    for (int layer = 0; layer < 2; ++layer) {
        double x = -10;
        while (x < 640) {
            const double w = seq.range(40, 90);
            const double h = layer == 0 ? seq.range(120, 260) : seq.range(60, 180);
            const double top = 400 - h;
            p.setBrush(layer == 0 ? QColor(30, 30, 60) : QColor(16, 16, 34));
            p.drawRect(QRectF(x, top, w - 4, h + 80));
            for (double wy = top + 10; wy < 392; wy += 14) {
                for (double wx = x + 6; wx < x + w - 14; wx += 12) {
                    if (seq.unit() < (layer == 0 ? 0.35 : 0.5)) {
                        p.setBrush(seq.unit() < 0.8 ? QColor(255, 215, 110) : QColor(180, 220, 255));
                        p.drawRect(QRectF(wx, wy, 6, 8));
                    }
                }
            }
            x += w;
        }
    }
    // The river and the lights' reflections.
    fillVertical(p, QRectF(0, 400, 640, 80), {{0.0, QColor(20, 20, 50)}, {1.0, QColor(6, 6, 20)}});
    for (int i = 0; i < 90; ++i) {
        p.setBrush(QColor(255, 210, 120, static_cast<int>(seq.range(60, 160))));
        p.drawRect(QRectF(seq.range(0, 640), seq.range(404, 478), seq.range(4, 16), 1.5));
    }
    return image;
}

QImage rainbow()
{
    QImage image(480, 360, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    fillVertical(p, QRectF(0, 0, 480, 360), {{0.0, QColor(100, 160, 225)}, {1.0, QColor(215, 235, 250)}});
    const std::array<QColor, 7> bands = {QColor(230, 50, 50), QColor(245, 140, 40), QColor(250, 225, 60),
                                         QColor(80, 190, 80), QColor(60, 140, 230), QColor(70, 70, 180),
                                         QColor(150, 80, 190)};
    p.setBrush(Qt::NoBrush);
    for (std::size_t i = 0; i < bands.size(); ++i) {
        QColor c = bands[i];
        c.setAlpha(170);
        p.setPen(QPen(c, 10, Qt::SolidLine, Qt::FlatCap));
        const double r = 230 - static_cast<double>(i) * 10;
        p.drawArc(QRectF(240 - r, 330 - r, 2 * r, 2 * r), 0, 180 * 16);
    }
    cloud(p, QPointF(90, 250), 40, QColor(255, 255, 255));
    cloud(p, QPointF(400, 240), 46, QColor(255, 255, 255));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(100, 170, 80));
    p.drawEllipse(QRectF(-80, 290, 360, 160));
    p.setBrush(QColor(80, 150, 60));
    p.drawEllipse(QRectF(200, 300, 380, 150));
    return image;
}

QImage geometric()
{
    QImage image = canvas(QSize(600, 450), QColor(245, 240, 228));
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.fillRect(QRect(0, 0, 220, 170), QColor(215, 40, 40));
    p.fillRect(QRect(460, 300, 140, 150), QColor(30, 70, 170));
    p.fillRect(QRect(0, 340, 120, 110), QColor(250, 205, 40));
    p.fillRect(QRect(380, 0, 220, 90), QColor(250, 205, 40));
    p.fillRect(QRect(240, 190, 200, 130), QColor(30, 70, 170));
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(240, 120, 50, 200));
    p.drawEllipse(QPointF(330, 120), 60, 60);
    p.setBrush(QColor(40, 150, 120, 180));
    p.drawEllipse(QPointF(160, 280), 80, 80);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(QColor(20, 20, 20));
    for (const int x : {220, 240, 380, 460})
        p.drawRect(QRect(x - 5, 0, 10, 450));
    for (const int y : {170, 190, 320, 340})
        p.drawRect(QRect(0, y - 5, 600, 10));
    return image;
}

QImage autumn()
{
    QImage image(640, 480, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    fillVertical(p, QRectF(0, 0, 640, 330), {{0.0, QColor(150, 200, 240)}, {1.0, QColor(250, 235, 210)}});
    fillVertical(p, QRectF(0, 330, 640, 150), {{0.0, QColor(170, 120, 60)}, {1.0, QColor(120, 80, 40)}});
    Sequence seq(88);
    const std::array<QColor, 5> leaves = {QColor(210, 40, 30), QColor(235, 110, 30), QColor(245, 180, 40),
                                          QColor(190, 60, 40), QColor(230, 150, 60)};
    for (const double tx : {110.0, 330.0, 540.0}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(80, 50, 35));
        p.drawRect(QRectF(tx - 9, 190, 18, 150));
        p.setPen(QPen(QColor(80, 50, 35), 5));
        p.drawLine(QPointF(tx, 240), QPointF(tx - 50, 180));
        p.drawLine(QPointF(tx, 220), QPointF(tx + 45, 170));
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 140; ++i) {
            const double a = seq.range(0, 2 * Pi);
            const double d = std::sqrt(seq.unit());
            QColor c = leaves[static_cast<std::size_t>(seq.unit() * leaves.size())];
            c.setAlpha(210);
            p.setBrush(c);
            p.drawEllipse(QPointF(tx + std::cos(a) * d * 100, 150 + std::sin(a) * d * 80), seq.range(6, 14),
                          seq.range(6, 12));
        }
    }
    for (int i = 0; i < 160; ++i) {
        QColor c = leaves[static_cast<std::size_t>(seq.unit() * leaves.size())];
        p.setBrush(c);
        const double y = seq.range(340, 480);
        p.drawEllipse(QPointF(seq.range(0, 640), y), 3 + (y - 330) / 30, 2 + (y - 330) / 50);
    }
    return image;
}

QImage colourWheel()
{
    QImage image(480, 360, QImage::Format_RGB32);
    QPainter p(&image);
    QConicalGradient wheel(QPointF(240, 180), 90);
    for (int i = 0; i <= 6; ++i)
        wheel.setColorAt(i / 6.0, QColor::fromHsv((i * 60) % 360, 200, 245));
    p.fillRect(image.rect(), wheel);
    QRadialGradient centre(QPointF(240, 180), 300);
    centre.setColorAt(0, QColor(255, 255, 255, 230));
    centre.setColorAt(0.5, QColor(255, 255, 255, 40));
    centre.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(image.rect(), centre);
    return image;
}

QImage fuji()
{
    QImage image(800, 600, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    fillVertical(p, QRectF(0, 0, 800, 420), {{0.0, QColor(250, 210, 170)}, {1.0, QColor(255, 240, 220)}});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 50, 50));
    p.drawEllipse(QPointF(600, 130), 60, 60);
    QPainterPath mountain;
    mountain.moveTo(80, 420);
    mountain.cubicTo(250, 330, 330, 180, 360, 120);
    mountain.lineTo(440, 120);
    mountain.cubicTo(470, 180, 550, 330, 720, 420);
    mountain.closeSubpath();
    QLinearGradient slope(QPointF(0, 120), QPointF(0, 420));
    slope.setColorAt(0, QColor(80, 100, 160));
    slope.setColorAt(1, QColor(120, 140, 190));
    p.setBrush(slope);
    p.drawPath(mountain);
    QPainterPath snow;
    snow.moveTo(360, 120);
    snow.lineTo(440, 120);
    snow.cubicTo(455, 150, 470, 175, 485, 200);
    const std::array<QPointF, 7> edge = {QPointF(465, 190), QPointF(450, 215), QPointF(430, 185),
                                         QPointF(400, 220), QPointF(380, 182), QPointF(350, 210),
                                         QPointF(330, 190)};
    for (const QPointF &pt : edge)
        snow.lineTo(pt);
    snow.lineTo(315, 200);
    snow.cubicTo(330, 175, 345, 150, 360, 120);
    p.setBrush(QColor(250, 252, 255));
    p.drawPath(snow);
    fillVertical(p, QRectF(0, 420, 800, 180), {{0.0, QColor(90, 130, 180)}, {1.0, QColor(40, 70, 120)}});
    // The mountain mirrored faintly on the lake.
    p.save();
    p.translate(0, 840);
    p.scale(1, -1);
    p.setOpacity(0.25);
    p.setBrush(QColor(230, 235, 250));
    p.drawPath(mountain);
    p.restore();
    // Pines on the near shore.
    Sequence seq(99);
    p.setBrush(QColor(20, 50, 40));
    for (int i = 0; i < 12; ++i) {
        const double x = i < 6 ? 10 + i * 26 : 640 + (i - 6) * 28;
        const double h = seq.range(70, 130);
        for (int tier = 0; tier < 3; ++tier) {
            const double top = 440 - h + tier * h * 0.25;
            QPolygonF t;
            t << QPointF(x, top) << QPointF(x - 16 - tier * 5, top + h * 0.4) << QPointF(x + 16 + tier * 5, top + h * 0.4);
            p.drawPolygon(t);
        }
    }
    return image;
}

QImage circles()
{
    QImage image = canvas(QSize(600, 450), QColor(30, 34, 60));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    Sequence seq(123);
    for (int i = 0; i < 28; ++i) {
        QColor c = QColor::fromHsv(static_cast<int>(seq.range(0, 360)), 160, 240);
        c.setAlpha(120);
        p.setBrush(c);
        const double r = seq.range(20, 110);
        p.drawEllipse(QPointF(seq.range(0, 600), seq.range(0, 450)), r, r);
    }
    return image;
}

constexpr std::array<Sample, 11> Catalogue = {{
    {"01_sunset.jpg", sunset},
    {"02_mountains.jpg", mountains},
    {"03_seascape.jpg", seascape},
    {"04_flowerfield.jpg", flowerField},
    {"05_citynight.jpg", cityNight},
    {"06_rainbow.bmp", rainbow},
    {"07_geometric.bmp", geometric},
    {"08_autumn.jpg", autumn},
    {"09_colourwheel.bmp", colourWheel},
    {"10_fuji.jpg", fuji},
    {"11_circles.bmp", circles},
}};

} // namespace

std::span<const Sample> basePictures()
{
    return Catalogue;
}

} // namespace weftara::samples
