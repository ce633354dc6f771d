#include "platform/surfacetest.h"

#include "platform/surface.h"
#include "platform/surfaceview.h"

#include <QFontMetricsF>
#include <QSignalSpy>
#include <QTest>

#include <cstring>

using weftara::platform::Surface;
using weftara::platform::SurfaceView;

namespace {

constexpr QRgb Back = 0xFFF0F0F0; // the default back colour, byte 3 as QImage::fill writes it

// A picture whose every pixel differs: blue = x, green = y, red = 0x5A.
QImage numberedPicture(int width, int height, quint8 byte3 = 0xFF)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<quint32 *>(picture.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = quint32(byte3) << 24 | 0x5Au << 16 | quint32(y) << 8 | quint32(x);
    }
    return picture;
}

quint32 word(const QImage &image, int x, int y)
{
    return reinterpret_cast<const quint32 *>(image.constScanLine(y))[x];
}

bool sameBytes(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.format() != b.format())
        return false;
    for (int y = 0; y < a.height(); ++y)
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), size_t(a.width()) * 4) != 0)
            return false;
    return true;
}

// The expected image of a surface: back colour, picture copied at (0, 0).
QImage composed(QSize size, const QImage &picture, QRgb back = Back)
{
    QImage expected(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            reinterpret_cast<quint32 *>(expected.scanLine(y))[x] =
                (x < picture.width() && y < picture.height()) ? word(picture, x, y) : back;
    return expected;
}

} // namespace

void SurfaceTest::startsWithBackColor()
{
    Surface surface;
    surface.setPixelSize(5, 4);
    QCOMPARE(surface.backColor(), QColor(240, 240, 240));
    QCOMPARE(surface.image().size(), QSize(5, 4));
    QCOMPARE(surface.image().format(), QImage::Format_RGB32);
    QVERIFY(sameBytes(surface.image(), composed({5, 4}, {})));
    QVERIFY(!surface.hasPicture());
}

void SurfaceTest::setPictureWithoutAutoSize_data()
{
    QTest::addColumn<QSize>("pictureSize");

    QTest::newRow("smaller: padded") << QSize(3, 2);
    QTest::newRow("larger: clipped") << QSize(9, 7);
    QTest::newRow("wider, lower") << QSize(9, 2);
    QTest::newRow("same") << QSize(6, 4);
}

void SurfaceTest::setPictureWithoutAutoSize()
{
    QFETCH(QSize, pictureSize);
    Surface surface;
    surface.setPixelSize(6, 4);
    const QImage picture = numberedPicture(pictureSize.width(), pictureSize.height(), 0x12);
    surface.setPicture(picture);

    QCOMPARE(surface.pixelWidth(), 6);
    QCOMPARE(surface.pixelHeight(), 4);
    QVERIFY(surface.hasPicture());
    QVERIFY(sameBytes(surface.picture(), picture));
    QVERIFY(sameBytes(surface.image(), composed({6, 4}, picture)));
}

void SurfaceTest::setPictureWithAutoSize()
{
    Surface surface;
    surface.setPixelSize(6, 4);
    surface.setAutoSize(true);
    const QImage picture = numberedPicture(9, 7);
    // Any format is taken as RGB32.
    surface.setPicture(picture.convertToFormat(QImage::Format_RGB888));
    QCOMPARE(surface.picture().format(), QImage::Format_RGB32);
    QCOMPARE(surface.pixelWidth(), 9);
    QCOMPARE(surface.pixelHeight(), 7);
    QVERIFY(sameBytes(surface.image(), picture));

    // Switching auto size on later takes the picture's size too; like any
    // resize it keeps the image and fills the new area with the back colour.
    Surface late;
    late.setPixelSize(2, 3);
    late.setPicture(picture);
    late.setAutoSize(true);
    QCOMPARE(late.image().size(), QSize(9, 7));
    QVERIFY(sameBytes(late.image(), composed({9, 7}, picture.copy(0, 0, 2, 3))));
    late.cls();
    QVERIFY(sameBytes(late.image(), picture));
}

