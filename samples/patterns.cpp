// Pattern pictures of 64 to 128 pixels a side. Each repeats seamlessly with
// its own size, since the pattern is tiled over the base picture.
#include "catalogue.h"
#include "drawing.h"

#include <QPainterPath>

#include <array>
#include <cmath>
#include <numbers>

namespace weftara::samples {

namespace {

constexpr double Pi = std::numbers::pi;

double wrap(double v, double period)
{
    const double r = std::fmod(v, period);
    return r < 0 ? r + period : r;
}

QImage stripes()
{
    return shade({64, 64}, [](double x, double y) {
        const double t = wrap(x + y, 32);
        if (t < 12)
            return QColor(240, 128, 110);
        if (t >= 16 && t < 28)
            return QColor(70, 160, 160);
        return QColor(252, 244, 225);
    });
}

QImage dots()
{
    return shade({64, 64}, [](double x, double y) {
        for (const QPointF c : {QPointF(16, 16), QPointF(48, 48)}) {
            const double dx = wrap(x - c.x() + 32, 64) - 32;
            const double dy = wrap(y - c.y() + 32, 64) - 32;
            if (dx * dx + dy * dy < 10 * 10)
                return QColor(255, 252, 240);
        }
        return QColor(110, 160, 215);
    });
}

QImage gingham()
{
    return shade({64, 64}, [](double x, double y) {
        const bool across = wrap(x, 32) < 16;
        const bool down = wrap(y, 32) < 16;
        if (across && down)
            return QColor(196, 44, 60);
        if (across || down)
            return QColor(236, 160, 165);
        return QColor(255, 250, 245);
    });
}

QImage waves()
{
    const std::array<QColor, 4> bands = {QColor(30, 90, 160), QColor(90, 160, 210), QColor(230, 245, 250),
                                         QColor(60, 130, 190)};
    return shade({128, 64}, [bands](double x, double y) {
        const double t = wrap(y + 8 * std::sin(2 * Pi * x / 64), 64);
        return bands[static_cast<std::size_t>(t / 16)];
    });
}

void sakura(QPainter &p, QPointF at, double r, double turn, const QColor &petal)
{
    p.save();
    p.translate(at);
    p.rotate(turn);
    p.setPen(Qt::NoPen);
    p.setBrush(petal);
    for (int k = 0; k < 5; ++k) {
        p.save();
        p.rotate(72.0 * k);
        QPainterPath leaf;
        leaf.moveTo(0, 0);
        leaf.cubicTo(-r * 0.6, -r * 0.3, -r * 0.5, -r, -r * 0.15, -r);
        leaf.lineTo(0, -r * 0.82);
        leaf.lineTo(r * 0.15, -r);
        leaf.cubicTo(r * 0.5, -r, r * 0.6, -r * 0.3, 0, 0);
        p.drawPath(leaf);
        p.restore();
    }
    p.setBrush(QColor(220, 80, 120));
    p.drawEllipse(QPointF(0, 0), r * 0.16, r * 0.16);
    p.restore();
}

QImage sakuraPattern()
{
    QImage image = canvas({96, 96}, QColor(250, 214, 224));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawWrapped(p, image.size(), [](QPainter &q) {
        sakura(q, QPointF(24, 26), 20, 10, QColor(255, 255, 255));
        sakura(q, QPointF(72, 74), 20, 40, QColor(255, 240, 245));
        sakura(q, QPointF(74, 22), 9, 0, QColor(240, 150, 180));
        sakura(q, QPointF(22, 76), 9, 30, QColor(240, 150, 180));
    });
    return image;
}

void heart(QPainter &p, QPointF at, double s, const QColor &colour)
{
    QPainterPath path;
    path.moveTo(at + QPointF(0, s * 0.9));
    path.cubicTo(at + QPointF(-s * 1.2, 0), at + QPointF(-s * 0.6, -s * 0.9), at + QPointF(0, -s * 0.35));
    path.cubicTo(at + QPointF(s * 0.6, -s * 0.9), at + QPointF(s * 1.2, 0), at + QPointF(0, s * 0.9));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
}

QImage hearts()
{
    QImage image = canvas({64, 64}, QColor(252, 226, 232));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawWrapped(p, image.size(), [](QPainter &q) {
        heart(q, QPointF(16, 16), 11, QColor(220, 50, 80));
        heart(q, QPointF(48, 48), 11, QColor(240, 120, 150));
    });
    return image;
}

void star(QPainter &p, QPointF at, double r, const QColor &colour)
{
    QPolygonF shape;
    for (int k = 0; k < 10; ++k) {
        const double a = -Pi / 2 + Pi * k / 5;
        const double d = k % 2 == 0 ? r : r * 0.42;
        shape << at + QPointF(std::cos(a) * d, std::sin(a) * d);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(shape);
}

QImage stars()
{
    QImage image = canvas({80, 80}, QColor(30, 44, 100));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawWrapped(p, image.size(), [](QPainter &q) {
        star(q, QPointF(20, 22), 14, QColor(255, 220, 80));
        star(q, QPointF(60, 60), 14, QColor(255, 240, 170));
        star(q, QPointF(62, 16), 5, QColor(255, 255, 255));
        star(q, QPointF(18, 62), 5, QColor(255, 255, 255));
        star(q, QPointF(42, 40), 3, QColor(200, 220, 255));
    });
    return image;
}

// Hemp leaves: every triangle of a triangular grid joined to its centre.
QImage asanoha()
{
    constexpr double Side = 64;
    const double rowHeight = Side * std::sqrt(3.0) / 2;
    QImage image = canvas({64, 111}, QColor(40, 62, 118));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Two rows of the grid are squeezed very slightly onto 111 pixels.
    p.scale(1.0, 111.0 / (2 * rowHeight));
    p.setPen(QPen(QColor(232, 236, 248), 1.6));
    auto point = [&](int i, int j) {
        return QPointF(i * Side + ((j % 2 + 2) % 2) * Side / 2, j * rowHeight);
    };
    for (int j = -2; j <= 4; ++j) {
        for (int i = -2; i <= 2; ++i) {
            const QPointF a = point(i, j);
            const QPointF b = point(i + 1, j);
            // The row below is shifted by half a side one way or the other.
            const bool shifted = (j % 2 + 2) % 2 == 1;
            const QPointF below1 = point(shifted ? i + 1 : i, j + 1);
            const QPointF below0 = point(shifted ? i : i - 1, j + 1);
            const std::array<std::array<QPointF, 3>, 2> triangles = {{{a, b, below1}, {a, below0, below1}}};
            for (const auto &t : triangles) {
                const QPointF centre = (t[0] + t[1] + t[2]) / 3.0;
                for (std::size_t k = 0; k < 3; ++k) {
                    p.drawLine(t[k], t[(k + 1) % 3]);
                    p.drawLine(t[k], centre);
                }
            }
        }
    }
    return image;
}

// Blue waves: rows of ringed circles, each row drawn over the one above.
QImage seigaiha()
{
    constexpr double R = 32;
    return shade({128, 64}, [](double x, double y) {
        const int lowest = static_cast<int>(std::floor((y + R) / (R / 2)));
        for (int row = lowest; row >= lowest - 5; --row) {
            const double cy = row * (R / 2);
            const double offset = (row % 2 == 0) ? 0 : R;
            const double cx = offset + std::round((x - offset) / (2 * R)) * 2 * R;
            const double d = std::hypot(x - cx, y - cy);
            if (d < R) {
                const int ring = static_cast<int>(d / (R / 5));
                return ring % 2 == 0 ? QColor(30, 74, 140) : QColor(232, 240, 250);
            }
        }
        return QColor(232, 240, 250);
    });
}

QImage ichimatsu()
{
    return shade({64, 64}, [](double x, double y) {
        const bool a = wrap(x, 64) < 32;
        const bool b = wrap(y, 64) < 32;
        return a == b ? QColor(46, 120, 92) : QColor(240, 232, 208);
    });
}

// Tortoise shell: a grid of hexagons with an inner outline.
QImage kikkou()
{
    constexpr double S = 32;  // corner radius
    const double width = std::sqrt(3.0) * S;
    const double apothem = width / 2;
    return shade({56, 96}, [=](double px, double py) {
        const double x = px * width / 56;
        const double y = py;
        double best = 1e9;
        for (int j = -1; j <= 3; ++j) {
            for (int i = -1; i <= 2; ++i) {
                const double cx = i * width + ((j % 2 + 2) % 2) * width / 2;
                const double cy = j * 1.5 * S;
                const double dx = x - cx;
                const double dy = y - cy;
                double h = 0;
                for (const double a : {0.0, Pi / 3, 2 * Pi / 3})
                    h = std::max(h, std::abs(dx * std::cos(a) + dy * std::sin(a)));
                best = std::min(best, h);
            }
        }
        if (best > apothem - 2.2)
            return QColor(110, 64, 40);
        if (std::abs(best - apothem * 0.62) < 1.1)
            return QColor(170, 110, 70);
        return QColor(236, 214, 170);
    });
}

// Seven treasures: circles whose overlaps form four-petalled flowers.
QImage shippou()
{
    constexpr double R = 32;
    return shade({64, 64}, [](double x, double y) {
        int inside = 0;
        double nearestEdge = 1e9;
        for (int j = -1; j <= 2; ++j) {
            for (int i = -1; i <= 2; ++i) {
                for (const double shift : {0.0, R}) {
                    const double d = std::hypot(x - (i * 2 * R + shift), y - (j * 2 * R + shift));
                    if (d < R)
                        ++inside;
                    nearestEdge = std::min(nearestEdge, std::abs(d - R));
                }
            }
        }
        if (nearestEdge < 1.0)
            return QColor(150, 40, 40);
        if (inside >= 2)
            return QColor(236, 190, 80);
        return QColor(200, 70, 60);
    });
}

// Arrow feathers: chevron bands, every second column turned the other way.
QImage yagasuri()
{
    return shade({64, 64}, [](double x, double y) {
        const int column = static_cast<int>(std::floor(wrap(x, 64) / 32));
        const double local = wrap(x, 32);
        const double bend = std::abs(local - 16) * (column == 0 ? 1 : -1);
        const double t = wrap(y + bend + (column == 0 ? 0 : 16), 32);
        if (std::abs(local - 16) > 15.2)
            return QColor(70, 30, 80);
        return t < 16 ? QColor(120, 70, 150) : QColor(248, 244, 250);
    });
}

// Scales: rows of triangles, every second row shifted half a triangle.
QImage uroko()
{
    return shade({64, 64}, [](double x, double y) {
        const int row = static_cast<int>(std::floor(y / 32));
        const double ly = wrap(y, 32);
        const double lx = wrap(x + (row % 2 == 0 ? 0 : 16), 32);
        const bool up = std::abs(lx - 16) < ly / 2;
        return up ? QColor(190, 80, 50) : QColor(248, 236, 214);
    });
}

// Fawn spots: pale squares with a dark dot, on a red ground.
QImage kanoko()
{
    return shade({64, 64}, [](double x, double y) {
        for (const QPointF c : {QPointF(16, 16), QPointF(48, 48)}) {
            const double dx = wrap(x - c.x() + 32, 64) - 32;
            const double dy = wrap(y - c.y() + 32, 64) - 32;
            // A diamond, with a dot in the middle.
            if (std::hypot(dx, dy) < 2.5)
                return QColor(170, 40, 60);
            if (std::abs(dx) + std::abs(dy) < 13)
                return QColor(250, 226, 230);
        }
        return QColor(205, 60, 80);
    });
}

QImage tartan()
{
    struct Band
    {
        double until;
        QColor colour;
    };
    const std::array<Band, 7> sett = {{{24, QColor(30, 100, 60)},
                                       {40, QColor(30, 40, 100)},
                                       {48, QColor(30, 100, 60)},
                                       {52, QColor(220, 60, 50)},
                                       {60, QColor(30, 100, 60)},
                                       {88, QColor(30, 40, 100)},
                                       {96, QColor(240, 210, 90)}}};
    auto colourOf = [sett](double v) {
        const double t = wrap(v, 96);
        for (const Band &band : sett)
            if (t < band.until)
                return band.colour;
        return sett.back().colour;
    };
    return shade({96, 96}, [colourOf](double x, double y) {
        // A twill: warp and weft alternate along the diagonal.
        const bool warp = wrap(std::floor(x) + std::floor(y), 4) < 2;
        return mix(warp ? colourOf(x) : colourOf(y), QColor(255, 255, 255), 0.15);
    });
}

QImage chevron()
{
    const std::array<QColor, 4> bands = {QColor(40, 140, 140), QColor(236, 190, 70), QColor(232, 110, 90),
                                         QColor(250, 244, 228)};
    return shade({64, 64}, [bands](double x, double y) {
        const double t = wrap(y + std::abs(wrap(x, 32) - 16), 64);
        return bands[static_cast<std::size_t>(t / 16)];
    });
}

QImage bricks()
{
    return shade({64, 64}, [](double x, double y) {
        const int row = static_cast<int>(std::floor(y / 16));
        const double ly = wrap(y, 16);
        const double lx = wrap(x + (row % 2 == 0 ? 0 : 16), 32);
        if (ly < 2 || lx < 2)
            return QColor(225, 220, 205);
        const double tint = (row * 7 + static_cast<int>(std::floor((x + (row % 2) * 16) / 32)) * 3) % 5;
        return QColor(176 + static_cast<int>(tint) * 6, 80 + static_cast<int>(tint) * 4, 60);
    });
}

void leaf(QPainter &p, QPointF at, double length, double turn, const QColor &colour)
{
    p.save();
    p.translate(at);
    p.rotate(turn);
    QPainterPath shape;
    shape.moveTo(-length / 2, 0);
    shape.quadTo(0, -length * 0.4, length / 2, 0);
    shape.quadTo(0, length * 0.4, -length / 2, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(shape);
    p.setPen(QPen(colour.darker(150), 1.2));
    p.drawLine(QPointF(-length / 2, 0), QPointF(length / 2, 0));
    for (int k = -2; k <= 2; ++k) {
        const double x = k * length / 7;
        p.drawLine(QPointF(x, 0), QPointF(x + length / 10, -length / 7));
        p.drawLine(QPointF(x, 0), QPointF(x + length / 10, length / 7));
    }
    p.restore();
}

QImage leaves()
{
    QImage image = canvas({96, 96}, QColor(246, 240, 220));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawWrapped(p, image.size(), [](QPainter &q) {
        leaf(q, QPointF(24, 24), 40, 35, QColor(90, 160, 70));
        leaf(q, QPointF(72, 70), 40, -40, QColor(60, 130, 80));
        leaf(q, QPointF(74, 20), 24, 100, QColor(170, 190, 60));
        leaf(q, QPointF(22, 74), 24, 10, QColor(170, 190, 60));
    });
    return image;
}

QImage argyle()
{
    return shade({64, 64}, [](double x, double y) {
        const double lx = wrap(x, 64) - 32;
        const double ly = wrap(y, 64) - 32;
        // Thin diagonal lines over the diamonds.
        const double d1 = wrap(x + y, 32);
        const double d2 = wrap(x - y, 32);
        if (d1 < 1 || d2 < 1)
            return QColor(250, 250, 250);
        if (std::abs(lx) + std::abs(ly) < 32)
            return QColor(150, 60, 90);
        return QColor(60, 110, 140);
    });
}

// Clouds in the old picture-scroll manner: rows of soft bumps.
QImage clouds()
{
    QImage image = canvas({128, 96}, QColor(120, 170, 220));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    auto cloudBand = [](QPainter &q, QPointF at) {
        q.setPen(QPen(QColor(200, 170, 80), 1.5));
        q.setBrush(QColor(255, 252, 240));
        for (int k = 0; k < 4; ++k)
            q.drawEllipse(at + QPointF(k * 14, (k % 2) * -5), 12, 10);
        q.setPen(Qt::NoPen);
        q.drawRoundedRect(QRectF(at.x() - 6, at.y() - 2, 54, 12), 6, 6);
    };
    drawWrapped(p, image.size(), [&](QPainter &q) {
        cloudBand(q, QPointF(14, 24));
        cloudBand(q, QPointF(78, 72));
    });
    return image;
}

QImage diamonds()
{
    return shade({64, 64}, [](double x, double y) {
        const double lx = std::abs(wrap(x, 32) - 16);
        const double ly = std::abs(wrap(y, 32) - 16);
        const double d = lx + ly;
        if (d < 6)
            return QColor(250, 220, 90);
        if (d < 14)
            return QColor(120, 180, 110);
        return QColor(236, 246, 230);
    });
}

constexpr std::array<Sample, 22> Catalogue = {{
    {"01_stripes.bmp", stripes},
    {"02_dots.bmp", dots},
    {"03_gingham.bmp", gingham},
    {"04_waves.jpg", waves},
    {"05_sakura.bmp", sakuraPattern},
    {"06_hearts.bmp", hearts},
    {"07_stars.bmp", stars},
    {"08_asanoha.bmp", asanoha},
    {"09_seigaiha.bmp", seigaiha},
    {"10_ichimatsu.bmp", ichimatsu},
    {"11_kikkou.bmp", kikkou},
    {"12_shippou.bmp", shippou},
    {"13_yagasuri.bmp", yagasuri},
    {"14_uroko.bmp", uroko},
    {"15_kanoko.bmp", kanoko},
    {"16_tartan.bmp", tartan},
    {"17_chevron.bmp", chevron},
    {"18_bricks.bmp", bricks},
    {"19_leaves.jpg", leaves},
    {"20_argyle.bmp", argyle},
    {"21_clouds.jpg", clouds},
    {"22_diamonds.bmp", diamonds},
}};

} // namespace

std::span<const Sample> patternPictures()
{
    return Catalogue;
}

} // namespace weftara::samples
