#include "textfixture.h"
#include "support/fakeload.h"

#include "platform/surface.h"

namespace weftara::testing {

QImage uniformPicture(int width, int height, QRgb color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

QRect inkBounds(const QImage &image, QRgb background)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != (background & 0xFFFFFF))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

QList<QPair<int, int>> inkBands(const QImage &image, QRgb background)
{
    QList<QPair<int, int>> bands;
    for (int y = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < image.width() && !ink; ++x)
            ink = (image.pixel(x, y) & 0xFFFFFF) != (background & 0xFFFFFF);
        if (!ink)
            continue;
        if (!bands.isEmpty() && bands.last().second == y - 1)
            bands.last().second = y;
        else
            bands.append({y, y});
    }
    return bands;
}

TextFixture::TextFixture()
    : ws(form.workspace())
    , panel(weaver.textPanel())
    , box(weaver.textBox())
    , placed(weaver.placedText())
{
    form.resize(900, 650);
}

void TextFixture::loadWoven(const QImage &picture)
{
    fakeBaseLoad(ws, picture);
    ws.selectTab(workspace::Tab::Woven);
}

QImage TextFixture::woven()
{
    return ws.picture(weftara::workspace::Picture::Woven).image().copy();
}

void TextFixture::typeText(const QString &text, float left, float top)
{
    placed.setText(text);
    placed.setLeft(left);
    placed.setTop(top);
}

} // namespace weftara::testing