void SurfaceTest::clsRestoresPicture()
{
    Surface surface;
    surface.setPixelSize(8, 6);
    const QImage picture = numberedPicture(5, 5);
    surface.setPicture(picture);

    reinterpret_cast<quint32 *>(surface.image().scanLine(1))[1] = 0x00112233;
    surface.stretchDraw(numberedPicture(2, 2), QRectF(4, 0, 4, 6));
    surface.setCurrentY(2);
    surface.printLine(QStringLiteral("W"));
    QVERIFY(!sameBytes(surface.image(), composed({8, 6}, picture)));

    surface.cls();
    QVERIFY(sameBytes(surface.image(), composed({8, 6}, picture)));
    QVERIFY(sameBytes(surface.picture(), picture));
}

void SurfaceTest::fixDrawingSurvivesCls()
{
    Surface surface;
    surface.setPixelSize(4, 3);
    surface.setPicture(numberedPicture(2, 2));
    reinterpret_cast<quint32 *>(surface.image().scanLine(2))[3] = 0x00ABCDEF;
    const QImage drawn = surface.image().copy();

    surface.fixDrawing();
    QVERIFY(sameBytes(surface.picture(), drawn));
    reinterpret_cast<quint32 *>(surface.image().scanLine(0))[0] = 0x00000001;
    // The picture did not change with the image after fixing.
    QVERIFY(sameBytes(surface.picture(), drawn));

    surface.cls();
    QVERIFY(sameBytes(surface.image(), drawn));
}

void SurfaceTest::clearPictureLeavesBackColor()
{
    Surface surface;
    surface.setPixelSize(4, 3);
    surface.setPicture(numberedPicture(4, 3));
    surface.clearPicture();
    QVERIFY(!surface.hasPicture());
    QVERIFY(surface.picture().isNull());
    QVERIFY(sameBytes(surface.image(), composed({4, 3}, {})));
    // A null picture means the same.
    surface.setPicture(numberedPicture(4, 3));
    surface.setPicture(QImage());
    QVERIFY(!surface.hasPicture());
    QVERIFY(sameBytes(surface.image(), composed({4, 3}, {})));
    // Emptied, then resized before the image is looked at.
    surface.setPicture(numberedPicture(4, 3));
    surface.clearPicture();
    surface.setPixelSize(6, 2);
    QVERIFY(sameBytes(surface.image(), composed({6, 2}, {})));
}

void SurfaceTest::sharedPicturesStayApart()
{
    // Pictures handed from surface to surface share their pixels until one
    // of them is written; no write may show through to another.
    const QImage original = numberedPicture(5, 4);
    Surface first;
    Surface second;
    first.setAutoSize(true);
    second.setAutoSize(true);
    first.setPicture(original);
    second.setPicture(first.image());
    const auto invert = [](QImage &image) {
        image.invertPixels();
        return true;
    };
    QVERIFY(first.rewritePicture(invert));
    QVERIFY(sameBytes(second.picture(), original));
    QVERIFY(sameBytes(second.image(), original));
    QVERIFY(sameBytes(first.picture(), first.image()));
    QVERIFY(!sameBytes(first.picture(), original));
    reinterpret_cast<quint32 *>(second.image().scanLine(0))[0] = 0x00123456;
    QVERIFY(sameBytes(second.picture(), original));

    // A rewrite that fails keeps the picture, whether the image showed it
    // plainly or had a drawing on it.
    const QImage rewritten = first.picture().copy();
    QVERIFY(!first.rewritePicture([](QImage &) { return false; }));
    QVERIFY(sameBytes(first.picture(), rewritten));
    first.printLine(QStringLiteral("W"));
    QVERIFY(!first.rewritePicture([](QImage &) { return false; }));
    QVERIFY(sameBytes(first.picture(), rewritten));
    QVERIFY(sameBytes(original, numberedPicture(5, 4)));
}

