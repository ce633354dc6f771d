#include "outputfixture.h"

#include "platform/surface.h"
#include "support/fakeload.h"

namespace weftara::testing {

bool RecordingPrinter::print(const platform::PrintedPage &page)
{
    pages << page;
    if (onPrint)
        onPrint();
    return true;
}

OutputFixture::OutputFixture()
    : ws(form.workspace())
{
    form.resize(900, 650);
}

void OutputFixture::showWoven(const QImage &picture)
{
    fakeBaseLoad(ws, picture);
    // Without a pattern the weave copies the base picture.
    ws.selectTab(workspace::Tab::Woven);
}

QRect inkBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 200)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace weftara::testing
