#include "workspacefixture.h"
#include "support/fakeload.h"

#include "platform/surface.h"
#include "recipes/loggroups.h"
#include "workspace/controlpanel.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace weftara::testing {

QImage makePicture(int width, int height, const std::function<quint32(int, int)> &word)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<quint32 *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = word(x, y);
    }
    return image;
}

QImage variedPicture(int width, int height, int seed)
{
    return makePicture(width, height, [seed](int x, int y) {
        const quint32 b = quint32(x * 37 + y * 11 + seed * 53) % 256;
        const quint32 g = quint32(x * 5 + y * 71 + seed * 29) % 256;
        const quint32 r = quint32(x * 97 + y * 3 + seed * 7) % 256;
        const quint32 unused = quint32(x + y + seed) % 256;
        return b | g << 8 | r << 16 | unused << 24;
    });
}

QImage uniformPicture(int width, int height, quint32 word)
{
    return makePicture(width, height, [word](int, int) { return word; });
}

Bytes bytesAt(const QImage &image, int x, int y)
{
    const uchar *p = image.constScanLine(y) + 4 * x;
    return {p[0], p[1], p[2], p[3]};
}

QImage mapPixels(const QImage &image, const std::function<Bytes(Bytes, int, int)> &f)
{
    QImage out = image.copy();
    for (int y = 0; y < out.height(); ++y) {
        uchar *p = out.scanLine(y);
        for (int x = 0; x < out.width(); ++x, p += 4) {
            const Bytes b = f(Bytes{p[0], p[1], p[2], p[3]}, x, y);
            p[0] = uchar(b.blue);
            p[1] = uchar(b.green);
            p[2] = uchar(b.red);
            p[3] = uchar(b.unused);
        }
    }
    return out;
}

WorkspaceFixture::WorkspaceFixture()
    : ws(form.workspace())
{
    form.resize(900, 650);
}

void WorkspaceFixture::loadBase(const QImage &picture)
{
    fakeBaseLoad(ws, picture);
}

void WorkspaceFixture::loadPattern(const QImage &tiled)
{
    fakePatternLoad(ws, tiled);
}

QImage WorkspaceFixture::picture(workspace::Picture picture)
{
    return ws.picture(picture).image().copy();
}

void WorkspaceFixture::clickEffectButton(workspace::EffectButton button)
{
    form.controlPanel()->effectButton(button)->click();
}

void WorkspaceFixture::clickChannelButton(engine::ChannelStep channel)
{
    form.controlPanel()->channelButton(channel)->click();
}

void WorkspaceFixture::setThreshold(engine::WeavePart part, int value)
{
    ws.controls().thresholdSliders[part].setValue(value);
}

void WorkspaceFixture::tick(engine::WeavePart part, bool on)
{
    ws.controls().weaveOptionCheckBoxes[part].setChecked(on);
}

} // namespace weftara::testing