void SurfaceTest::resizeKeepsContent_data()
{
    QTest::addColumn<QSize>("newSize");
    QTest::addColumn<bool>("throughQWidget");

    QTest::newRow("grow") << QSize(9, 8) << false;
    QTest::newRow("shrink") << QSize(3, 2) << false;
    QTest::newRow("wider, lower") << QSize(9, 2) << false;
    QTest::newRow("grow via QWidget::resize") << QSize(9, 8) << true;
    QTest::newRow("to nothing") << QSize(0, 0) << false;
}

void SurfaceTest::resizeKeepsContent()
{
    QFETCH(QSize, newSize);
    QFETCH(bool, throughQWidget);

    Surface surface;
    surface.setPixelSize(6, 5);
    // Content with byte 3 = 0, as the pixel operations leave it.
    const QImage content = numberedPicture(6, 5, 0x00);
    surface.image() = content;

    if (throughQWidget)
        surface.resize(newSize);
    else
        surface.setPixelSize(newSize.width(), newSize.height());

    QCOMPARE(surface.pixelWidth(), newSize.width());
    QCOMPARE(surface.pixelHeight(), newSize.height());
    QCOMPARE(surface.image().size(), newSize);
    if (!newSize.isEmpty())
        QVERIFY(sameBytes(surface.image(), composed(newSize, content)));
}

void SurfaceTest::plainStretchPicksNearestPixels()
{
    Surface surface;
    surface.setPixelSize(7, 7);
    const QImage source = numberedPicture(2, 3);
    const QRect target(1, 2, 4, 3); // 2x wide, 1x high
    surface.stretchDraw(source, target);

    const QImage &image = surface.image();
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 7; ++x) {
            const quint32 got = word(image, x, y) & 0xFFFFFFu;
            if (!target.contains(x, y)) {
                QCOMPARE(got, Back & 0xFFFFFFu);
                continue;
            }
            // Nearest source pixel of the destination pixel's centre.
            const int sx = int((x - target.x() + 0.5) * source.width() / target.width());
            const int sy = int((y - target.y() + 0.5) * source.height() / target.height());
            QCOMPARE(got, word(source, sx, sy) & 0xFFFFFFu);
        }
    }
}

void SurfaceTest::smoothStretchIgnoresByte3()
{
    // Filtering must not take byte 3 for alpha: the same colours stretched
    // with byte 3 = 0 and = 0xFF give the same colours.
    Surface withZero;
    Surface withFull;
    for (Surface *s : {&withZero, &withFull})
        s->setPixelSize(16, 4);
    withZero.stretchDraw(numberedPicture(3, 2, 0x00), QRectF(0, 0, 16, 4),
                         Surface::Stretch::Smooth);
    withFull.stretchDraw(numberedPicture(3, 2, 0xFF), QRectF(0, 0, 16, 4),
                         Surface::Stretch::Smooth);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 16; ++x)
            QCOMPARE(word(withZero.image(), x, y) & 0xFFFFFFu,
                     word(withFull.image(), x, y) & 0xFFFFFFu);
    // Red is 0x5A everywhere in the source, so everywhere in the result.
    QCOMPARE(withZero.image().pixelColor(8, 2).red(), 0x5A);
}

void SurfaceTest::paintingIgnoresByte3()
{
    Surface zero;
    Surface full;
    zero.setPixelSize(12, 9);
    full.setPixelSize(12, 9);
    zero.image() = numberedPicture(12, 9, 0x00);
    full.image() = numberedPicture(12, 9, 0xFF);

    SurfaceView zeroView(zero, nullptr);
    SurfaceView fullView(full, nullptr);
    const QImage shownZero = zeroView.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage shownFull = fullView.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shownZero.size(), QSize(12, 9));
    QCOMPARE(shownZero, shownFull);
    // And what is shown is the picture's colour, not something else alike.
    for (QPoint p : {QPoint(0, 0), QPoint(11, 8), QPoint(5, 3)})
        QCOMPARE(shownZero.pixel(p), qRgb(0x5A, p.y(), p.x()));
    // A part painted alone shows the same pixels as in the whole.
    const QImage part = zeroView.grab(QRect(3, 2, 6, 5)).toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(part, shownZero.copy(3, 2, 6, 5));
}

void SurfaceTest::printAdvancesLines()
{
    Surface surface;
    surface.setPixelSize(200, 120);
    QFont font;
    font.setPointSize(12);
    surface.setTextFont(font);
    surface.setForeColor(Qt::black);

    // 12 points at 96 dots per inch.
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(3780);
    device.setDotsPerMeterY(3780);
    const double spacing = QFontMetricsF(font, &device).lineSpacing();
    QVERIFY(spacing > 12.0 && spacing < 30.0);

    const int left = 20;
    const double top = 5.0;
    const QStringList lines{"Ag", "", "WM"};
    surface.setCurrentY(top);
    for (const QString &line : lines) {
        surface.setCurrentX(left);
        surface.printLine(line);
        QCOMPARE(surface.currentX(), 0.0);
    }
    QCOMPARE(surface.currentY(), top + 3 * spacing);

    // Ink lies only in the bands of lines 1 and 3, right of the left edge.
    const QImage &image = surface.image();
    QList<int> inkPerBand(3, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((word(image, x, y) & 0xFFFFFFu) == (Surface::DefaultBackColor & 0xFFFFFFu))
                continue;
            QVERIFY2(x >= left - 1, qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
            const double band = (y - top) / spacing;
            QVERIFY2(band >= 0 && band < 3, qPrintable(QStringLiteral("ink at row %1").arg(y)));
            ++inkPerBand[int(band)];
        }
    }
    QVERIFY(inkPerBand[0] > 0);
    QCOMPARE(inkPerBand[1], 0);
    QVERIFY(inkPerBand[2] > 0);
}

void SurfaceTest::viewFollowsSurface()
{
    QWidget parent;
    parent.resize(100, 80);
    Surface surface;
    surface.hide();
    surface.setGeometry(3, 4, 20, 10);
    SurfaceView view(surface, &parent);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QVERIFY(view.isHidden());
    QCOMPARE(view.geometry(), QRect(3, 4, 20, 10));

    surface.show();
    surface.setPixelSize(30, 25);
    surface.move(7, 1);
    QVERIFY(view.isVisible());
    QCOMPARE(view.geometry(), QRect(7, 1, 30, 25));
    QCOMPARE(surface.image().size(), QSize(30, 25));
    surface.setVisible(false);
    QVERIFY(view.isHidden());
}

void SurfaceTest::mouseSignalsCarryPixels()
{
    QWidget parent;
    parent.resize(100, 80);
    Surface surface;
    surface.setGeometry(10, 10, 40, 30);
    SurfaceView view(surface, &parent);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));

    QSignalSpy pressed(&surface, &Surface::mousePressed);
    QSignalSpy moved(&surface, &Surface::mouseMoved);
    QSignalSpy released(&surface, &Surface::mouseReleased);

    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(7, 4));
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed[0][0].value<Qt::MouseButton>(), Qt::LeftButton);
    QCOMPARE(pressed[0][1].toPoint(), QPoint(7, 4));
    QCOMPARE(released.count(), 1);
    QCOMPARE(released[0][0].value<Qt::MouseButton>(), Qt::LeftButton);
    QCOMPARE(released[0][1].toPoint(), QPoint(7, 4));

    QTest::mousePress(&view, Qt::RightButton, {}, QPoint(30, 20));
    QTest::mouseMove(&view, QPoint(33, 25));
    QTest::mouseRelease(&view, Qt::RightButton, {}, QPoint(33, 25));
    QCOMPARE(pressed.last()[0].value<Qt::MouseButton>(), Qt::RightButton);
    QVERIFY(!moved.isEmpty());
    QCOMPARE(moved.last()[0].value<Qt::MouseButtons>(), Qt::MouseButtons(Qt::RightButton));
    QCOMPARE(moved.last()[1].toPoint(), QPoint(33, 25));
    QCOMPARE(released.last()[1].toPoint(), QPoint(33, 25));
}
